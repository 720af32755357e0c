#include "ScheineBefehl.h"

#include "Aufruf.h"
#include "Auswertungseingaben.h"
#include "Eingabedatei.h"
#include "GewinnreiheBefehl.h"
#include "Json.h"
#include "OhneFuellung.h"
#include "Rangausgabe.h"
#include "Textspalten.h"

#include "core/grund/Fehler.h"
#include "core/grund/Zahlformat.h"
#include "core/statistik/Statistik.h"

namespace cli {
namespace {

// One slip after the other, each read, evaluated and let go: a slip that cannot be read or whose
// evaluation stops ends the command with its message, for totals over some of the slips would mislead.
std::vector<core::ScheinAuswertung> auswerten(const QStringList& namen, const Eingaben& e) {
    std::vector<core::ScheinAuswertung> scheine;
    for (const QString& name : namen) {
        const Eingabedatei datei(name);
        scheine.push_back(datei.lesen([&](const QString& p) {
            core::ScheinAuswertung s =
                core::ScheinAuswerten(p, e.gewinnreihe.Menge, e.boxen[7], e.quoten, OhneFuellung());
            if (!s.auswertung.fehler.isEmpty())
                throw core::Fehler(QStringLiteral("%1: %2").arg(p, s.fehler));
            if (!s.fehler.isEmpty())
                throw core::Fehler(s.fehler);
            return s;
        }));
        scheine.back().datei = datei.dateiname();
    }
    return scheine;
}

QByteArray json(const Eingaben& e, const std::vector<core::ScheinAuswertung>& scheine) {
    QList<QByteArray> liste;
    for (const core::ScheinAuswertung& s : scheine)
        liste.append(JsonObjekt({{"datei", JsonWert(s.datei)},
                                 {"reihen", QByteArray::number(s.reihen)},
                                 {"raenge", JsonWert(RaengeJson(s.auswertung))},
                                 {"gesamt", JsonWert(GesamtText(s.auswertung))}}));
    return JsonObjekt(
               {{"gewinnreihe", JsonWert(GewinnreiheJson(e.gewinnreihe))}, {"scheine", JsonListe(liste)}}) +
           '\n';
}

QString text(const Eingaben& e, const std::vector<core::ScheinAuswertung>& scheine) {
    QString aus =
        QStringLiteral("Gewinnreihe:  %1 (%2)\n").arg(GewinnreiheText(e.boxen), e.gewinnreiheHerkunft);
    aus += QStringLiteral("Quoten:       %1\n\n")
               .arg(e.quotenDatei.isEmpty() ? QStringLiteral("keine") : e.quotenDatei);
    if (e.gewinnreihe.Menge.leer())
        return aus + QStringLiteral("Die Gewinnreihe ist leer: es wurde nichts ausgewertet.\n");
    using A = Textspalten::Ausrichtung;
    Textspalten tabelle(
        {A::Links, A::Rechts, A::Rechts, A::Rechts, A::Rechts, A::Rechts, A::Rechts, A::Rechts, A::Rechts});
    tabelle.zeile(QStringList{QStringLiteral("Spielschein"), QStringLiteral("Reihen")} + RangKoepfe() +
                  QStringList{QStringLiteral("Gewinn")});
    double gesamt = 0;
    for (const core::ScheinAuswertung& s : scheine) {
        tabelle.zeile(QStringList{s.datei, QString::number(s.reihen)} + RangAnzahlen(s.auswertung) +
                      QStringList{GesamtText(s.auswertung)});
        gesamt += s.auswertung.gesamt;
    }
    return aus + tabelle.text() + QStringLiteral("\nGesamtgewinn: %1\n").arg(core::Betragstext(gesamt));
}

QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe&) {
    const Eingaben e = EingabenLesen(aufruf);
    const std::vector<core::ScheinAuswertung> scheine = auswerten(aufruf.argumente, e);
    return aufruf.json ? json(e, scheine) : text(e, scheine).toUtf8();
}

} // namespace

Befehl ScheineBefehl() {
    return {
        .name = QStringLiteral("scheine"),
        .optionen = EingabeOptionen(),
        .argumente = {QStringLiteral("der Spielschein"), {}},
        .pruefen = EingabenPruefen,
        .verwendung =
            QStringLiteral("scheine SCHEIN... (--spieltag DATEI.sp45 | --gewinnreihe N,N,N,N,N,N [--zs N])\n"
                           "[--quoten DATEI.quo]"),
        .beschreibung =
            QStringLiteral("prüft mehrere Spielscheine gegen eine Gewinnreihe wie \"auswerten\": Anzahl\n"
                           "und Gewinn je Rang und Schein"),
        .ausfuehren = ausfuehren,
    };
}

} // namespace cli
