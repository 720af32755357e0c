#include "AuswertenBefehl.h"

#include "Aufruf.h"
#include "Ausgabe.h"
#include "Auswertungseingaben.h"
#include "Eingabedatei.h"
#include "GewinnreiheBefehl.h"
#include "Json.h"
#include "OhneFuellung.h"
#include "Rangausgabe.h"
#include "Reihenausgabe.h"
#include "Spieltagsdatei.h"
#include "Textspalten.h"

#include "core/grund/DateiFehler.h"
#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/grund/Konstanten.h"
#include "core/grund/Zahlformat.h"
#include "core/schein/Auswertung.h"
#include "core/schein/G1Spalten.h"
#include "core/schein/Spielschein.h"
#include "core/spieltag/GewinnreiheErmitteln.h"

#include <QJsonArray>

#include <cerrno>

namespace cli {
namespace {

const QString NachRangOption = QStringLiteral("nach-rang");

// The object written by hand around the rows, in the order the keys are documented; the rows
// are too many for one document in memory.
void json(const core::Zeilentabelle& g1, const Eingaben& e, const core::Auswertung& a, Ausgabe& aus) {
    aus.schreiben("{\"gewinnreihe\":" + JsonWert(GewinnreiheJson(e.gewinnreihe)) + ",\"reihen\":");
    ReihenJson(g1, aus);
    aus.schreiben(",\"raenge\":" + JsonWert(RaengeJson(a)) + ",\"gesamt\":" + JsonWert(GesamtText(a)) +
                  "}\n");
}

void text(const core::Spielschein& schein, const Eingaben& e, const core::Auswertung& a, Ausgabe& aus) {
    QString kopf = QStringLiteral("Spielschein:  %1, %2 Reihen\n").arg(schein.dateiname).arg(schein.zeilen);
    kopf += QStringLiteral("Gewinnreihe:  %1 (%2)\n").arg(GewinnreiheText(e.boxen), e.gewinnreiheHerkunft);
    kopf += QStringLiteral("Quoten:       %1\n\n")
                .arg(e.quotenDatei.isEmpty() ? QStringLiteral("keine") : e.quotenDatei);
    aus.schreiben(kopf.toUtf8());
    Reihentext(schein.tabelle, aus);
    aus.schreiben('\n');
    if (!a.gelaufen) {
        aus.schreiben("Die Gewinnreihe ist leer: es wurde nichts ausgewertet.\n");
        return;
    }

    using A = Textspalten::Ausrichtung;
    Textspalten raenge({A::Links, A::Rechts, A::Rechts});
    raenge.zeile({QStringLiteral("GKl."), QStringLiteral("Anzahl"), QStringLiteral("Gewinn")});
    for (std::size_t i = 1; i <= 6; ++i)
        raenge.zeile(
            {core::RangText[i], a.anzahlText[i].value_or(QString()), a.betragText[i].value_or(QString())});
    aus.schreiben(
        (raenge.text() + QStringLiteral("\nGesamtgewinn: %1\n").arg(a.gesamtText.value_or(QString())))
            .toUtf8());
}

// The rows can be millions: written as they are made.
QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe& aus) {
    std::optional<core::Spielschein> schein = ScheinLesen(aufruf.argumente[0]);
    const Eingaben e = EingabenLesen(aufruf);

    const core::Auswertung a = core::Auswerten(schein->tabelle, e.gewinnreihe.Menge, e.boxen[7], e.quoten,
                                               aufruf.gesetzt(NachRangOption));
    if (!a.fehler.isEmpty())
        throw core::Fehler(a.fehler);
    if (aufruf.json)
        json(schein->tabelle, e, a, aus);
    else
        text(*schein, e, a, aus);
    return {};
}

} // namespace

Befehl AuswertenBefehl() {
    return {
        .name = QStringLiteral("auswerten"),
        .optionen = EingabeOptionen() << Option{{NachRangOption},
                                                {},
                                                QStringLiteral("die Reihen nach der Auswertung nach "
                                                               "Gewinnklasse sortieren")},
        .argumente = {QStringLiteral("der Spielschein"), QStringLiteral("eine Datei")},
        .pruefen = EingabenPruefen,
        .verwendung =
            QStringLiteral("auswerten SCHEIN (--spieltag DATEI.sp45 | --gewinnreihe N,N,N,N,N,N [--zs N])\n"
                           "[--quoten DATEI.quo] [--nach-rang]"),
        .beschreibung =
            QStringLiteral("prüft jede Tippreihe des Spielscheins gegen die Gewinnreihe: "
                           "Gewinnklasse je\nReihe, Anzahl und Gewinn je Rang und der Gesamtgewinn"),
        .ausfuehren = ausfuehren,
    };
}

} // namespace cli
