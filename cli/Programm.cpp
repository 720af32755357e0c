#include "Programm.h"

#include "Aufruf.h"
#include "Aufruffehler.h"
#include "Ausgabe.h"
#include "AuswertenBefehl.h"
#include "GewinnreiheBefehl.h"
#include "HerunterladenBefehl.h"
#include "ScheineBefehl.h"
#include "SpeicherAusgabe.h"
#include "SpieltagBefehl.h"
#include "StatistikBefehl.h"
#include "SystemBefehl.h"

#include "core/grund/Fehler.h"
#include "core/grund/Konstanten.h"

#include <exception>
#include <new>

namespace cli {
namespace {

// A command gives its whole output, or writes it to aus itself when it can be long.
QByteArray befehlAusfuehren(const Aufruf& aufruf, Ausgabe& aus) {
    switch (aufruf.befehl) {
    case Aufruf::Befehl::Hilfe:
        return Hilfe().toUtf8();
    case Aufruf::Befehl::Version:
        return (QStringLiteral("remisator-cli ") + core::ProgrammVersion + u'\n').toUtf8();
    case Aufruf::Befehl::Auswerten:
        AuswertenAusgeben(aufruf, aus);
        return {};
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

int Ausfuehren(const QStringList& argumente, Ausgabe& ausgabe, QByteArray& fehler) {
    fehler.clear();
    try {
        ausgabe.schreiben(befehlAusfuehren(Aufruf::lesen(argumente), ausgabe));
        ausgabe.abschliessen();
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
    return 2;
}

int Ausfuehren(const QStringList& argumente, QByteArray& ausgabe, QByteArray& fehler) {
    ausgabe.clear();
    SpeicherAusgabe speicher(ausgabe);
    const int code = Ausfuehren(argumente, speicher, fehler);
    if (code != 0)
        ausgabe.clear();
    return code;
}

} // namespace cli
