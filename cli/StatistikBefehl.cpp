#include "StatistikBefehl.h"

#include "Aufruf.h"
#include "Aufruffehler.h"
#include "Auswertungseingaben.h"
#include "GewinnreiheBefehl.h"
#include "Json.h"
#include "Rangausgabe.h"
#include "Textspalten.h"

#include "core/grund/Systemname.h"
#include "core/grund/Zahlformat.h"
#include "core/statistik/Reihenmasken.h"
#include "core/statistik/Statistik.h"

namespace cli {
namespace {

const QString OrdnerOption = QStringLiteral("ordner");

// A message of several lines, as one line of a list.
QString einzeilig(QString text) {
    return text.replace(QStringLiteral("\n\n"), QStringLiteral(" ")).replace(u'\n', u' ');
}

QByteArray json(const core::Spieltagsstatistik& st) {
    QList<QByteArray> spieltage;
    for (const core::SpieltagsAuswertung& s : st.spieltage)
        spieltage.append(JsonObjekt({{"datei", JsonWert(s.datei)},
                                     {"datum", JsonWert(s.datum)},
                                     {"gewinnreihe", JsonWert(GewinnreiheJson(s.gewinnreihe))},
                                     {"raenge", JsonWert(RaengeJson(s.auswertung))},
                                     {"gesamt", JsonWert(GesamtText(s.auswertung))}}));
    QList<QByteArray> uebersprungen;
    for (const core::Uebersprungen& u : st.uebersprungen)
        uebersprungen.append(JsonObjekt({{"datei", JsonWert(u.datei)}, {"grund", JsonWert(u.grund)}}));
    QList<QByteArray> haeufigkeit;
    for (const core::Zahlhaeufigkeit& h : st.haeufigkeit)
        haeufigkeit.append(JsonObjekt({{"zahl", QByteArray::number(h.zahl)},
                                       {"gewinnzahl", QByteArray::number(h.gewinnzahl)},
                                       {"zusatzzahl", QByteArray::number(h.zusatzzahl)},
                                       {"fehlt_seit", QByteArray::number(h.fehltSeit)}}));
    return JsonObjekt({{"spieltage", JsonListe(spieltage)},
                       {"uebersprungen", JsonListe(uebersprungen)},
                       {"haeufigkeit", JsonListe(haeufigkeit)}}) +
           '\n';
}

QString text(const core::Spielschein& schein, const QString& ordner, const core::Spieltagsstatistik& st) {
    QString aus = QStringLiteral("Spielschein:  %1, %2 Reihen\n").arg(schein.dateiname).arg(schein.zeilen);
    aus += QStringLiteral("Spieltage:    %1 ausgewertet, %2 übersprungen (%3)\n\n")
               .arg(st.spieltage.size())
               .arg(st.uebersprungen.size())
               .arg(ordner);
    using A = Textspalten::Ausrichtung;
    if (st.spieltage.empty()) {
        aus += QStringLiteral("Kein Spieltag wurde ausgewertet.\n");
    } else {
        Textspalten tage({A::Links, A::Links, A::Links, A::Links, A::Rechts, A::Rechts, A::Rechts, A::Rechts,
                          A::Rechts, A::Rechts, A::Rechts});
        tage.zeile(QStringList{QStringLiteral("Datum"), QStringLiteral("Datei"),
                               QStringLiteral("Gewinnreihe"), QStringLiteral("Quoten")} +
                   RangKoepfe() + QStringList{QStringLiteral("Gewinn")});
        double gesamt = 0;
        for (const core::SpieltagsAuswertung& s : st.spieltage) {
            tage.zeile(QStringList{s.datum, s.datei, GewinnreiheText(s.boxen),
                                   s.quotenDatei.isEmpty() ? QStringLiteral("keine") : s.quotenDatei} +
                       RangAnzahlen(s.auswertung) + QStringList{s.auswertung.gesamtText.value_or(QString())});
            gesamt += s.auswertung.gesamt;
        }
        aus += tage.text() + QStringLiteral("\nGesamtgewinn: %1\n").arg(core::Betragstext(gesamt));
    }
    if (!st.uebersprungen.empty()) {
        aus += QStringLiteral("\nÜbersprungen:\n");
        for (const core::Uebersprungen& u : st.uebersprungen)
            aus += QStringLiteral("  %1: %2\n").arg(u.datei, einzeilig(u.grund));
    }
    Textspalten zahlen({A::Rechts, A::Rechts, A::Rechts, A::Rechts});
    zahlen.zeile({QStringLiteral("Zahl"), QStringLiteral("Gewinnzahl"), QStringLiteral("Zusatzzahl"),
                  QStringLiteral("fehlt seit")});
    for (const core::Zahlhaeufigkeit& h : st.haeufigkeit)
        zahlen.zeile({QString::number(h.zahl), QString::number(h.gewinnzahl), QString::number(h.zusatzzahl),
                      QString::number(h.fehltSeit)});
    return aus + u'\n' + zahlen.text();
}

void pruefen(const Aufruf& aufruf) {
    if (!aufruf.gesetzt(OrdnerOption))
        throw Aufruffehler(
            QStringLiteral("\"statistik\" nimmt die Spieltage aus einem Ordner: --ordner ORDNER."));
}

QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe&) {
    const QString ordner = aufruf.wert(OrdnerOption);
    const core::Spielschein schein = ScheinLesen(aufruf.argumente[0]);
    const core::Spieltagsstatistik st =
        core::StatistikErstellen(core::Reihenmasken::aus(schein.tabelle), ordner);
    return aufruf.json ? json(st) : text(schein, core::NameZumZeigen(ordner), st).toUtf8();
}

} // namespace

Befehl StatistikBefehl() {
    return {
        .name = QStringLiteral("statistik"),
        .optionen = {{{OrdnerOption},
                      QStringLiteral("ORDNER"),
                      QStringLiteral("der Ordner mit den Spieltagen für \"statistik\"")}},
        .argumente = {QStringLiteral("der Spielschein"), QStringLiteral("eine Datei")},
        .pruefen = pruefen,
        .verwendung = QStringLiteral("statistik SCHEIN --ordner ORDNER"),
        .beschreibung =
            QStringLiteral("prüft den Spielschein gegen jeden Spieltag (*.sp45) des Ordners, jeden mit\n"
                           "den Quoten TT.MM.JJJJ.quo daneben, wenn es sie gibt; zählt, wie oft jede Zahl\n"
                           "Gewinnzahl und Zusatzzahl war und seit wie vielen Spieltagen sie fehlt"),
        .ausfuehren = ausfuehren,
    };
}

} // namespace cli
