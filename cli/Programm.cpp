#include "Programm.h"

#include "Aufruf.h"
#include "Aufruffehler.h"
#include "AuswertenBefehl.h"
#include "GewinnreiheBefehl.h"
#include "HerunterladenBefehl.h"
#include "ScheineBefehl.h"
#include "SpieltagBefehl.h"
#include "StatistikBefehl.h"
#include "SystemBefehl.h"

#include "core/Fehler.h"
#include "core/Konstanten.h"

#include <exception>
#include <new>

namespace cli {
namespace {

QByteArray befehlAusfuehren(const Aufruf& aufruf) {
    switch (aufruf.befehl) {
    case Aufruf::Befehl::Hilfe:
        return Hilfe().toUtf8();
    case Aufruf::Befehl::Version:
        return (QStringLiteral("remisator-cli ") + core::ProgrammVersion + u'\n').toUtf8();
    case Aufruf::Befehl::Auswerten:
        return AuswertenAusgeben(aufruf);
    case Aufruf::Befehl::Gewinnreihe:
        return GewinnreiheAusgeben(aufruf);
    case Aufruf::Befehl::Spieltag:
        return SpieltagAusgeben(aufruf);
    case Aufruf::Befehl::System:
        return SystemAusgeben(aufruf);
    case Aufruf::Befehl::Herunterladen:
        return HerunterladenAusgeben(aufruf);
    case Aufruf::Befehl::Statistik:
        return StatistikAusgeben(aufruf);
    case Aufruf::Befehl::Scheine:
        return ScheineAusgeben(aufruf);
    }
    return {};
}

} // namespace

int Ausfuehren(const QStringList& argumente, QByteArray& ausgabe, QByteArray& fehler) {
    ausgabe.clear();
    fehler.clear();
    try {
        ausgabe = befehlAusfuehren(Aufruf::lesen(argumente));
        return 0;
    } catch (const Aufruffehler& f) {
        fehler = (QStringLiteral("remisator-cli: ") + f.text() + QStringLiteral("\n\n") + Verwendung() +
                  QStringLiteral("Mehr mit: remisator-cli --help\n"))
                     .toUtf8();
        return 1;
    } catch (const core::Fehler& f) {
        fehler = (f.text() + u'\n').toUtf8();
    } catch (const std::bad_alloc&) {
        fehler = QStringLiteral("Für diese Daten reicht der Arbeitsspeicher nicht.\n").toUtf8();
    } catch (const std::exception& f) {
        fehler = QStringLiteral("Unerwarteter Fehler: %1\n").arg(QString::fromLocal8Bit(f.what())).toUtf8();
    }
    ausgabe.clear();
    return 2;
}

} // namespace cli
