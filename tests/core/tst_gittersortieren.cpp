#include "core/grund/Fehler.h"
#include "core/schein/GitterSortieren.h"
#include "core/schein/TippsText.h"
#include "core/schein/Zeilentabelle.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

#include <QRandomGenerator>

#include <algorithm>

using namespace core;
using testhilfe::spalte;

namespace {

// Rows with a padded label in column 0, an id in column 1 and the key in column 8.
Zeilentabelle mitSchluesseln(const QStringList& schluessel) {
    Zeilentabelle t(9, int(schluessel.size()) + 1);
    t.setText(0, 0, u"Reihe");
    t.setText(0, 1, u"   1");
    for (int r = 1; r <= schluessel.size(); ++r) {
        t.setText(r, 0, QString(r < 10 ? 3 : 2, u' ') + QString::number(r));
        t.setText(r, 1, QStringLiteral("id%1").arg(r));
        t.setText(r, 8, schluessel[r - 1]);
    }
    return t;
}

QStringList alleZellen(const Zeilentabelle& t) {
    QStringList s;
    for (int r = 0; r < t.zeilen(); ++r)
        for (int c = 0; c < t.spalten(); ++c)
            s.append(t.text(r, c));
    return s;
}

} // namespace

class TstGitterSortieren : public QObject {
    Q_OBJECT
private slots:
    void sortieren_data() {
        QTest::addColumn<QStringList>("schluessel");
        QTest::addColumn<bool>("absteigend");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("Ränge") << QStringList{"4", "10", "1", "12", "4"} << false
                               << QStringList{"id3", "id1", "id5", "id2", "id4"};
        QTest::newRow("absteigend") << QStringList{"4", "10", "1", "12", "4"} << true
                                    << QStringList{"id4", "id2", "id1", "id5", "id3"};
        QTest::newRow("Texte mit Blanks und Vorzeichen")
            << QStringList{"  7", "+3", "-2", "012"} << false << QStringList{"id3", "id2", "id1", "id4"};
        QTest::newRow("weite Schlüssel") << QStringList{"100000", "-5", "70000", "3", "-5"} << false
                                         << QStringList{"id2", "id5", "id4", "id3", "id1"};
        QTest::newRow("weite Schlüssel absteigend") << QStringList{"100000", "-5", "70000", "3", "-5"} << true
                                                    << QStringList{"id1", "id3", "id4", "id2", "id5"};
        QTest::newRow("Grenzen") << QStringList{"2147483647", "-2147483648", "0"} << false
                                 << QStringList{"id2", "id3", "id1"};
        QTest::newRow("schon geordnet")
            << QStringList{"1", "1", "2"} << false << QStringList{"id1", "id2", "id3"};
        QTest::newRow("eine Reihe") << QStringList{"5"} << false << QStringList{"id1"};
    }
    void sortieren() {
        QFETCH(QStringList, schluessel);
        QFETCH(bool, absteigend);
        QFETCH(QStringList, ids);
        Zeilentabelle t = mitSchluesseln(schluessel);
        GitterSortieren(t, 8, absteigend);
        QCOMPARE(spalte(t, 1), ids);
        QCOMPARE(t.text(0, 0), QStringLiteral("Reihe"));
        // whole rows moved: label, id and key still belong together
        for (int r = 1; r < t.zeilen(); ++r) {
            const int alt = t.text(r, 1).mid(2).toInt();
            QCOMPARE(t.text(r, 8), schluessel[alt - 1]);
            QCOMPARE(t.text(r, 0).trimmed(), QString::number(alt));
        }
    }

    void rangUndNummer() {
        Zeilentabelle t = mitSchluesseln({"4", "10", "1", "12", "4"});
        const QStringList geladen = alleZellen(t);
        QVERIFY(RangSortieren(t));
        QCOMPARE(spalte(t, 8), QStringList({"1", "4", "4", "10", "12"}));
        QCOMPARE(spalte(t, 1), QStringList({"id3", "id1", "id5", "id2", "id4"}));
        QVERIFY(NummernSortieren(t));
        QCOMPARE(alleZellen(t), geladen);
    }

    void ohneSchluessel() {
        Zeilentabelle t = mitSchluesseln({"", "3", "1"});
        const QStringList vorher = alleZellen(t);
        QVERIFY(!RangSortieren(t));
        QCOMPARE(alleZellen(t), vorher);
        t.setText(1, 0, u"");
        QVERIFY(!NummernSortieren(t));
        Zeilentabelle nurKopf(9, 1);
        QVERIFY(!RangSortieren(nurKopf));
        GitterSortieren(nurKopf, 8, false);
        QCOMPARE(nurKopf.zeilen(), 1);
    }

    void striche() {
        Zeilentabelle t = mitSchluesseln({"---", "x", "1"});
        const QStringList vorher = alleZellen(t);
        GitterSortieren(t, 8, false);
        QCOMPARE(alleZellen(t), vorher);
    }

