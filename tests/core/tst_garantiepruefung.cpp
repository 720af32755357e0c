#include "core/grund/Fehler.h"
#include "core/systeme/SystemReihen.h"
#include "core/systeme/TSystemDef.h"
#include "core/werkstatt/Garantiepruefung.h"
#include "support/Naivpruefung.h"
#include "support/TestMain.h"

#include <random>

using namespace core;
using testhilfe::Zeile;

namespace {

std::vector<Zeile> katalogZeilen(int index) {
    std::vector<SystemReihe> z;
    SystemReihenErzeugen(index, System(index).Reihen, z);
    std::vector<Zeile> r;
    for (const SystemReihe& x : z)
        r.emplace_back(x.begin(), x.end());
    return r;
}

std::vector<std::uint64_t> masken(const std::vector<Zeile>& zeilen) {
    std::vector<std::uint64_t> m;
    for (const Zeile& z : zeilen) {
        std::uint64_t x = 0;
        for (const int p : z)
            x |= std::uint64_t(1) << (p - 1);
        m.push_back(x);
    }
    return m;
}

std::vector<int> positionen(std::uint64_t maske) {
    std::vector<int> p;
    for (int i = 0; i < 64; ++i)
        if (maske >> i & 1)
            p.push_back(i + 1);
    return p;
}

// `anzahl` random rows over v numbers, some of them twice.
std::vector<Zeile> zufallsZeilen(int v, int anzahl, unsigned saat) {
    std::mt19937 zufall(saat);
    std::vector<Zeile> r;
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0 && zufall() % 7 == 0) {
            r.push_back(r[zufall() % r.size()]);
            continue;
        }
        std::vector<int> alle(static_cast<std::size_t>(v));
        for (int k = 0; k < v; ++k)
            alle[std::size_t(k)] = k + 1;
        std::shuffle(alle.begin(), alle.end(), zufall);
        Zeile z(alle.begin(), alle.begin() + 6);
        std::sort(z.begin(), z.end());
        r.push_back(z);
    }
    return r;
}

} // namespace

