#include "AuswertenBefehl.h"

#include "Aufruf.h"
#include "Auswertungseingaben.h"
#include "Eingabedatei.h"
#include "GewinnreiheBefehl.h"
#include "Json.h"
#include "OhneFuellung.h"
#include "Rangausgabe.h"
#include "Reihenausgabe.h"
#include "Spieltagsdatei.h"
#include "Textspalten.h"

#include "core/Auswertung.h"
#include "core/DateiFehler.h"
#include "core/Datumswert.h"
#include "core/Fehler.h"
#include "core/G1Spalten.h"
#include "core/GewinnreiheErmitteln.h"
#include "core/Konstanten.h"
#include "core/Spielschein.h"
#include "core/Zahlformat.h"

#include <QJsonArray>

#include <cerrno>

namespace cli {
namespace {

// The object written by hand around the rows, in the order the keys are documented; the rows
// are too many for one document in memory.
QByteArray json(const core::Zeilentabelle& g1, const Eingaben& e, const core::Auswertung& a) {
    QByteArray aus = "{\"gewinnreihe\":" + JsonWert(GewinnreiheJson(e.gewinnreihe)) + ",\"reihen\":";
    ReihenJson(g1, aus);
    aus += ",\"raenge\":" + JsonWert(RaengeJson(a)) + ",\"gesamt\":" + JsonWert(GesamtText(a)) + "}\n";
    return aus;
}

QByteArray text(const core::Spielschein& schein, const Eingaben& e, const core::Auswertung& a) {
    QString kopf = QStringLiteral("Spielschein:  %1, %2 Reihen\n").arg(schein.dateiname).arg(schein.zeilen);
    kopf += QStringLiteral("Gewinnreihe:  %1 (%2)\n").arg(GewinnreiheText(e.boxen), e.gewinnreiheHerkunft);
    kopf += QStringLiteral("Quoten:       %1\n\n")
                .arg(e.quotenDatei.isEmpty() ? QStringLiteral("keine") : e.quotenDatei);
    QByteArray aus = kopf.toUtf8();
    Reihentext(schein.tabelle, aus);
    aus += '\n';
    if (!a.gelaufen) {
        aus += "Die Gewinnreihe ist leer: es wurde nichts ausgewertet.\n";
        return aus;
    }

    using A = Textspalten::Ausrichtung;
    Textspalten raenge({A::Links, A::Rechts, A::Rechts});
    raenge.zeile({QStringLiteral("GKl."), QStringLiteral("Anzahl"), QStringLiteral("Gewinn")});
    for (std::size_t i = 1; i <= 6; ++i)
        raenge.zeile(
            {core::RangText[i], a.anzahlText[i].value_or(QString()), a.betragText[i].value_or(QString())});
    aus += (raenge.text() + QStringLiteral("\nGesamtgewinn: %1\n").arg(a.gesamtText.value_or(QString())))
               .toUtf8();
    return aus;
}

} // namespace

QByteArray AuswertenAusgeben(const Aufruf& aufruf) {
    std::optional<core::Spielschein> schein = ScheinLesen(aufruf.argumente[0]);
    const Eingaben e = EingabenLesen(aufruf);

    const core::Auswertung a =
        core::Auswerten(schein->tabelle, e.gewinnreihe.Menge, e.boxen[7], e.quoten, aufruf.nachRang);
    if (!a.fehler.isEmpty())
        throw core::Fehler(a.fehler);
    return aufruf.json ? json(schein->tabelle, e, a) : text(*schein, e, a);
}

} // namespace cli
