#include "core/grund/Dreibyteindex.h"
#include "core/grund/Grossfeld.h"
#include "core/grund/Grossspeicher.h"
#include "core/schein/Zeilentabelle.h"
#include "support/Prozessmass.h"
#include "support/TestMain.h"

#include <QFile>

#include <cstdint>
#include <numeric>

using namespace core;

namespace {

using Feld = Grossfeld<std::uint32_t>;

bool nullen(const Feld& f, std::size_t von, std::size_t bis) {
    return std::all_of(f.begin() + von, f.begin() + bis, [](std::uint32_t x) { return x == 0; });
}

} // namespace

class TstGrossspeicher : public QObject {
    Q_OBJECT

private slots:
    // On both sides of the size from which blocks are mapped on their own, and with a tail
    // beyond the last whole huge page: new elements are zero, kept ones stay, also where a
    // shorter size left old values behind.
    void wachsenUndSchrumpfen_data() {
        QTest::addColumn<qsizetype>("anzahl");
        QTest::newRow("eins") << qsizetype(1);
        QTest::newRow("klein") << qsizetype(1000);
        QTest::newRow("knapp unter 1 MiB") << qsizetype((1 << 18) - 1);
        QTest::newRow("1 MiB") << qsizetype(1 << 18);
        QTest::newRow("3,5 MiB") << qsizetype(7 << 17);
    }
    void wachsenUndSchrumpfen() {
        QFETCH(qsizetype, anzahl);
        const auto n = std::size_t(anzahl);
        Feld f(n);
        QCOMPARE(f.size(), n);
        QVERIFY(nullen(f, 0, n));
        std::iota(f.begin(), f.end(), 1U);

        f.resize(n / 2);
        f.resize(n);
        QCOMPARE(f[n / 2 - (n > 1 ? 1 : 0)], n > 1 ? std::uint32_t(n / 2) : 0U);
        QVERIFY(nullen(f, n / 2, n));

        f.resize(2 * n + 3);
        QCOMPARE(f.size(), 2 * n + 3);
        QVERIFY(nullen(f, n / 2, 2 * n + 3));
        QCOMPARE(f[0], n > 1 ? 1U : 0U);

        Feld kopie = f;
        kopie[0] = 99;
        QCOMPARE(kopie.size(), f.size());
        QVERIFY(std::equal(f.begin() + 1, f.end(), kopie.begin() + 1));
        QCOMPARE(f[0], n > 1 ? 1U : 0U);

        Feld bewegt = std::move(kopie);
        QCOMPARE(kopie.size(), std::size_t(0));
        QCOMPARE(bewegt[0], 99U);

        bewegt.nullen(n);
        QCOMPARE(bewegt.size(), n);
        QVERIFY(nullen(bewegt, 0, n));
        bewegt.resize(2 * n + 3);
        QVERIFY(nullen(bewegt, 0, 2 * n + 3));
    }

    // A block cut or grown to just a size, across the size from which blocks are mapped: what
    // it held stays up to the smaller size, what is new is zero, and it holds no more than asked.
    void zuschneiden_data() {
        QTest::addColumn<qsizetype>("von");
        QTest::addColumn<qsizetype>("auf");
        QTest::newRow("klein zu groß") << qsizetype(1000) << qsizetype(1 << 19);
        QTest::newRow("groß zu größer") << qsizetype(1 << 19) << qsizetype(3 << 19);
        QTest::newRow("groß zu kleiner") << qsizetype(3 << 19) << qsizetype((1 << 19) + 7);
        QTest::newRow("groß zu klein") << qsizetype(3 << 19) << qsizetype(1000);
        QTest::newRow("zu nichts") << qsizetype(1 << 19) << qsizetype(0);
    }
    void zuschneiden() {
        QFETCH(qsizetype, von);
        QFETCH(qsizetype, auf);
        Feld f(static_cast<std::size_t>(von));
        std::iota(f.begin(), f.end(), 1U);
        f.zuschneiden(std::size_t(auf));
        QCOMPARE(f.size(), std::size_t(auf));
        QCOMPARE(f.capacity(), std::size_t(auf));
        const auto bleibt = std::size_t(std::min(von, auf));
        for (const std::size_t i : {std::size_t(0), bleibt / 2, bleibt - 1})
            if (i < bleibt)
                QCOMPARE(f[i], std::uint32_t(i + 1));
        QVERIFY(nullen(f, bleibt, f.size()));
        f.resize(std::size_t(2) << 20);
        QVERIFY(nullen(f, bleibt, f.size()));
    }

    // A large block lies on a 2 MiB boundary with huge pages asked for, is counted while held
    // and given back whole (the program is built for Linux, where the allocator maps such blocks).
    void grosserBlock() {
        const std::size_t vorher = Grossspeicher::belegt();
        {
            Grossfeld<char> f((5 << 20) + 3);
            QCOMPARE(quintptr(f.data()) % Grossspeicher::Seite, quintptr(0));
            QVERIFY(Grossspeicher::belegt() >= vorher + f.size());
            f[f.size() - 1] = 'x';
            if (QFile::exists(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled")))
                QVERIFY2(testhilfe::mappingFlags(f.data()).split(' ').contains("hg"),
                         testhilfe::mappingFlags(f.data()).constData());
        }
        QCOMPARE(Grossspeicher::belegt(), vorher);
    }

    // Three bytes an index: every value below 2^24 reads back, and its neighbours stay.
    void dreibyteindex() {
        const std::vector<int> werte = {0, 1, 255, 256, 65535, 65536, 16777215, 0x123456, 0};
        Dreibyteindex index(werte.size());
        for (std::size_t i = 0; i < werte.size(); ++i)
            index.setzen(i, werte[i]);
        for (std::size_t i = 0; i < werte.size(); ++i)
            QCOMPARE(index[i], werte[i]);
    }

    // A table of a million rows, grown and cut back: rows new to it are empty.
    void grosseTabelle() {
        Zeilentabelle t(9, 1000001);
        QVERIFY(t.istLeer(1000000, 8));
        t.setText(1000000, 8, u"7");
        t.setText(500000, 1, u"x");
        t.setZeilen(10);
        t.setZeilen(1000001);
        QVERIFY(t.istLeer(1000000, 8));
        QVERIFY(t.istLeer(500000, 1));
        t.setText(3, 3, u"3");
        t.zuruecksetzen(2000000);
        QVERIFY(t.istLeer(3, 3));
        QVERIFY(t.istLeer(1999999, 8));
    }
};

REMISATOR_CORE_TEST_MAIN(TstGrossspeicher)
#include "tst_grossspeicher.moc"
