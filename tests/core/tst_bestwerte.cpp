#include "core/grund/Fehler.h"
#include "core/werkstatt/Bestwerte.h"
#include "core/werkstatt/Kombinatorik.h"
#include "support/TestMain.h"

using namespace core;

class TestBestwerte : public QObject {
    Q_OBJECT

private slots:
    // The shipped table: every cell of v = 7..45 and t = 2..5 that the source lists, and its
    // Schönheim column agrees with the bound computed here, cell by cell.
    void mitgeliefert() {
        const Bestwerte& b = Bestwerte::mitgeliefert();
        QCOMPARE(b.alle().size(), std::size_t(152));
        for (const Bestwert& w : b.alle()) {
            QCOMPARE(Kombinatorik::schoenheim(w.v, 6, w.t), std::int64_t(w.schoenheim));
            QVERIFY(w.untere <= w.bester);
        }
        QCOMPARE(b.wert(22, 3)->bester, 77);
        QCOMPARE(b.wert(26, 3)->bester, 130);
        QCOMPARE(b.wert(12, 5)->bester, 132);
        QCOMPARE(b.wert(30, 3)->untere, 210);
        QCOMPARE(b.wert(45, 4)->stand, QStringLiteral("2021-05-04"));
        QVERIFY(!b.wert(42, 5)); // beyond what the source lists
        QVERIFY(!b.wert(6, 2));
    }

    void massstab_data() {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("text");
        QTest::newRow("22 3 wenn 3") << 22 << 3 << 3 << 0 << "Bester bekannter Wert: 77 Reihen";
        QTest::newRow("45 4 wenn 4") << 45 << 4 << 4 << 0 << "Bester bekannter Wert: 12.696 Reihen";
        // no value known: ceil(41/2) = 21, ceil(42*21/3) = 294, ceil(43*294/4) = 3161,
        // ceil(44*3161/5) = 27817, ceil(45*27817/6) = 208628
        QTest::newRow("45 5 wenn 5") << 45 << 5 << 5 << 0 << "Schönheim-Schranke: 208.628 Reihen";
        // one banker: rows of 5 out of 9, ceil(9/5 ceil(8/4 ceil(7/3))) = 11
        QTest::newRow("10 mit Bank") << 10 << 3 << 3 << 1 << "Schönheim-Schranke: 11 Reihen";
        // a row meets 4-sets of 10 in 3 or more for 20*4 + 15 = 95 of the 210; 3 rows at least
        QTest::newRow("10 3 wenn 4")
            << 10 << 3 << 4 << 0
            << "Untere Schranke: 3 Reihen; bester bekannter Wert für 3 wenn 3: 10 Reihen";
    }
    void massstab() {
        QFETCH(int, v);
        QFETCH(int, t);
        QFETCH(int, m);
        QFETCH(int, bank);
        QFETCH(QString, text);
        QCOMPARE(Bestwerte::mitgeliefert().massstab(v, t, m, bank).text(), text);
    }

    void lesen() {
        const Bestwerte b = Bestwerte::lesen(u"# Kopf\r\nv,t,best,lower,schoenheim\r\n\r\n9,4,12,12,11\r\n");
        QCOMPARE(b.alle().size(), std::size_t(1));
        QCOMPARE(b.wert(9, 4)->schoenheim, 11);
        try {
            Bestwerte::lesen(u"v,t,best,lower,schoenheim\n9,4,zwölf,12,11\n");
            QFAIL("gelesen");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(), QStringLiteral("Zeile 2 der Bestwerte: ''zwölf'' ist keine Anzahl."));
        }
        QVERIFY_THROWS_EXCEPTION(Fehler, Bestwerte::lesen(u"v,t\n9,4\n"));
    }
};

REMISATOR_CORE_TEST_MAIN(TestBestwerte)
#include "tst_bestwerte.moc"
