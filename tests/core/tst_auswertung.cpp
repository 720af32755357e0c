#include "core/schein/Auswertung.h"
#include "core/schein/Zeilentabelle.h"
#include "core/spieltag/BoxVerlassen.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

#include <QRandomGenerator>

#include <set>

using namespace core;
using testhilfe::spalte;

namespace {

using Zeilen = QList<QStringList>;

Zahlenmenge menge(std::initializer_list<int> zahlen) {
    Zahlenmenge m;
    for (int n : zahlen)
        m.hinzufuegen(n);
    return m;
}

const Zahlenmenge Beispiel = menge({3, 8, 15, 22, 30, 41});

QStringList texte(const std::array<std::optional<QString>, 7>& a) {
    QStringList s;
    for (std::size_t i = 1; i <= 6; ++i)
        s.append(a[i] ? *a[i] : QStringLiteral("<alt>"));
    return s;
}

TQuoten quoten(const QStringList& q) {
    TQuoten t;
    for (int i = 0; i < q.size(); ++i)
        t[std::size_t(i + 1)] = q[i];
    return t;
}

} // namespace

class TstAuswertung : public QObject {
    Q_OBJECT
private slots:
    void rang_data() {
        QTest::addColumn<QStringList>("zeile");
        QTest::addColumn<QList<int>>("gewinn");
        QTest::addColumn<QString>("zs");
        QTest::addColumn<QString>("rang");
        QTest::addColumn<QString>("schluessel");
        const QList<int> b = {3, 8, 15, 22, 30, 41};
        QTest::newRow("6 Ri.") << QStringList{"3", "8", "15", "22", "30", "41"} << b << "12"
                               << "6 Ri."
                               << "1";
        QTest::newRow("5 + ZS") << QStringList{"3", "8", "15", "22", "30", "12"} << b << "12"
                                << "5 + ZS"
                                << "2";
        QTest::newRow("5 Ri.") << QStringList{"3", "8", "15", "22", "30", "13"} << b << "12"
                               << "5 Ri."
                               << "3";
        QTest::newRow("4 Ri. auch mit ZS") << QStringList{"3", "8", "15", "22", "12", "13"} << b << "12"
                                           << "4 Ri."
                                           << "4";
        QTest::newRow("3 + ZS") << QStringList{"3", "8", "15", "12", "13", "14"} << b << "12"
                                << "3 + ZS"
                                << "5";
        QTest::newRow("3 Ri.") << QStringList{"3", "8", "15", "13", "14", "16"} << b << "12"
                               << "3 Ri."
                               << "6";
        QTest::newRow("2 Treffer") << QStringList{"3", "8", "13", "14", "16", "17"} << b << "12"
                                   << "2"
                                   << "12";
        QTest::newRow("2 Treffer mit ZS") << QStringList{"3", "8", "12", "14", "16", "17"} << b << "12"
                                          << "2"
                                          << "12";
        QTest::newRow("1 Treffer") << QStringList{"3", "1", "2", "4", "5", "6"} << b << "12"
                                   << "1"
                                   << "11";
        QTest::newRow("kein Treffer") << QStringList{"1", "2", "4", "5", "6", "7"} << b << "12"
                                      << "0"
                                      << "10";
        QTest::newRow("gleiche Zahlen einmal") << QStringList{"3", "3", "3", "3", "3", "3"} << b << "12"
                                               << "1"
                                               << "11";
        QTest::newRow("012 ist nicht ZS 12") << QStringList{"3", "8", "15", "012", "13", "14"} << b << "12"
                                             << "3 Ri."
                                             << "6";
        QTest::newRow("012 zählt als 12")
            << QStringList{"3", "8", "012", "13", "14", "16"} << QList<int>{3, 8, 12, 22, 30, 41} << ""
            << "3 Ri."
            << "6";
        QTest::newRow("ZS als Text 012") << QStringList{"3", "8", "15", "012", "13", "14"} << b << "012"
                                         << "3 + ZS"
                                         << "5";
        QTest::newRow("Blanks vorn sind nicht ZS")
            << QStringList{"3", "8", "15", " 12", "13", "14"} << b << "12"
            << "3 Ri."
            << "6";
        QTest::newRow("Blanks vorn zählen") << QStringList{"  3", "8", "15", "13", "14", "16"} << b << "12"
                                            << "3 Ri."
                                            << "6";
        // The box's number is a winning number too: the cell is the additional match and no hit.
        QTest::newRow("ZS-Zahl ist auch Gewinnzahl")
            << QStringList{"3", "8", "15", "22", "13", "14"} << b << "15"
            << "3 + ZS"
            << "5";
        QTest::newRow("ZS als beliebiger Text") << QStringList{"3", "8", "15", "x", "13", "14"} << b << "x"
                                                << "3 + ZS"
                                                << "5";
        QTest::newRow("über 47 zählt nicht")
            << QStringList{"3", "8", "15", "22", "48", "100"} << QList<int>{3, 8, 15, 22, 46, 47} << ""
            << "4 Ri."
            << "4";
        QTest::newRow("46 und 47") << QStringList{"3", "8", "15", "22", "46", "47"}
                                   << QList<int>{3, 8, 15, 22, 46, 47} << ""
                                   << "6 Ri."
                                   << "1";
        QTest::newRow("0 ist eine Zahl")
            << QStringList{"0", "8", "15", "13", "14", "16"} << QList<int>{0, 8, 15} << ""
            << "3 Ri."
            << "6";
        QTest::newRow("Vorzeichen") << QStringList{"+3", "-8", "15", "22", "13", "14"} << b << ""
                                    << "3 Ri."
                                    << "6";
        QTest::newRow("leere Zellen sind nicht ZS") << QStringList{"3", "8", "15", "", "", ""} << b << ""
                                                    << "3 Ri."
                                                    << "6";
        QTest::newRow("Blank-Zellen sind nicht ZS") << QStringList{"3", "8", "15", " ", "  ", " "} << b << ""
                                                    << "3 Ri."
                                                    << "6";
        QTest::newRow("Blank-Zellen bei ZS-Blank") << QStringList{"3", "8", "15", " ", "13", "14"} << b << " "
                                                   << "3 Ri."
                                                   << "6";
        QTest::newRow("leere Zellen bei ZS 12") << QStringList{"3", "8", "15", "", " ", "12"} << b << "12"
                                                << "3 + ZS"
                                                << "5";
        QTest::newRow("Zeile aus einem Blank") << QStringList{" "} << b << ""
                                               << "0"
                                               << "10";
    }
    void rang() {
        QFETCH(QStringList, zeile);
        QFETCH(QList<int>, gewinn);
        QFETCH(QString, zs);
        QFETCH(QString, rang);
        QFETCH(QString, schluessel);
        Zahlenmenge m;
        for (int n : gewinn)
            m.hinzufuegen(n);
        Zeilentabelle t = testhilfe::tabelleAus({zeile});
        const Auswertung a = Auswerten(t, m, zs, TQuoten(), false);
        QVERIFY2(a.fehler.isEmpty(), qPrintable(a.fehler));
        QCOMPARE(t.text(1, 7), rang);
        QCOMPARE(t.text(1, 8), schluessel);
        for (int c = 1; c <= 6; ++c)
            QCOMPARE(t.text(1, c), c <= zeile.size() ? zeile[c - 1] : QString());
    }

