#include "core/grund/Fehler.h"
#include "core/grund/Konstanten.h"
#include "core/grund/TGewinnreihe.h"
#include "core/grund/Umwandlung.h"
#include "core/grund/Zahlformat.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Spielschein.h"
#include "core/schein/Zeilentabelle.h"
#include "core/systeme/SystemReihen.h"
#include "core/text/Editortabelle.h"
#include "core/text/XStringReplace.h"
#include "support/FesteBreiten.h"
#include "support/TestMain.h"

#include <QBuffer>

using namespace core;

using testhilfe::FesteBreiten;

class TstGrundtypen : public QObject {
    Q_OBJECT
private slots:
    void rangIndex_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::newRow("6 Ri.") << "6 Ri." << 1;
        QTest::newRow("5 + ZS") << "5 + ZS" << 2;
        QTest::newRow("4 Ri.") << "4 Ri." << 4;
        QTest::newRow("3 Ri.") << "3 Ri." << 6;
        QTest::newRow("andere Schreibung") << "4 RI." << 0;
        QTest::newRow("leer") << "" << 0;
        QTest::newRow("Trefferzahl") << "2" << 0;
        QTest::newRow("mit Blank") << " 4 Ri." << 0;
    }
    void rangIndex() {
        QFETCH(QString, text);
        QFETCH(int, index);
        QCOMPARE(RangIndex(text), index);
    }

    void konstanten() {
        QCOMPARE(ProgrammTitel(), QStringLiteral("Remisator 1.3.0.0"));
        QCOMPARE(QuotenBeschriftung(2), QStringLiteral("II: 5 + ZS"));
        QCOMPARE(QuotenBeschriftung(6), QStringLiteral("VI: 3 Ri."));
    }

    void xStringReplace_data() {
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<QString>("alt");
        QTest::addColumn<QString>("neu");
        QTest::addColumn<bool>("alle");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("Tabs zu Kommas") << "1\t2\t3"
                                        << "\t"
                                        << "," << true << "1,2,3";
        QTest::newRow("Kommas löschen") << "1,2,3"
                                        << ","
                                        << "" << true << "123";
        QTest::newRow("keine Überlappung") << "aaa"
                                           << "aa"
                                           << "b" << true << "ba";
        QTest::newRow("nur das erste") << "1,2,3"
                                       << ","
                                       << ";" << false << "1;2,3";
        QTest::newRow("Muster zu lang") << "ab"
                                        << "abc"
                                        << "x" << true << "ab";
        QTest::newRow("Muster fehlt") << "abc"
                                      << "x"
                                      << "y" << true << "abc";
        QTest::newRow("gleiche Muster") << "a.b"
                                        << "."
                                        << "." << true << "a.b";
        QTest::newRow("leere Quelle") << ""
                                      << "."
                                      << "" << true << "";
        QTest::newRow("leeres Muster") << "abc"
                                       << ""
                                       << "x" << true << "abc";
        QTest::newRow("groß/klein zählt") << "aAa"
                                          << "a"
                                          << "b" << true << "bAb";
        QTest::newRow("längeres Ersatzstück") << "1.234.567,80"
                                              << "."
                                              << "--" << true << "1--234--567,80";
        QTest::newRow("am Ende") << "12,"
                                 << ","
                                 << "" << true << "12";
    }
    void xStringReplace() {
        QFETCH(QString, quelle);
        QFETCH(QString, alt);
        QFETCH(QString, neu);
        QFETCH(bool, alle);
        QFETCH(QString, ergebnis);
        QCOMPARE(XStringReplace(quelle, alt, neu, alle ? ErsetzOption::ReplaceAll : ErsetzOptionen()),
                 ergebnis);
    }

    void ganzzahl_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<int>("wert");
        QTest::newRow("einfach") << "12" << true << 12;
        QTest::newRow("führende Blanks") << "   7" << true << 7;
        QTest::newRow("plus") << "+5" << true << 5;
        QTest::newRow("minus") << "-13" << true << -13;
        QTest::newRow("führende Null") << "012" << true << 12;
        QTest::newRow("größter Wert") << "2147483647" << true << 2147483647;
        QTest::newRow("kleinster Wert") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("zu groß") << "2147483648" << false << 0;
        QTest::newRow("viel zu groß") << "99999999999999999999" << false << 0;
        QTest::newRow("leer") << "" << false << 0;
        QTest::newRow("nur Blank") << " " << false << 0;
        QTest::newRow("Blank hinten") << "12 " << false << 0;
        QTest::newRow("Buchstaben") << "abc" << false << 0;
        QTest::newRow("Komma") << "2,1" << false << 0;
        QTest::newRow("nur Zeichen") << "-" << false << 0;
        QTest::newRow("Tab vorne") << "\t3" << false << 0;
        QTest::newRow("NUL danach") << QString::fromUtf16(u"  -214\0\0", 8) << false << 0;
    }
    void ganzzahl() {
        QFETCH(QString, text);
        QFETCH(bool, gueltig);
        QFETCH(int, wert);
        const auto ergebnis = AlsGanzzahl(text);
        QCOMPARE(ergebnis.has_value(), gueltig);
        if (gueltig)
            QCOMPARE(*ergebnis, wert);
    }

    void umwandlungsfehler() {
        try {
            StrToInt(u"2,1");
            QFAIL("keine Ausnahme");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(), QStringLiteral("''2,1'' ist kein gültiger Integer-Wert"));
        }
        QCOMPARE(KeinGleitkommaText(u"1,2,3"), QStringLiteral("'1,2,3' ist kein gültiger Gleitkommawert"));
        QCOMPARE(ListenindexText(5), QStringLiteral("Listenindex überschreitet das Maximum (5)"));
    }

    // A field is quoted with at most 40 characters; a longer one is cut and marked.
    void feldZitat_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("integer");
        QTest::addColumn<QString>("gleitkomma");
        const QString vierzig = QString(39, u'7') + u'x';
        QTest::newRow("kurz") << "abc"
                              << "''abc'' ist kein gültiger Integer-Wert"
                              << "'abc' ist kein gültiger Gleitkommawert";
        QTest::newRow("genau 40") << vierzig << "''" + vierzig + "'' ist kein gültiger Integer-Wert"
                                  << "'" + vierzig + "' ist kein gültiger Gleitkommawert";
        QTest::newRow("41") << vierzig + u'y' << "''" + vierzig + "…'' ist kein gültiger Integer-Wert"
                            << "'" + vierzig + "…' ist kein gültiger Gleitkommawert";
        QTest::newRow("eine Million") << QString(1000000, u'1') + u'x'
                                      << "''" + QString(40, u'1') + "…'' ist kein gültiger Integer-Wert"
                                      << "'" + QString(40, u'1') + "…' ist kein gültiger Gleitkommawert";
        // U+1F600 takes two UTF-16 units: it is not split at the 40th.
        const QString lachen = QString(39, u'a') + QStringLiteral("\U0001F600") + u'b';
        QTest::newRow("Ersatzpaar an der Grenze")
            << lachen << "''" + QString(39, u'a') + "…'' ist kein gültiger Integer-Wert"
            << "'" + QString(39, u'a') + "…' ist kein gültiger Gleitkommawert";
    }
    void feldZitat() {
        QFETCH(QString, feld);
        QTEST(KeinIntegerText(feld), "integer");
        QTEST(KeinGleitkommaText(feld), "gleitkomma");
        try {
            StrToInt(feld);
            QFAIL("keine Ausnahme");
        } catch (const Fehler& f) {
            QTEST(f.text(), "integer");
        }
    }

    void betrag_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("null") << 0.0 << "0,00";
        QTest::newRow("Tausender") << 1234.5 << "1.234,50";
        QTest::newRow("Millionen") << 1234567.891 << "1.234.567,89";
        QTest::newRow("klein") << 24.2 << "24,20";
        QTest::newRow("genau halb auf") << 0.125 << "0,13";
        QTest::newRow("genau halb ab") << 2.375 << "2,38";
        QTest::newRow("knapp unter halb") << 1.005 << "1,00"; // 1.00499999999999989...
        QTest::newRow("Übertrag") << 999.995 << "1.000,00";
        QTest::newRow("Übertrag Millionen") << 999999.999 << "1.000.000,00";
        QTest::newRow("dreistellig") << 100.0 << "100,00";
        QTest::newRow("negativ") << -1234.5 << "-1.234,50";
        QTest::newRow("negativ halb") << -0.125 << "-0,13";
        QTest::newRow("negativ gerundet null") << -0.001 << "0,00";
        QTest::newRow("groß") << 123456789012.0 << "123.456.789.012,00";
    }
    void betrag() {
        QFETCH(double, wert);
        QFETCH(QString, text);
        QCOMPARE(Betragstext(wert), text);
    }

    void ganzzahltext() {
        QCOMPARE(Ganzzahltext(1716), QStringLiteral("1.716"));
        QCOMPARE(Ganzzahltext(7), QStringLiteral("7"));
        QCOMPARE(Ganzzahltext(999), QStringLiteral("999"));
        QCOMPARE(Ganzzahltext(1000000), QStringLiteral("1.000.000"));
        QCOMPARE(Ganzzahltext(-1716), QStringLiteral("-1.716"));
    }

    void fuellBlanks_data() {
        QTest::addColumn<int>("textbreite");
        QTest::addColumn<int>("nominal");
        QTest::addColumn<int>("blanks");
        // w = round(nominal * 0.7); n = round((w - text) / (2 * 3))
        QTest::newRow("Reihe 34") << 30 << 34 << -1;       // w 24, (24-30)/6 = -1
        QTest::newRow("eine Ziffer 34") << 6 << 34 << 3;   // (24-6)/6 = 3
        QTest::newRow("zwei Ziffern 34") << 12 << 34 << 2; // 2
        QTest::newRow("halb zu gerade 2") << 9 << 34 << 2; // 15/6 = 2.5 -> 2
        QTest::newRow("halb zu gerade 4") << 3 << 34 << 4; // 21/6 = 3.5 -> 4
        QTest::newRow("w halb zu gerade") << 0 << 5 << 1;  // 3.5 -> 4, 4/6 -> 1
        QTest::newRow("w 2.5 zu 2") << 0 << 25 << 3;       // 17.5 -> 18, 18/6 = 3
        QTest::newRow("eine Ziffer 20") << 6 << 20 << 1;   // w 14, 8/6 -> 1
    }
    void fuellBlanks() {
        QFETCH(int, textbreite);
        QFETCH(int, nominal);
        QFETCH(int, blanks);
        QCOMPARE(FuellBlanks(textbreite, nominal, 3), blanks);
    }

    void rechtsbuendig() {
        FesteBreiten mass;
        QCOMPARE(ZahlRechtsbuendig(7, 34, mass), QStringLiteral("   7"));
        QCOMPARE(ZahlRechtsbuendig(12, 34, mass), QStringLiteral("  12"));
        QCOMPARE(TextRechtsbuendig(u"Reihe", 34, mass), QStringLiteral("Reihe"));
        QCOMPARE(TextRechtsbuendig(u"GKl.", 50, mass), QStringLiteral("  GKl.")); // w 35, (35-24)/6 -> 2
    }

    // Labels for 34 pixels: round(34 * 0.7) = 24, then (24 - the digits' width) / (2 * 3) blanks,
    // a digit 6 pixels wide, or 4 for a narrow one.
    void zeilennummern_data() {
        QTest::addColumn<bool>("schmaleEins");
        QTest::addColumn<QStringList>("labels"); // of rows 1, 2, 9, 10, 11, 99, 100, 111, 999, 1000, 1200
        QTest::newRow("gleich breite Ziffern")
            << false << QStringList{"   1", "   2", "   9", "  10", "  11", "  99",
                                    " 100", " 111", " 999", "1000", "1200"};
        // 1: 20/6 -> 3; 10: 14/6 -> 2; 11: 16/6 -> 3; 100: 8/6 -> 1; 111: 12/6 = 2; 1000: 2/6 -> 0
        QTest::newRow("schmale Eins") << true << QStringList{"   1", "   2",  "   9", "  10", "   11", "  99",
                                                             " 100", "  111", " 999", "1000", "1200"};
    }
    void zeilennummern() {
        QFETCH(bool, schmaleEins);
        QFETCH(QStringList, labels);
        FesteBreiten mass;
        mass.schmaleEins = schmaleEins;
        Zeilentabelle t(9, 1201);
        ZeilennummernSchreiben(t, 1, 1200, 34, mass);
        QStringList geschrieben;
        for (int r : {1, 2, 9, 10, 11, 99, 100, 111, 999, 1000, 1200})
            geschrieben.append(t.text(r, 0));
        QCOMPARE(geschrieben, labels);
        QVERIFY(t.istLeer(0, 0));
    }

    // The row labels of a read slip, a played system and the editor have the nominal widths 34,
    // 37 and 40: with a blank of 1 pixel, round(w - 6) / 2) blanks for w = 24, 26 and 28.
    void dreiNennbreiten() {
        FesteBreiten mass;
        mass.blank = 1;
        QBuffer text;
        text.setData("1,2,3,4,5,6\r\n");
        QVERIFY(text.open(QIODevice::ReadOnly));
        const Spielschein schein = SpielscheinLesen(text, QStringLiteral("s.txt"), Zeilentabelle(9), mass);
        QCOMPARE(schein.tabelle.text(1, 0), QStringLiteral("         1"));

        Zeilentabelle g1(9, 1);
        std::vector<SystemReihe> reihen;
        std::vector<std::uint8_t> zahlen;
        Zahlenmenge kreuze;
        for (int n = 1; n <= 7; ++n)
            kreuze.hinzufuegen(n);
        SystemAbwickeln(1, kreuze, g1, 37, mass, reihen, zahlen);
        QCOMPARE(g1.text(1, 0), QStringLiteral("          1"));

        QCOMPARE(TippreihenAuslesen(u"1,2,3,4,5,6", mass).tabelle.text(1, 0), QStringLiteral("           1"));
    }

    void zeilentabelleText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("zahl");
        QTest::newRow("leer") << "" << true;
        QTest::newRow("Zahl") << "45" << true;
        QTest::newRow("Null") << "0" << true;
        QTest::newRow("führende Null") << "012" << false;
        QTest::newRow("Blanks und Zahl") << "   17" << true;
        QTest::newRow("ein Blank") << " " << false;
        QTest::newRow("Blank hinten") << "17 " << false;
        QTest::newRow("Vorzeichen") << "-3" << false;
        QTest::newRow("Rang") << "6 Ri." << false;
        QTest::newRow("groß") << "16777215" << true;
        QTest::newRow("zu groß") << "16777216" << false;
        QTest::newRow("neun Stellen") << "123456789" << false;
        QTest::newRow("Umlaut") << "Größe" << false;
        QTest::newRow("Semikolonzeile") << "1;2;3;4;5;6" << false;
    }
    void zeilentabelleText() {
        QFETCH(QString, text);
        QFETCH(bool, zahl);
        Zeilentabelle t(9, 3);
        t.setText(2, 5, text);
        QCOMPARE(t.text(2, 5), text);
        QCOMPARE(t.istLeer(2, 5), text.isEmpty());
        QCOMPARE(t.poolGroesse(), std::size_t(zahl ? 0 : 1));
        t.setText(1, 1, text);
        QCOMPARE(t.poolGroesse(), std::size_t(zahl ? 0 : 1)); // the same text shares one entry
    }

    void zeilentabelleForm() {
        Zeilentabelle t(3, 2);
        t.setText(1, 0, u"a");
        t.setText(1, 2, u"7");
        t.setZeilen(5);
        QCOMPARE(t.zeilen(), 5);
        QCOMPARE(t.text(1, 0), QStringLiteral("a"));
        QVERIFY(t.istLeer(4, 2));
        t.setZeilen(1);
        t.setZeilen(2);
        QVERIFY(t.istLeer(1, 2)); // rows cut off come back empty
        t.zuruecksetzen(3);
        QCOMPARE(t.poolGroesse(), std::size_t(0));
        QCOMPARE(t.zeilen(), 3);
    }

    void zeilentabelleUmordnen() {
        Zeilentabelle t(2, 5);
        for (int r = 1; r < 5; ++r) {
            t.setText(r, 0, QString::number(r));
            t.setText(r, 1, QStringLiteral("z%1").arg(r));
        }
        t.umordnen(1, {3, 1, 4, 2});
        const QStringList erwartet = {"3", "1", "4", "2"};
        for (int r = 1; r < 5; ++r) {
            QCOMPARE(t.text(r, 0), erwartet[r - 1]);
            QCOMPARE(t.text(r, 1), u'z' + erwartet[r - 1]);
        }
        // Only the rows named move; the rows around them stay.
        t.umordnen(2, {3, 2});
        const QStringList teilweise = {"3", "4", "1", "2"};
        for (int r = 1; r < 5; ++r)
            QCOMPARE(t.text(r, 0), teilweise[r - 1]);
    }

    // Rows swapped in place: every cycle of the order closed, with either width of copying.
    void umordnenZyklen_data() {
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("ab");
        QTest::addColumn<QList<int>>("ordnung");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("gleich") << 9 << 1 << QList<int>{1, 2, 3, 4, 5, 6}
                                << QStringList{"1", "2", "3", "4", "5", "6"};
        QTest::newRow("umgekehrt") << 9 << 1 << QList<int>{6, 5, 4, 3, 2, 1}
                                   << QStringList{"6", "5", "4", "3", "2", "1"};
        QTest::newRow("ein Zyklus") << 9 << 1 << QList<int>{2, 3, 4, 5, 6, 1}
                                    << QStringList{"2", "3", "4", "5", "6", "1"};
        QTest::newRow("letzte zuerst")
            << 2 << 1 << QList<int>{6, 1, 2, 3, 4, 5} << QStringList{"6", "1", "2", "3", "4", "5"};
        QTest::newRow("zwei Zyklen, ein Fixpunkt")
            << 2 << 1 << QList<int>{3, 1, 2, 4, 6, 5} << QStringList{"3", "1", "2", "4", "6", "5"};
        QTest::newRow("ab Reihe 3") << 9 << 3 << QList<int>{5, 3, 4}
                                    << QStringList{"1", "2", "5", "3", "4", "6"};
    }
    void umordnenZyklen() {
        QFETCH(int, spalten);
        QFETCH(int, ab);
        QFETCH(QList<int>, ordnung);
        QFETCH(QStringList, erwartet);
        Zeilentabelle t(spalten, 7);
        t.setText(0, spalten - 1, u"Kopf");
        for (int r = 1; r < 7; ++r) {
            t.setText(r, 0, QString::number(r));
            t.setText(r, spalten - 1, QStringLiteral("z%1").arg(r));
        }
        t.umordnen(ab, std::vector<int>(ordnung.begin(), ordnung.end()));
        QCOMPARE(t.text(0, spalten - 1), QStringLiteral("Kopf"));
        for (int r = 1; r < 7; ++r) {
            QCOMPARE(t.text(r, 0), erwartet[r - 1]);
            QCOMPARE(t.text(r, spalten - 1), u'z' + erwartet[r - 1]);
        }
    }

    void zahlenmenge() {
        Zahlenmenge m;
        QVERIFY(m.leer());
        for (int n : {0, 46, 47, 48, 255, -1, 12, 12})
            m.hinzufuegen(n);
        QVERIFY(m.enthaelt(0));
        QVERIFY(m.enthaelt(46));
        QVERIFY(m.enthaelt(47));
        QVERIFY(!m.enthaelt(48));
        QVERIFY(m.enthaelt(12));
        // Six bytes, number n at bit n % 8 of byte n / 8: 0, 12, 46 and 47.
        QCOMPARE(m.bytes(), (std::array<std::uint8_t, 6>{0x01, 0x10, 0, 0, 0, 0xC0}));
        m.entfernen(12);
        QVERIFY(!m.enthaelt(12));
    }

    void gewinnreiheLeeren() {
        TGewinnreihe g;
        g.Menge.hinzufuegen(3);
        g.Zahlen = {3, 0, 0, 0, 0, 0};
        g.ZS = 7;
        g.leeren();
        QVERIFY(g.Menge.leer());
        QCOMPARE(g.Zahlen, (std::array<std::uint8_t, 6>{}));
        QCOMPARE(g.ZS, 0);
    }
};

REMISATOR_CORE_TEST_MAIN(TstGrundtypen)
#include "tst_grundtypen.moc"
