#include "HilfeBefehl.h"

#include "Befehlsliste.h"
#include "Hilfetext.h"

namespace cli {
namespace {

QByteArray ausfuehren(const Aufruf&, Ausgabe&) {
    return Hilfe(Befehle()).toUtf8();
}

} // namespace

Befehl HilfeBefehl() {
    return {.optionen = {{{QStringLiteral("h"), QStringLiteral("help")}, {}, QStringLiteral("diese Hilfe")}},
            .verwendung = QStringLiteral("--help"),
            .ausfuehren = ausfuehren};
}

} // namespace cli