class TestGarantiepruefung : public QObject {
    Q_OBJECT

private slots:
    // The sure hits for m = 0..6 of every catalogue system, counted by hand for the full systems
    // (every m-set lies in a row) and by the slow count for the partial ones, which the test
    // repeats.
    void katalog_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("sicher");
        QTest::addColumn<QString>("garantien");
        const char* voll = "2 wenn 2, 3 wenn 3, 4 wenn 4, 5 wenn 5, 6 wenn 6";
        QTest::newRow("007") << 1 << "0 1 2 3 4 5 6" << voll;
        QTest::newRow("008") << 2 << "0 1 2 3 4 5 6" << voll;
        QTest::newRow("009") << 3 << "0 1 2 3 4 5 6" << voll;
        QTest::newRow("010") << 4 << "0 1 2 3 4 5 6" << voll;
        QTest::newRow("011") << 5 << "0 1 2 3 4 5 6" << voll;
        QTest::newRow("012") << 6 << "0 1 2 3 4 5 6" << voll;
        QTest::newRow("013") << 7 << "0 1 2 3 4 5 6" << voll;
        QTest::newRow("9/12") << 8 << "0 1 2 3 4 4 5"
                              << "2 wenn 2, 3 wenn 3, 4 wenn 4, 5 wenn 6";
        QTest::newRow("12/22") << 9 << "0 1 2 3 3 4 4"
                               << "2 wenn 2, 3 wenn 3, 4 wenn 5";
        QTest::newRow("10/30") << 10 << "0 1 2 3 4 4 5"
                               << "2 wenn 2, 3 wenn 3, 4 wenn 4, 5 wenn 6";
        QTest::newRow("11/66") << 11 << "0 1 2 3 4 4 5"
                               << "2 wenn 2, 3 wenn 3, 4 wenn 4, 5 wenn 6";
        QTest::newRow("22/77") << 12 << "0 1 2 3 3 3 3"
                               << "2 wenn 2, 3 wenn 3";
        QTest::newRow("26/130") << 13 << "0 1 2 3 3 3 3"
                                << "2 wenn 2, 3 wenn 3";
        QTest::newRow("12/132") << 14 << "0 1 2 3 4 5 5"
                                << "2 wenn 2, 3 wenn 3, 4 wenn 4, 5 wenn 5";
    }
    void katalog() {
        QFETCH(int, index);
        QFETCH(QString, sicher);
        QFETCH(QString, garantien);
        Garantiepruefung::Optionen o;
        o.verteilung = false;
        const Garantiepruefung::Ergebnis e = Garantiepruefung::katalog(index, o);
        QStringList text;
        for (const int s : e.sicher)
            text << QString::number(s);
        QCOMPARE(text.join(u' '), sicher);
        QStringList g;
        for (const Garantie& x : e.garantien())
            g << x.text();
        QCOMPARE(g.join(QStringLiteral(", ")), garantien);
        const testhilfe::Naiv n = testhilfe::naivPruefen(katalogZeilen(index), System(index).Anzahl, false);
        QCOMPARE(e.sicher, n.sicher);
        QCOMPARE(e.reihen, System(index).Reihen);
        QVERIFY(e.vollstaendig);
    }

    // The rank distribution with the ZS against the slow count, on systems small enough for it.
    void verteilung_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("zufall");
        QTest::newRow("007") << 1 << 0;
        QTest::newRow("9/12") << 8 << 0;
        QTest::newRow("12/22") << 9 << 0;
        QTest::newRow("11/66") << 11 << 0;
        QTest::newRow("12/132") << 14 << 0;
        QTest::newRow("zufällig 14") << 0 << 14;
        QTest::newRow("zufällig 17") << 0 << 17;
    }
    void verteilung() {
        QFETCH(int, index);
        QFETCH(int, zufall);
        const int v = index ? System(index).Anzahl : zufall;
        const std::vector<Zeile> zeilen = index ? katalogZeilen(index) : zufallsZeilen(v, 40, unsigned(v));
        for (const int threads : {1, 2}) {
            Garantiepruefung::Optionen o;
            o.threads = threads;
            const Garantiepruefung::Ergebnis e = Garantiepruefung::pruefen(masken(zeilen), v, o);
            const testhilfe::Naiv n = testhilfe::naivPruefen(zeilen, v, true);
            QCOMPARE(e.faelle, n.faelle);
            QCOMPARE(e.sicher, n.sicher);
            double summe = 0;
            for (int m = 0; m <= 6; ++m)
                summe += e.wahrscheinlichkeit[std::size_t(m)];
            QVERIFY(std::abs(summe - 1.0) < 1e-12);
        }
    }

    // "007" worked out by hand: five winning numbers lie in the two rows that add one of the two
    // other chosen numbers, so the ZS makes "5 + ZS" on 2 of its 39 places; three winning numbers
    // lie in rows with each of the four others.
    void siebenerHandgerechnet() {
        const Garantiepruefung::Ergebnis e = Garantiepruefung::katalog(1);
        QCOMPARE(e.faelle[6][1], std::int64_t(7 * 39));
        QCOMPARE(e.faelle[5][2], std::int64_t(21 * 2));
        QCOMPARE(e.faelle[5][3], std::int64_t(21 * 37));
        QCOMPARE(e.faelle[4][4], std::int64_t(35 * 39));
        QCOMPARE(e.faelle[3][5], std::int64_t(35 * 4));
        QCOMPARE(e.faelle[3][6], std::int64_t(35 * 35));
        QCOMPARE(e.faelle[2][0], std::int64_t(21 * 39));
        QCOMPARE(e.anteil(5, 2), 2.0 / 39.0);
        // 7 of the 8,145,060 draws have all six winning numbers among the seven
        QCOMPARE(e.wahrscheinlichkeit[6], 7.0 / 8145060.0);
        QCOMPARE(e.wahrscheinlichkeit[0], 2760681.0 / 8145060.0); // 38 over 6
        QCOMPARE(e.rangWahrscheinlichkeit(1), 7.0 / 8145060.0);
    }

    // Holes of a guarantee that does not hold: count and the first ones in lexicographic order,
    // whatever the number of threads.
    void loecher_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::addColumn<qint64>("loecher");
        QTest::newRow("22/77 4 wenn 4") << 12 << 4 << 4 << qint64(7315 - 77 * 15);
        QTest::newRow("12/22 4 wenn 4") << 9 << 4 << 4 << qint64(-1);
        QTest::newRow("26/130 4 wenn 6") << 13 << 4 << 6 << qint64(-1);
        QTest::newRow("12/132 6 wenn 6") << 14 << 6 << 6 << qint64(924 - 132);
        QTest::newRow("11/66 4 wenn 4 hält") << 11 << 4 << 4 << qint64(0);
    }
    void loecher() {
        QFETCH(int, index);
        QFETCH(int, t);
        QFETCH(int, m);
        QFETCH(qint64, loecher);
        const std::vector<Zeile> zeilen = katalogZeilen(index);
        const int v = System(index).Anzahl;
        const testhilfe::Naiv n = testhilfe::naivPruefen(zeilen, v, false, t, m, 7);
        if (loecher >= 0) // a Steiner system meets each 4-set in at most one row
            QCOMPARE(n.loecher, loecher);
        for (const int threads : {1, 2}) {
            const Garantiepruefung::Ergebnis e =
                Garantiepruefung::garantiePruefen(masken(zeilen), v, Garantie{t, m}, threads);
            QCOMPARE(e.loecher, n.loecher);
            std::vector<std::vector<int>> erste;
            for (const std::uint64_t l : Garantiepruefung::pruefen(masken(zeilen), v,
                                                                   [&] {
                                                                       Garantiepruefung::Optionen o;
                                                                       o.garantie = Garantie{t, m};
                                                                       o.ersteLoecher = 7;
                                                                       o.threads = threads;
                                                                       return o;
                                                                   }())
                                             .ersteLoecher)
                erste.push_back(positionen(l));
            QCOMPARE(erste, n.ersteLoecher);
            QCOMPARE(e.haelt(Garantie{t, m}), n.loecher == 0);
            QCOMPARE(e.abdeckung(), 1.0 - double(n.loecher) / double(e.mengen()));
        }
    }

    void abbruch() {
        std::atomic<bool> halt{true};
        Garantiepruefung::Optionen o;
        o.abbruch = &halt;
        QVERIFY(!Garantiepruefung::katalog(13, o).vollstaendig);
        halt = false;
        std::vector<double> schritte;
        o.fortschritt = [&](double anteil) { schritte.push_back(anteil); };
        QVERIFY(Garantiepruefung::katalog(13, o).vollstaendig);
        QVERIFY(!schritte.empty());
        QCOMPARE(schritte.back(), 1.0);
        QVERIFY(std::is_sorted(schritte.begin(), schritte.end()));
    }

    void fehler_data() {
        QTest::addColumn<int>("zahlen");
        QTest::addColumn<quint64>("reihe");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 Zahlen") << 0 << quint64(0x3F) << "Ein System braucht 1 bis 45 Zahlen, nicht 0.";
        QTest::newRow("46 Zahlen") << 46 << quint64(0x3F) << "Ein System braucht 1 bis 45 Zahlen, nicht 46.";
        QTest::newRow("Zahl 11 bei 10")
            << 10 << quint64(0x41F)
            << "Reihe 2 enthält eine Zahl, die nicht zu den 10 Zahlen des Systems gehört.";
        QTest::newRow("sieben Zahlen") << 10 << quint64(0x7F) << "Reihe 2 hat mehr als sechs Zahlen.";
    }
    void fehler() {
        QFETCH(int, zahlen);
        QFETCH(quint64, reihe);
        QFETCH(QString, text);
        const std::vector<std::uint64_t> reihen = {0x3F, reihe};
        try {
            Garantiepruefung::pruefen(reihen, zahlen);
            QFAIL("kein Fehler");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(), text);
        }
    }
};

REMISATOR_CORE_TEST_MAIN(TestGarantiepruefung)
#include "tst_garantiepruefung.moc"