    void ergebnisgitter_data() {
        QTest::addColumn<Zeilen>("zeilen");
        QTest::addColumn<QStringList>("quoten");
        QTest::addColumn<QStringList>("anzahl");
        QTest::addColumn<QStringList>("betrag");
        QTest::addColumn<QString>("gesamt");
        const QStringList rangIV = {"3", "8", "15", "22", "1", "2"};
        const QStringList rangVI = {"3", "8", "15", "1", "2", "4"};
        const QStringList rangI = {"3", "8", "15", "22", "30", "41"};
        const QStringList niete = {"1", "2", "4", "5", "6", "7"};
        QTest::newRow("ein Rang IV") << Zeilen{rangIV, niete} << QStringList{"", "", "", "1.234,50", "", ""}
                                     << QStringList{"0", "0", "0", "1", "0", "0"}
                                     << QStringList{"", "", "", "1.234,50", "", ""} << "1.234,50";
        QTest::newRow("zwei Rang VI")
            << Zeilen{rangVI, niete, rangVI} << QStringList{"", "", "", "", "", "12,10"}
            << QStringList{"0", "0", "0", "0", "0", "2"} << QStringList{"", "", "", "", "", "24,20"}
            << "24,20";
        QTest::newRow("ohne Quoten") << Zeilen{rangI, rangVI} << QStringList{}
                                     << QStringList{"1", "0", "0", "0", "0", "1"}
                                     << QStringList{"", "", "", "", "", ""} << "0,00";
        QTest::newRow("kein Rang") << Zeilen{niete, niete} << QStringList{"1", "2", "3", "4", "5", "6"}
                                   << QStringList{"0", "0", "0", "0", "0", "0"}
                                   << QStringList{"", "", "", "", "", ""} << "0,00";
        QTest::newRow("ungültige Quote")
            << Zeilen{rangI, rangIV} << QStringList{"12 €", "", "", "-5", "", ""}
            << QStringList{"1", "0", "0", "1", "0", "0"} << QStringList{"", "", "", "", "", ""} << "0,00";
        QTest::newRow("Quote ohne Reihe nicht gelesen")
            << Zeilen{rangIV} << QStringList{"1,2,3", "", "", "10", "", "x,y,z"}
            << QStringList{"0", "0", "0", "1", "0", "0"} << QStringList{"", "", "", "10,00", "", ""}
            << "10,00";
        QTest::newRow("Summe") << Zeilen{rangI, rangIV, rangVI, rangIV}
                               << QStringList{"1.000.000", "5.000", "", "100,5", "", "12"}
                               << QStringList{"1", "0", "0", "2", "0", "1"}
                               << QStringList{"1.000.000,00", "", "", "201,00", "", "12,00"}
                               << "1.000.213,00";
    }
    void ergebnisgitter() {
        QFETCH(Zeilen, zeilen);
        QFETCH(QStringList, quoten);
        QFETCH(QStringList, anzahl);
        QFETCH(QStringList, betrag);
        QFETCH(QString, gesamt);
        Zeilentabelle t = testhilfe::tabelleAus(zeilen);
        const Auswertung a = Auswerten(t, Beispiel, u"12", ::quoten(quoten), false);
        QVERIFY2(a.fehler.isEmpty(), qPrintable(a.fehler));
        QVERIFY(a.gelaufen);
        QCOMPARE(texte(a.anzahlText), anzahl);
        QCOMPARE(texte(a.betragText), betrag);
        QCOMPARE(a.gesamtText.value_or("<alt>"), gesamt);
        for (std::size_t i = 1; i <= 6; ++i)
            QCOMPARE(a.anzahl[i], anzahl[int(i) - 1].toInt());
        QCOMPARE(a.mitRang, anzahl != QStringList({"0", "0", "0", "0", "0", "0"}));
    }

