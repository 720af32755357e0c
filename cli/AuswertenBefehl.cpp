#include "AuswertenBefehl.h"

#include "Aufruf.h"
#include "Ausgabe.h"
#include "Eingabedatei.h"
#include "GewinnreiheBefehl.h"
#include "Json.h"
#include "OhneFuellung.h"
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

// What the evaluation works with besides the slip.
struct Eingaben {
    core::TGewinnreihe gewinnreihe;
    core::Boxtexte boxen;
    QString gewinnreiheHerkunft;
    core::TQuoten quoten;
    QString quotenDatei; // empty: no odds were loaded
};

void quotenLaden(const QString& pfad, Eingaben& e) {
    const Eingabedatei datei(pfad);
    const core::Quotendatei quoten = *datei.lesen([](const QString& p) { return core::QuotenLaden(p); });
    e.quoten = quoten.inBoxen(e.quoten);
    if (!quoten.fehler().isEmpty())
        throw core::Fehler(quoten.fehler());
    e.quotenDatei = datei.dateiname();
}

Eingaben eingabenLesen(const Aufruf& aufruf) {
    Eingaben e;
    if (aufruf.spieltag) {
        // As reading a matchday does: derive the winning row, then look for the odds of its date.
        const core::TSpieltag spieltag = SpieltagLesen(*aufruf.spieltag);
        const core::Gewinnreihenermittlung ermittelt = core::GewinnreiheErmitteln(spieltag.Ergebnis);
        e.gewinnreihe = ermittelt.Gewinnreihe;
        e.boxen = ermittelt.Boxen;
        const QString datum = core::DatumText(spieltag.Datum);
        e.gewinnreiheHerkunft = QStringLiteral("Spieltag vom %1").arg(datum);
        // The folder as given, byte for byte: the name is no path Qt could open in every case.
        const QString ordner = aufruf.spieltag->left(aufruf.spieltag->lastIndexOf(u'/') + 1);
        const QString dateiname = ordner + datum + QStringLiteral(".quo");
        if (!aufruf.quoten && !datum.isEmpty() && Eingabedatei::vorhanden(dateiname))
            quotenLaden(dateiname, e);
    } else {
        // As typing into the boxes: box 6 left, then box 7 if it was typed into.
        e.boxen = *aufruf.gewinnreihe;
        core::BoxVerlassen(e.gewinnreihe, e.boxen, 6);
        if (aufruf.mitZs)
            core::BoxVerlassen(e.gewinnreihe, e.boxen, 7);
        e.gewinnreiheHerkunft = QStringLiteral("eingegeben");
    }
    if (aufruf.quoten)
        quotenLaden(*aufruf.quoten, e);
    return e;
}

// The object written by hand around the rows, in the order the keys are documented; the rows
// are too many for one document in memory.
void json(const core::Zeilentabelle& g1, const Eingaben& e, const core::Auswertung& a, Ausgabe& aus) {
    QJsonArray raenge;
    for (std::size_t i = 1; i <= 6; ++i) {
        const std::optional<QString>& betrag = a.betragText[i];
        raenge.append(QJsonObject{{QStringLiteral("gkl"), core::RangText[i]},
                                  {QStringLiteral("anzahl"), a.anzahlText[i] ? a.anzahlText[i]->toInt() : 0},
                                  {QStringLiteral("gewinn"),
                                   betrag && !betrag->isEmpty() ? QJsonValue(*betrag) : QJsonValue::Null}});
    }
    aus.schreiben("{\"gewinnreihe\":" + JsonWert(GewinnreiheJson(e.gewinnreihe)) + ",\"reihen\":");
    ReihenJson(g1, aus);
    aus.schreiben(",\"raenge\":" + JsonWert(raenge) +
                  ",\"gesamt\":" + JsonWert(a.gesamtText.value_or(core::Betragstext(0))) + "}\n");
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

} // namespace

void AuswertenAusgeben(const Aufruf& aufruf, Ausgabe& aus) {
    const Eingabedatei datei(aufruf.argumente[0]);
    const core::Zeilentabelle vorlage(core::G1Spalten::Anzahl);
    std::optional<core::Spielschein> schein =
        datei.lesen([&](const QString& p) { return core::SpielscheinEinlesen(p, vorlage, OhneFuellung()); });
    if (!schein)
        throw core::Fehler(core::LesefehlerText(datei.anzeige(), ENOENT)); // vanished since it was opened
    schein->dateiname = datei.dateiname();
    const Eingaben e = eingabenLesen(aufruf);

    const core::Auswertung a =
        core::Auswerten(schein->tabelle, e.gewinnreihe.Menge, e.boxen[7], e.quoten, aufruf.nachRang);
    if (!a.fehler.isEmpty())
        throw core::Fehler(a.fehler);
    if (aufruf.json)
        json(schein->tabelle, e, a, aus);
    else
        text(*schein, e, a, aus);
}

} // namespace cli
