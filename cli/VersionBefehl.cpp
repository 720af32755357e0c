#include "VersionBefehl.h"

#include "core/grund/Konstanten.h"

namespace cli {
namespace {

QByteArray ausfuehren(const Aufruf&, Ausgabe&) {
    return (QStringLiteral("remisator-cli ") + core::ProgrammVersion + u'\n').toUtf8();
}

} // namespace

Befehl VersionBefehl() {
    return {.optionen = {{{QStringLiteral("version")}, {}, QStringLiteral("die Version")}},
            .verwendung = QStringLiteral("--version"),
            .ausfuehren = ausfuehren};
}

} // namespace cli