    void ohneGewinnreihe() {
        Zeilentabelle t = testhilfe::tabelleAus({{"3", "8", "15", "22", "30", "41"}, {"abc"}});
        const Auswertung a = Auswerten(t, Zahlenmenge(), u"12", quoten({"10"}), true);
        QVERIFY(!a.gelaufen);
        QVERIFY(a.fehler.isEmpty());
        QVERIFY(!a.gesamtText);
        QCOMPARE(texte(a.anzahlText), QStringList(6, "<alt>"));
        QCOMPARE(spalte(t, 7), QStringList({"", ""}));
    }

    // Rows whose column 1 is empty are passed over and keep columns 7 and 8.
    void leereReihen() {
        Zeilentabelle t = testhilfe::tabelleAus({{"3", "8", "15", "22", "30", "41"},
                                                 {"", "8", "15", "22", "30", "41", "x", "7"},
                                                 {"1", "2", "4", "5", "6", "7"},
                                                 {}});
        const Auswertung a = Auswerten(t, Beispiel, u"", TQuoten(), false);
        QVERIFY(a.fehler.isEmpty());
        QCOMPARE(spalte(t, 7), QStringList({"6 Ri.", "x", "0", ""}));
        QCOMPARE(spalte(t, 8), QStringList({"1", "7", "10", ""}));
    }

