#include "core/systeme/ZufallsReihenfolge.h"
#include "support/TestMain.h"

#include <algorithm>
#include <set>

class TstZufallsreihenfolge : public QObject {
    Q_OBJECT
private slots:
    // Every number 1..45 exactly once, whatever the seed.
    void permutation_data() {
        QTest::addColumn<std::uint32_t>("seed");
        for (std::uint32_t seed : {0U, 1U, 12345U, 4294967295U})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void permutation() {
        QFETCH(std::uint32_t, seed);
        std::array<int, 45> folge = core::ZufallsReihenfolge(seed);
        std::sort(folge.begin(), folge.end());
        for (int i = 0; i < 45; ++i)
            QCOMPARE(folge[std::size_t(i)], i + 1);
    }

    // The same seed gives the same order; a hundred seeds give a hundred orders.
    void seedBestimmtDieFolge() {
        std::set<std::array<int, 45>> folgen;
        for (std::uint32_t seed = 0; seed < 100; ++seed) {
            QCOMPARE(core::ZufallsReihenfolge(seed), core::ZufallsReihenfolge(seed));
            folgen.insert(core::ZufallsReihenfolge(seed));
        }
        QCOMPARE(folgen.size(), std::size_t(100));
    }

    // Over 45,000 seeds each number lands on each place about 1,000 times. The chi-square sum over
    // the 45 x 45 places has 44 x 44 = 1936 degrees of freedom (standard deviation 62): a fair
    // shuffle stays far below 2,500, while one that never leaves a number in its place (or swaps
    // with any place instead of the later ones) lands far above.
    void gleichverteilt() {
        constexpr int Ziehungen = 45000;
        std::array<std::array<int, 45>, 45> anzahl{};
        for (std::uint32_t seed = 0; seed < Ziehungen; ++seed) {
            const std::array<int, 45> folge = core::ZufallsReihenfolge(seed * 2654435761U);
            for (std::size_t platz = 0; platz < 45; ++platz)
                ++anzahl[std::size_t(folge[platz] - 1)][platz];
        }
        const double erwartet = Ziehungen / 45.0;
        double chi2 = 0;
        for (const auto& zeile : anzahl)
            for (const int n : zeile)
                chi2 += (n - erwartet) * (n - erwartet) / erwartet;
        QVERIFY2(chi2 < 2500, qPrintable(QString::number(chi2)));
    }
};

REMISATOR_CORE_TEST_MAIN(TstZufallsreihenfolge)
#include "tst_zufallsreihenfolge.moc"
