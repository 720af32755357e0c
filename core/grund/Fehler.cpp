#include "Fehler.h"

namespace core {

Fehler::Fehler(const QString& text, int systemfehler)
    : std::runtime_error(text.toStdString()), text_(text), systemfehler_(systemfehler) {}

} // namespace core