    void keinIntegerHaeltAn_data() {
        QTest::addColumn<QString>("zelle");
        QTest::newRow("Buchstaben") << "abc";
        QTest::newRow("Semikolonzeile") << "1;2;3";
        QTest::newRow("Blank hinten") << "12 ";
        QTest::newRow("zu groß") << "99999999999";
    }
    void keinIntegerHaeltAn() {
        QFETCH(QString, zelle);
        Zeilentabelle t = testhilfe::tabelleAus({{"1", "2", "4", "5", "6", "7"},
                                                 {"3", "8", "15", "22", "30", "41"},
                                                 {"3", "8", zelle, "22", "30", "41", "alt", "99"},
                                                 {"3", "8", "15", "22", "30", "41", "alt", "99"}});
        const Auswertung a = Auswerten(t, Beispiel, u"12", quoten({"10"}), true);
        QVERIFY(a.gelaufen);
        QCOMPARE(a.fehler, QStringLiteral("''%1'' ist kein gültiger Integer-Wert").arg(zelle));
        QCOMPARE(spalte(t, 7), QStringList({"0", "6 Ri.", "alt", "alt"}));
        QCOMPARE(spalte(t, 8), QStringList({"10", "1", "99", "99"}));
        QCOMPARE(spalte(t, 0), QStringList({"1", "2", "3", "4"})); // not sorted
        QVERIFY(!a.sortiert);
        QCOMPARE(texte(a.anzahlText), QStringList(6, "<alt>"));
        QCOMPARE(texte(a.betragText), QStringList(6, "<alt>"));
        QVERIFY(!a.gesamtText);
    }

    // The conversion stops at the first odds text it refuses; the ranks before are given.
    void gleitkommaHaeltAn() {
        Zeilentabelle t = testhilfe::tabelleAus({{"3", "8", "15", "22", "30", "41"},
                                                 {"3", "8", "15", "22", "1", "2"},
                                                 {"3", "8", "15", "1", "2", "4"}});
        const Auswertung a =
            Auswerten(t, Beispiel, u"12", quoten({"1.000", "1,2,3", "", "1.2.3,4,5", "", "7"}), false);
        QCOMPARE(a.fehler, QStringLiteral("'123,4,5' ist kein gültiger Gleitkommawert"));
        QCOMPARE(texte(a.anzahlText), QStringList({"1", "0", "0", "1", "<alt>", "<alt>"}));
        QCOMPARE(texte(a.betragText), QStringList({"1.000,00", "", "", "<alt>", "<alt>", "<alt>"}));
        QCOMPARE(a.gesamtText.value_or("<alt>"), QStringLiteral("1.000,00"));
        QCOMPARE(spalte(t, 7), QStringList({"6 Ri.", "4 Ri.", "3 Ri."}));

        Zeilentabelle erster = testhilfe::tabelleAus({{"3", "8", "15", "22", "30", "41"}});
        const Auswertung b = Auswerten(erster, Beispiel, u"12", quoten({"1,,"}), false);
        QCOMPARE(b.fehler, QStringLiteral("'1,,' ist kein gültiger Gleitkommawert"));
        QCOMPARE(texte(b.anzahlText), QStringList({"1", "<alt>", "<alt>", "<alt>", "<alt>", "<alt>"}));
        QVERIFY(!b.gesamtText);
    }

