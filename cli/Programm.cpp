#include "Programm.h"

#include "Aufruf.h"
#include "Aufruffehler.h"
#include "Ausgabe.h"
#include "Befehlsliste.h"
#include "Hilfetext.h"
#include "SpeicherAusgabe.h"

#include "core/grund/Fehler.h"

#include <exception>
#include <new>

namespace cli {

int Ausfuehren(const QStringList& argumente, Ausgabe& ausgabe, QByteArray& fehler) {
    fehler.clear();
    try {
        const Aufruf aufruf = Aufruf::lesen(argumente, Befehle());
        ausgabe.schreiben(aufruf.befehl->ausfuehren(aufruf, ausgabe));
        ausgabe.abschliessen();
        return 0;
    } catch (const Aufruffehler& f) {
        fehler = (QStringLiteral("remisator-cli: ") + f.text() + QStringLiteral("\n\n") +
                  Verwendung(Befehle()) + QStringLiteral("Mehr mit: remisator-cli --help\n"))
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
