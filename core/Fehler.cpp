#include "Fehler.h"

namespace core {

Fehler::Fehler(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

} // namespace core