    void nachRangSortiert() {
        const Zeilen zeilen = {{"1", "2", "4", "5", "6", "7"},     {"3", "8", "15", "1", "2", "4"},
                               {"3", "8", "15", "22", "30", "41"}, {"3", "1", "2", "4", "5", "6"},
                               {"3", "8", "15", "22", "30", "12"}, {"3", "9", "15", "1", "2", "4"}};
        Zeilentabelle sortiert = testhilfe::tabelleAus(zeilen);
        const Auswertung a = Auswerten(sortiert, Beispiel, u"12", TQuoten(), true);
        QVERIFY(a.sortiert);
        QCOMPARE(spalte(sortiert, 0), QStringList({"3", "5", "2", "1", "4", "6"}));
        QCOMPARE(spalte(sortiert, 7), QStringList({"6 Ri.", "5 + ZS", "3 Ri.", "0", "1", "2"}));

        Zeilentabelle belassen = testhilfe::tabelleAus(zeilen);
        QVERIFY(!Auswerten(belassen, Beispiel, u"12", TQuoten(), false).sortiert);
        QCOMPARE(spalte(belassen, 0), QStringList({"1", "2", "3", "4", "5", "6"}));
    }

    // Sorting meets a passed-over row without key: the rows keep their new ranks, nothing moves.
    void sortierfehler() {
        Zeilentabelle t =
            testhilfe::tabelleAus({{"1", "2", "4", "5", "6", "7"}, {}, {"3", "8", "15", "22", "30", "41"}});
        const Auswertung a = Auswerten(t, Beispiel, u"12", TQuoten(), true);
        QCOMPARE(a.fehler, QStringLiteral("'''' ist kein gültiger Integer-Wert"));
        QCOMPARE(spalte(t, 7), QStringList({"0", "", "6 Ri."}));
        QVERIFY(!a.gesamtText);
    }

    // Random rows against a reference that works on plain texts and std::set.
    void zufall() {
        QRandomGenerator zufall(20240125);
        const QStringList sonder = {"", " ", "  ", "012", " 7", "+5", "-3", "48", "60", "0"};
        for (int durchgang = 0; durchgang < 40; ++durchgang) {
            std::set<int> gewinn;
            while (gewinn.size() < 6)
                gewinn.insert(int(zufall.bounded(1, 46)));
            Zahlenmenge m;
            for (int n : gewinn)
                m.hinzufuegen(n);
            const QString zs = durchgang % 5 == 0 ? QString() : QString::number(zufall.bounded(1, 46));
            Zeilen zeilen;
            for (int r = 0; r < 300; ++r) {
                QStringList z;
                for (int c = 0; c < 6; ++c) {
                    const int wahl = int(zufall.bounded(12));
                    z.append(wahl < 10 ? QString::number(zufall.bounded(0, 50))
                                       : sonder[int(zufall.bounded(10))]);
                }
                if (z[0].isEmpty())
                    z[0] = QStringLiteral("1");
                zeilen.append(z);
            }
            Zeilentabelle t = testhilfe::tabelleAus(zeilen);
            const Auswertung a = Auswerten(t, m, zs, TQuoten(), false);
            QVERIFY(a.fehler.isEmpty());

            std::array<int, 7> anzahl{};
            for (int r = 0; r < zeilen.size(); ++r) {
                std::set<int> zahlen;
                bool mitZs = false;
                for (const QString& zelle : zeilen[r]) {
                    if (zelle.trimmed().isEmpty())
                        continue;
                    if (zelle == zs) {
                        mitZs = true;
                        continue;
                    }
                    const int n = zelle.trimmed().toInt();
                    if (n >= 0 && n <= 47)
                        zahlen.insert(n);
                }
                int treffer = 0;
                for (int n : zahlen)
                    treffer += int(gewinn.count(n));
                QString rang = QString::number(treffer);
                QString schluessel = QString::number(10 + treffer);
                int index = 0;
                if (treffer == 6)
                    index = 1;
                else if (treffer == 5)
                    index = mitZs ? 2 : 3;
                else if (treffer == 4)
                    index = 4;
                else if (treffer == 3)
                    index = mitZs ? 5 : 6;
                const QStringList namen = {"", "6 Ri.", "5 + ZS", "5 Ri.", "4 Ri.", "3 + ZS", "3 Ri."};
                if (index > 0) {
                    rang = namen[index];
                    schluessel = QString::number(index);
                }
                ++anzahl[std::size_t(index)];
                QCOMPARE(t.text(r + 1, 7), rang);
                QCOMPARE(t.text(r + 1, 8), schluessel);
            }
            for (std::size_t i = 1; i <= 6; ++i)
                QCOMPARE(a.anzahl[i], anzahl[i]);
        }
    }