    void keinIntegerAendertNichts_data() {
        QTest::addColumn<QStringList>("schluessel");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("leerer Schlüssel")
            << QStringList{"4", "10", "", "1"} << "'''' ist kein gültiger Integer-Wert";
        QTest::newRow("Text") << QStringList{"4", "1", "6 Ri.", "1"}
                              << "''6 Ri.'' ist kein gültiger Integer-Wert";
        QTest::newRow("Blank hinten")
            << QStringList{"4", "1", "2 "} << "''2 '' ist kein gültiger Integer-Wert";
        QTest::newRow("zu groß") << QStringList{"4", "2147483648"}
                                 << "''2147483648'' ist kein gültiger Integer-Wert";
        QTest::newRow("Striche später")
            << QStringList{"4", "---"} << "''---'' ist kein gültiger Integer-Wert";
    }
    void keinIntegerAendertNichts() {
        QFETCH(QStringList, schluessel);
        QFETCH(QString, meldung);
        Zeilentabelle t = mitSchluesseln(schluessel);
        const QStringList vorher = alleZellen(t);
        try {
            GitterSortieren(t, 8, false);
            QFAIL("kein Fehler");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(), meldung);
        }
        QCOMPARE(alleZellen(t), vorher);
    }

    // Against std::stable_sort over (key, id) pairs, on narrow and on wide keys.
    void zufall_data() {
        QTest::addColumn<int>("spanne");
        QTest::newRow("Ränge") << 13;
        QTest::newRow("weit") << 1000000;
    }
    void zufall() {
        QFETCH(int, spanne);
        QRandomGenerator zufall(4242);
        for (const bool absteigend : {false, true}) {
            QStringList schluessel;
            std::vector<std::pair<int, int>> paare;
            for (int i = 1; i <= 2000; ++i) {
                const int k = int(zufall.bounded(spanne)) - spanne / 3;
                schluessel.append(QString::number(k));
                paare.emplace_back(k, i);
            }
            std::stable_sort(paare.begin(), paare.end(), [&](const auto& a, const auto& b) {
                return absteigend ? a.first > b.first : a.first < b.first;
            });
            Zeilentabelle t = mitSchluesseln(schluessel);
            GitterSortieren(t, 8, absteigend);
            for (int r = 1; r <= 2000; ++r)
                QCOMPARE(t.text(r, 1), QStringLiteral("id%1").arg(paare[std::size_t(r - 1)].second));
        }
    }

    void kopieren_data() {
        QTest::addColumn<QList<QStringList>>("zeilen");
        QTest::addColumn<QString>("text");
        QTest::newRow("zwei Reihen") << QList<QStringList>{{"3", "11", "17", "24", "38", "45", "6 Ri.", "1"},
                                                           {"1", "2", "3", "4", "5", "6"}}
                                     << "3,11,17,24,38,45\r\n1,2,3,4,5,6\r\n";
        QTest::newRow("leere Reihen") << QList<QStringList>{{}, {}, {}} << ",,,,,\r\n,,,,,\r\n,,,,,\r\n";
        QTest::newRow("Texte wie sie stehen")
            << QList<QStringList>{{" 7", "012", "a,b", "ä", " ", ""}, {"", "5"}}
            << " 7,012,a,b,ä, ,\r\n,5,,,,\r\n";
        QTest::newRow("nur Kopf") << QList<QStringList>{} << "";
        // One and two digits side by side, at the ends of the row and before a longer cell.
        QTest::newRow("Ziffern") << QList<QStringList>{{"9", "10", "0", "99", "1", "45"},
                                                       {"100", "5", "  7", "12345", "99", "9"},
                                                       {"1", "x", "10", "", "7", "100"}}
                                 << "9,10,0,99,1,45\r\n100,5,  7,12345,99,9\r\n1,x,10,,7,100\r\n";
    }
    void kopieren() {
        QFETCH(QList<QStringList>, zeilen);
        QFETCH(QString, text);
        const Zeilentabelle t = testhilfe::tabelleAus(zeilen);
        QCOMPARE(TippsText(t), text);
    }
    // A table with fewer number columns: the missing fields stay empty, the last number ends its field.
    void kopierenSchmal() {
        const Zeilentabelle t = testhilfe::tabelleAus({{"7", "12", "3"}, {"45", "8", "9"}}, 4);
        QCOMPARE(TippsText(t), QStringLiteral("7,12,3,,,\r\n45,8,9,,,\r\n"));
        QCOMPARE(TippsText(t, u';'), QStringLiteral("7;12;3;;;\r\n45;8;9;;;\r\n"));
    }
};

REMISATOR_CORE_TEST_MAIN(TstGitterSortieren)
#include "tst_gittersortieren.moc"
