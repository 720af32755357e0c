#include "EAFehler.h"

#include "core/grund/DateiFehler.h"

namespace net {

EAFehler::EAFehler(const QString& pfad, int nummer)
    : core::Fehler(QStringLiteral("E/A-Fehler %1\n\n").arg(nummer) + core::SchreibfehlerText(pfad, nummer)),
      pfad_(pfad), nummer_(nummer) {}

QString EAFehler::ausfuehrlich() const {
    return core::SchreibfehlerText(pfad_, nummer_);
}

} // namespace net