    // Leaving a winning-row box: the boxes' texts, the box left, then Menge, Zahlen and ZS.
    void boxVerlassen_data() {
        QTest::addColumn<QStringList>("boxen");
        QTest::addColumn<int>("box");
        QTest::addColumn<QList<int>>("mengeErwartet");
        QTest::addColumn<QList<int>>("zahlenErwartet");
        QTest::addColumn<int>("zsErwartet");
        const QStringList leer7(7);
        QTest::newRow("7 12 12") << QStringList{"7", "12", "12", "", "", "", "9"} << 3 << QList<int>{7, 12}
                                 << QList<int>{7, 12, 12, 0, 0, 0} << 99;
        QTest::newRow("46 47 48") << QStringList{"46", "47", "48", "", "", "", ""} << 1 << QList<int>{46, 47}
                                  << QList<int>{46, 47, 48, 0, 0, 0} << 99;
        QTest::newRow("Lücke") << QStringList{"", "5", "", "07", "", "", ""} << 6 << QList<int>{5, 7}
                               << QList<int>{0, 5, 0, 7, 0, 0} << 99;
        QTest::newRow("null") << QStringList{"0", "", "", "", "", "", ""} << 2 << QList<int>{0}
                              << QList<int>{0, 0, 0, 0, 0, 0} << 99;
        // Box 7 leaves Menge and Zahlen as they were: 44 in box 1 before.
        QTest::newRow("ZS") << QStringList{"1", "2", "3", "", "", "", "12"} << 7 << QList<int>{44}
                            << QList<int>{44, 0, 0, 0, 0, 0} << 12;
        QTest::newRow("ZS leer") << leer7 << 7 << QList<int>{44} << QList<int>{44, 0, 0, 0, 0, 0} << 0;
    }
    void boxVerlassen() {
        QFETCH(QStringList, boxen);
        QFETCH(int, box);
        QFETCH(QList<int>, mengeErwartet);
        QFETCH(QList<int>, zahlenErwartet);
        QFETCH(int, zsErwartet);
        Boxtexte texte;
        for (int i = 1; i <= 7; ++i)
            texte[std::size_t(i)] = boxen[i - 1];
        // What the boxes held before: the box left changes only its part of it.
        TGewinnreihe reihe;
        reihe.Menge.hinzufuegen(44);
        reihe.Zahlen[0] = 44;
        reihe.ZS = 99;
        BoxVerlassen(reihe, texte, box);
        QList<int> m;
        for (int n = 0; n <= 47; ++n)
            if (reihe.Menge.enthaelt(n))
                m.append(n);
        QCOMPARE(m, mengeErwartet);
        QCOMPARE(QList<int>(reihe.Zahlen.begin(), reihe.Zahlen.end()), zahlenErwartet);
        QCOMPARE(reihe.ZS, zsErwartet);
    }

    void boxNimmt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("nimmt");
        QTest::newRow("leer") << "" << true;
        QTest::newRow("7") << "7" << true;
        QTest::newRow("07") << "07" << true;
        QTest::newRow("99") << "99" << true;
        QTest::newRow("100") << "100" << false;
        QTest::newRow("-1") << "-1" << false;
        QTest::newRow("Blank") << " 5" << false;
        QTest::newRow("Buchstabe") << "a" << false;
        QTest::newRow("arabische Ziffer") << QString(QChar(0x0663)) << false;
    }
    void boxNimmt() {
        QFETCH(QString, text);
        QFETCH(bool, nimmt);
        QCOMPARE(BoxNimmt(text), nimmt);
    }
};

REMISATOR_CORE_TEST_MAIN(TstAuswertung)
#include "tst_auswertung.moc"
