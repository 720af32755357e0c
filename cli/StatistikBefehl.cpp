#include "StatistikBefehl.h"

#include "Aufruf.h"
#include "Aufruffehler.h"
#include "Auswertungseingaben.h"
#include "Datumsangabe.h"
#include "GewinnreiheBefehl.h"
#include "Json.h"
#include "Rangausgabe.h"
#include "Textspalten.h"

#include "core/grund/Systemname.h"
#include "core/grund/Zahlformat.h"
#include "core/statistik/Bilanz.h"
#include "core/statistik/Reihenmasken.h"
#include "core/statistik/Statistik.h"

namespace cli {
namespace {

const QString OrdnerOption = QStringLiteral("ordner");
const QString EinsatzOption = QStringLiteral("einsatz");
const QString VonOption = QStringLiteral("von");
const QString BisOption = QStringLiteral("bis");
const QString LetzteOption = QStringLiteral("letzte");

// The slip's rows, the stake per row in cents and what came of them.
struct Ergebnis {
    core::Spieltagsstatistik st;
    std::int64_t reihen = 0;
    std::int64_t einsatzJeReihe = 0;
    core::Bilanz bilanz;
};

QString spieltage(int n) {
    return n == 1 ? QStringLiteral("1 Spieltag") : QStringLiteral("%1 Spieltage").arg(n);
}

// A message of several lines, as one line of a list.
QString einzeilig(QString text) {
    return text.replace(QStringLiteral("\n\n"), QStringLiteral(" ")).replace(u'\n', u' ');
}

QByteArray json(const Ergebnis& e) {
    const core::Spieltagsstatistik& st = e.st;
    QList<QByteArray> spieltage;
    for (std::size_t i = 0; i < st.spieltage.size(); ++i) {
        const core::SpieltagsAuswertung& s = st.spieltage[i];
        const core::Bilanzzeile& b = e.bilanz.spieltage[i];
        spieltage.append(JsonObjekt({{"datei", JsonWert(s.datei)},
                                     {"datum", JsonWert(s.datum)},
                                     {"gewinnreihe", JsonWert(GewinnreiheJson(s.gewinnreihe))},
                                     {"raenge", JsonWert(RaengeJson(s.auswertung))},
                                     {"gesamt", JsonWert(GesamtText(s.auswertung))},
                                     {"einsatz", JsonWert(core::Betragstext(b.einsatz))},
                                     {"netto", JsonWert(core::Betragstext(b.netto))},
                                     {"bilanz", JsonWert(core::Betragstext(b.bilanz))}}));
    }
    QList<QByteArray> uebersprungen;
    for (const core::Uebersprungen& u : st.uebersprungen)
        uebersprungen.append(JsonObjekt({{"datei", JsonWert(u.datei)}, {"grund", JsonWert(u.grund)}}));
    QList<QByteArray> haeufigkeit;
    for (const core::Zahlhaeufigkeit& h : st.haeufigkeit)
        haeufigkeit.append(JsonObjekt({{"zahl", QByteArray::number(h.zahl)},
                                       {"gewinnzahl", QByteArray::number(h.gewinnzahl)},
                                       {"zusatzzahl", QByteArray::number(h.zusatzzahl)},
                                       {"fehlt_seit", QByteArray::number(h.fehltSeit)}}));
    const core::Bilanz& b = e.bilanz;
    const QByteArray summe =
        JsonObjekt({{"reihen", QByteArray::number(e.reihen)},
                    {"einsatz_je_reihe", JsonWert(core::Betragstext(double(e.einsatzJeReihe) / 100.0))},
                    {"einsatz", JsonWert(core::Betragstext(b.einsatz))},
                    {"gewinn", JsonWert(core::Betragstext(b.gewinn))},
                    {"netto", JsonWert(core::Betragstext(b.netto))},
                    {"bilanz", JsonWert(core::Betragstext(b.netto))},
                    {"rendite", b.rendite ? JsonWert(core::Betragstext(*b.rendite)) : QByteArray("null")},
                    {"ohne_gewinn", QByteArray::number(b.ohneGewinn)}});
    return JsonObjekt({{"spieltage", JsonListe(spieltage)},
                       {"uebersprungen", JsonListe(uebersprungen)},
                       {"haeufigkeit", JsonListe(haeufigkeit)},
                       {"summe", summe}}) +
           '\n';
}

QString text(const core::Spielschein& schein, const QString& ordner, const Ergebnis& e, bool mitEinsatz) {
    const core::Spieltagsstatistik& st = e.st;
    QString aus = QStringLiteral("Spielschein:  %1, %2 Reihen\n").arg(schein.dateiname).arg(schein.zeilen);
    aus += QStringLiteral("Spieltage:    %1 ausgewertet, %2 übersprungen (%3)\n\n")
               .arg(st.spieltage.size())
               .arg(st.uebersprungen.size())
               .arg(ordner);
    using A = Textspalten::Ausrichtung;
    if (st.spieltage.empty()) {
        aus += QStringLiteral("Kein Spieltag wurde ausgewertet.\n");
    } else {
        QList<A> ausrichtung{A::Links,  A::Links,  A::Links,  A::Links,  A::Rechts, A::Rechts,
                             A::Rechts, A::Rechts, A::Rechts, A::Rechts, A::Rechts};
        QStringList kopf = QStringList{QStringLiteral("Datum"), QStringLiteral("Datei"),
                                       QStringLiteral("Gewinnreihe"), QStringLiteral("Quoten")} +
                           RangKoepfe() + QStringList{QStringLiteral("Gewinn")};
        if (mitEinsatz) {
            ausrichtung << A::Rechts << A::Rechts << A::Rechts;
            kopf << QStringLiteral("Einsatz") << QStringLiteral("Netto") << QStringLiteral("Bilanz");
        }
        Textspalten tage(ausrichtung);
        tage.zeile(kopf);
        for (std::size_t i = 0; i < st.spieltage.size(); ++i) {
            const core::SpieltagsAuswertung& s = st.spieltage[i];
            QStringList zeile =
                QStringList{s.datum, s.datei, GewinnreiheText(s.boxen),
                            s.quotenDatei.isEmpty() ? QStringLiteral("keine") : s.quotenDatei} +
                RangAnzahlen(s.auswertung) + QStringList{s.auswertung.gesamtText.value_or(QString())};
            const core::Bilanzzeile& b = e.bilanz.spieltage[i];
            if (mitEinsatz)
                zeile << core::Betragstext(b.einsatz) << core::Betragstext(b.netto)
                      << core::Betragstext(b.bilanz);
            tage.zeile(zeile);
        }
        const core::Bilanz& b = e.bilanz;
        aus += tage.text() + QStringLiteral("\nGesamtgewinn: %1\n").arg(core::Betragstext(b.gewinn));
        if (mitEinsatz)
            aus += QStringLiteral("Einsatz:      %1 (%2 Reihen zu %3 je Spieltag)\n"
                                  "Netto:        %4\n"
                                  "Rendite:      %5\n")
                       .arg(core::Betragstext(b.einsatz), core::Ganzzahltext(e.reihen),
                            core::Betragstext(double(e.einsatzJeReihe) / 100.0), core::Betragstext(b.netto),
                            b.rendite ? core::Betragstext(*b.rendite) + QStringLiteral(" %")
                                      : QStringLiteral("keine (ohne Einsatz)"));
        aus += QStringLiteral("Längste Serie ohne Gewinn: %1\n").arg(spieltage(b.ohneGewinn));
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

// The period of --letzte, --von and --bis; all matchdays without them.
core::Zeitraum zeitraum(const Aufruf& aufruf) {
    core::Zeitraum z;
    if (aufruf.gesetzt(LetzteOption)) {
        bool zahl = false;
        z.letzte = aufruf.wert(LetzteOption).toInt(&zahl);
        if (!zahl || z.letzte < 1)
            throw Aufruffehler(QStringLiteral("--letzte nimmt eine Anzahl von Spieltagen ab 1, nicht \"%1\".")
                                   .arg(aufruf.wert(LetzteOption)));
        z.art = core::Zeitraum::Art::Letzte;
    }
    if (aufruf.gesetzt(VonOption) || aufruf.gesetzt(BisOption)) {
        if (z.art == core::Zeitraum::Art::Letzte)
            throw Aufruffehler(QStringLiteral("--letzte lässt sich nicht mit --von oder --bis verbinden."));
        z.art = core::Zeitraum::Art::VonBis;
        if (aufruf.gesetzt(VonOption))
            z.von = DatumLesen(aufruf.wert(VonOption));
        if (aufruf.gesetzt(BisOption))
            z.bis = DatumLesen(aufruf.wert(BisOption));
    }
    return z;
}

void pruefen(const Aufruf& aufruf) {
    if (!aufruf.gesetzt(OrdnerOption))
        throw Aufruffehler(
            QStringLiteral("\"statistik\" nimmt die Spieltage aus einem Ordner: --ordner ORDNER."));
    zeitraum(aufruf);
}

QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe&) {
    const QString ordner = aufruf.wert(OrdnerOption);
    Ergebnis e;
    // A stake that is no amount is bad data, told before any file is read.
    const bool mitEinsatz = aufruf.gesetzt(EinsatzOption);
    if (mitEinsatz)
        e.einsatzJeReihe = core::EinsatzLesen(aufruf.wert(EinsatzOption));
    const core::Spielschein schein = ScheinLesen(aufruf.argumente[0]);
    const core::Reihenmasken masken = core::Reihenmasken::aus(schein.tabelle);
    e.reihen = masken.reihen();
    e.st = core::ImZeitraum(core::StatistikErstellen(masken, ordner), zeitraum(aufruf));
    e.bilanz = core::BilanzZiehen(e.st.spieltage, e.reihen, e.einsatzJeReihe);
    return aufruf.json ? json(e) : text(schein, core::NameZumZeigen(ordner), e, mitEinsatz).toUtf8();
}

} // namespace

Befehl StatistikBefehl() {
    return {
        .name = QStringLiteral("statistik"),
        .optionen =
            {{{OrdnerOption},
              QStringLiteral("ORDNER"),
              QStringLiteral("der Ordner mit den Spieltagen für \"statistik\"")},
             {{EinsatzOption},
              QStringLiteral("BETRAG"),
              QStringLiteral("der Einsatz je Reihe (0,50), für Einsatz, Netto und Bilanz")},
             {{VonOption}, QStringLiteral("TT.MM.JJJJ"), QStringLiteral("nur Spieltage ab diesem Tag")},
             {{BisOption}, QStringLiteral("TT.MM.JJJJ"), QStringLiteral("nur Spieltage bis zu diesem Tag")},
             {{LetzteOption}, QStringLiteral("N"), QStringLiteral("nur die letzten N Spieltage")}},
        .argumente = {QStringLiteral("der Spielschein"), QStringLiteral("eine Datei")},
        .pruefen = pruefen,
        .verwendung = QStringLiteral("statistik SCHEIN --ordner ORDNER [--einsatz BETRAG]\n"
                                     "[--von TT.MM.JJJJ] [--bis TT.MM.JJJJ] [--letzte N]"),
        .beschreibung =
            QStringLiteral("prüft den Spielschein gegen jeden Spieltag (*.sp45) des Ordners, jeden mit\n"
                           "den Quoten TT.MM.JJJJ.quo daneben, wenn es sie gibt; zählt, wie oft jede Zahl\n"
                           "Gewinnzahl und Zusatzzahl war und seit wie vielen Spieltagen sie fehlt; mit\n"
                           "--einsatz Einsatz, Netto und Bilanz je Spieltag und die Rendite"),
        .ausfuehren = ausfuehren,
    };
}

} // namespace cli
