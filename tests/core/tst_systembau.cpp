#include "core/grund/Fehler.h"
#include "core/werkstatt/Konstruktionen.h"
#include "core/werkstatt/Parallelklassen.h"
#include "core/werkstatt/Systembau.h"
#include "support/Naivpruefung.h"
#include "support/TestMain.h"

#include <QElapsedTimer>

#include <set>
#include <thread>

using namespace core;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

std::vector<int> bis(int v) {
    std::vector<int> z;
    for (int i = 1; i <= v; ++i)
        z.push_back(i);
    return z;
}

// A deterministic order: ended by its step budget, not by the clock.
Bauauftrag auftrag(std::vector<int> zahlen, int t, int m, std::int64_t schritte = 5000) {
    Bauauftrag a;
    a.zahlen = std::move(zahlen);
    a.garantie = {t, m};
    a.sekunden = 0;
    a.schritte = schritte;
    a.laeufe = 2;
    a.saat = 7;
    return a;
}

// The rows as places 1..v of the chosen numbers, for the slow count.
std::vector<testhilfe::Zeile> platzhalter(const Bauergebnis& e) {
    std::vector<testhilfe::Zeile> z;
    for (const std::array<int, 6>& r : e.zahlenreihen()) {
        testhilfe::Zeile zeile;
        for (const int x : r)
            zeile.push_back(int(std::find(e.zahlen.begin(), e.zahlen.end(), x) - e.zahlen.begin()) + 1);
        z.push_back(zeile);
    }
    return z;
}

} // namespace

class TestSystembau : public QObject {
    Q_OBJECT

private slots:
    // Every built system keeps its guarantee by the slow count, and the known ones come out at
    // their known size: 12/132, 22/77 and 9/12 are the catalogue's, 12 rows for 4 wenn 4 of 9
    // numbers and 41 for 10 ... are the best known.
    void bauen_data() {
        QTest::addColumn<std::vector<int>>("zahlen");
        QTest::addColumn<std::vector<int>>("bank");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("hoechstensReihen"); // the rows may not exceed this
        QTest::newRow("12/132") << bis(12) << std::vector<int>{} << 5 << 5 << 132;
        QTest::newRow("22/77 auf anderen Zahlen")
            << std::vector<int>{2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 22,
                                24, 26, 28, 30, 32, 34, 36, 38, 40, 42, 44}
            << std::vector<int>{} << 3 << 3 << 77;
        QTest::newRow("9 Zahlen 4 wenn 4") << bis(9) << std::vector<int>{} << 4 << 4 << 12;
        QTest::newRow("21 aus 22/77") << bis(21) << std::vector<int>{} << 3 << 3 << 77;
        QTest::newRow("14 Zahlen 2 wenn 2") << bis(14) << std::vector<int>{} << 2 << 2 << 7;
        QTest::newRow("12 Zahlen 3 wenn 4") << bis(12) << std::vector<int>{} << 3 << 4 << 22;
        QTest::newRow("11 Zahlen 2 Bankzahlen") << bis(11) << std::vector<int>{3, 9} << 3 << 3 << 60;
        QTest::newRow("10 Zahlen 4 wenn 5") << bis(10) << std::vector<int>{} << 4 << 5 << 30;
    }
    void bauen() {
        QFETCH(std::vector<int>, zahlen);
        QFETCH(std::vector<int>, bank);
        QFETCH(int, t);
        QFETCH(int, m);
        QFETCH(int, hoechstensReihen);
        Bauauftrag a = auftrag(zahlen, t, m);
        a.bank = bank;
        const Bauergebnis e = Systembau::bauen(a);
        QVERIFY(e.garantiert());
        QVERIFY(int(e.reihen.size()) <= hoechstensReihen);
        const testhilfe::Naiv n = testhilfe::naivPruefen(platzhalter(e), int(zahlen.size()), false, t, m);
        QCOMPARE(n.loecher, qint64(0));
        for (const std::array<int, 6>& r : e.zahlenreihen()) {
            QVERIFY(std::is_sorted(r.begin(), r.end()));
            QVERIFY(std::adjacent_find(r.begin(), r.end()) == r.end());
            for (const int x : r)
                QVERIFY(std::find(zahlen.begin(), zahlen.end(), x) != zahlen.end());
            for (const int b : bank)
                QVERIFY(std::find(r.begin(), r.end(), b) != r.end());
        }
    }

    // Every class holds every number in ceil(n/3) blocks of at most three, and together they hold
    // every pair; fewer classes than the pairs allow give nothing.
    void parallelklassen_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("klassen");
        QTest::addColumn<bool>("gefunden");
        QTest::newRow("9 Zahlen, 4 Klassen") << 9 << 4 << true;
        QTest::newRow("15 Zahlen, 7 Klassen") << 15 << 7 << true;
        QTest::newRow("16 Zahlen, 8 Klassen") << 16 << 8 << true;
        QTest::newRow("18 Zahlen, 9 Klassen") << 18 << 9 << true;
        QTest::newRow("23 Zahlen, 11 Klassen") << 23 << 11 << true;
        QTest::newRow("20 Zahlen, 10 Klassen") << 20 << 10 << true;
        QTest::newRow("21 Zahlen, 9 Klassen zu wenig") << 21 << 9 << false;
    }
    void parallelklassen() {
        QFETCH(int, n);
        QFETCH(int, klassen);
        QFETCH(bool, gefunden);
        const auto k = Parallelklassen::suchen(n, klassen, 5000000, 1);
        QCOMPARE(!k.empty(), gefunden);
        if (!gefunden)
            return;
        QCOMPARE(int(k.size()), klassen);
        std::set<std::pair<int, int>> paare;
        for (const std::vector<std::uint64_t>& klasse : k) {
            QCOMPARE(int(klasse.size()), (n + 2) / 3);
            std::uint64_t alle = 0;
            for (const std::uint64_t b : klasse) {
                QVERIFY(std::popcount(b) <= 3);
                alle |= b;
                for (int x = 0; x < n; ++x)
                    for (int y = x + 1; y < n; ++y)
                        if ((b >> x & 1) && (b >> y & 1))
                            paare.insert({x, y});
            }
            QCOMPARE(alle, (std::uint64_t(1) << n) - 1);
        }
        QCOMPARE(int(paare.size()), n * (n - 1) / 2);
    }

    // Two halves of 18 numbers joined by covers of 9 classes (9 * 6 * 6 rows) and 50 rows inside
    // each: 3 wenn 3 on 36 numbers in 424 rows, where adding numbers to a smaller design takes
    // about 550 and the best known is 420.
    void zweiHaelften() {
        const auto entwuerfe = Konstruktionen::fuer(36, 6, 3, 3);
        const auto e = std::find_if(entwuerfe.begin(), entwuerfe.end(), [](const Konstruktionen::Entwurf& x) {
            return x.herkunft == QStringLiteral("aus zwei Hälften zusammengesetzt");
        });
        QVERIFY(e != entwuerfe.end());
        QVERIFY(e->reihen.size() <= 424);
        for (const std::uint64_t r : e->reihen)
            QCOMPARE(std::popcount(r), 6);
        int offen = 0;
        for (int x = 0; x < 36; ++x)
            for (int y = x + 1; y < 36; ++y)
                for (int z = y + 1; z < 36; ++z) {
                    const std::uint64_t tripel =
                        std::uint64_t(1) << x | std::uint64_t(1) << y | std::uint64_t(1) << z;
                    offen += std::none_of(e->reihen.begin(), e->reihen.end(),
                                          [&](std::uint64_t r) { return (r & tripel) == tripel; });
                }
        QCOMPARE(offen, 0);
    }

    // A row of 22 numbers meets too many 6-sets in three for the search to follow them move by
    // move: it builds 3 wenn 5 instead, which keeps 3 wenn 6 and needs far fewer rows than 3 wenn 3
    // (77 at best).
    void ersatzgarantie() {
        const Bauergebnis e = Systembau::bauen(auftrag(bis(22), 3, 6, 100));
        QVERIFY(e.garantiert());
        QVERIFY(e.reihen.size() < 50);
        QCOMPARE(testhilfe::naivPruefen(platzhalter(e), 22, false, 3, 6).loecher, qint64(0));
    }

    // The same seed and runs give the same rows, whatever the number of threads.
    void reproduzierbar() {
        Bauauftrag a = auftrag(bis(13), 3, 3, 2000);
        a.threads = 1;
        const Bauergebnis eins = Systembau::bauen(a);
        a.threads = 2;
        const Bauergebnis zwei = Systembau::bauen(a);
        QCOMPARE(eins.reihen, zwei.reihen);
        a.saat = 8;
        QVERIFY(Systembau::bauen(a).reihen != eins.reihen);
    }

    // 2 wenn 2 for 37 numbers: 50 rows are the best known and Schönheim's bound. A rotation of
    // seven cycles of five numbers with two fixed reaches them, one row per orbit; without such
    // rotations 10 s of search ended at 52. The same rows with one thread and with two: the groups
    // after the first one to reach the target are left off alike.
    void kurzeKreise() {
        Bauauftrag a = auftrag(bis(37), 2, 2, 50000);
        a.saat = 1;
        a.threads = 1;
        const Bauergebnis e = Systembau::bauen(a);
        QVERIFY(e.garantiert());
        QCOMPARE(e.reihen.size(), std::size_t(50));
        QVERIFY2(e.herkunft.contains(QStringLiteral("7 Kreisen zu 5 Zahlen")), qPrintable(e.herkunft));
        QCOMPARE(testhilfe::naivPruefen(platzhalter(e), 37, false, 2, 2).loecher, qint64(0));
        a.threads = 2;
        QCOMPARE(Systembau::bauen(a).reihen, e.reihen);
    }

    // 4 wenn 4 for 15 numbers: 117 rows are the best known. The greedy cover made smaller ends
    // at 137 with this budget; three cycles of five numbers under rotation reach 124, within 10 %.
    void gruppenFuerWenigeZahlen() {
        const Bauergebnis e = Systembau::bauen(auftrag(bis(15), 4, 4, 20000));
        QVERIFY(e.garantiert());
        QVERIFY2(e.reihen.size() <= 128, qPrintable(QString::number(e.reihen.size())));
        QCOMPARE(testhilfe::naivPruefen(platzhalter(e), 15, false, 4, 4).loecher, qint64(0));
    }

    // A row limit below what the guarantee needs: that many rows, the holes counted right.
    void hoechstzahl() {
        Bauauftrag a = auftrag(bis(15), 3, 3, 3000);
        a.hoechstens = 20; // Schönheim: 30
        const Bauergebnis e = Systembau::bauen(a);
        QCOMPARE(e.reihen.size(), std::size_t(20));
        QVERIFY(!e.garantiert());
        const testhilfe::Naiv n = testhilfe::naivPruefen(platzhalter(e), 15, false, 3, 3);
        QCOMPARE(e.pruefung.loecher, n.loecher);
        QCOMPARE(e.abdeckung(), 1.0 - double(n.loecher) / 455.0);
        // 20 rows of 20 triples each cover at most 400 of the 455 triples
        QVERIFY(n.loecher >= 55);
        a.hoechstens = 200;
        QVERIFY(Systembau::bauen(a).garantiert());
    }

    void abbrechen() {
        Bauauftrag a = auftrag(bis(20), 3, 3, 0);
        a.sekunden = 60;
        std::atomic<bool> halt{false};
        const std::thread::id aufrufer = std::this_thread::get_id();
        bool fremd = false;
        int meldungen = 0;
        const Bauergebnis e = Systembau::bauen(
            a,
            [&](const Baustand& s) {
                fremd = fremd || std::this_thread::get_id() != aufrufer;
                if (s.reihen > 0 && ++meldungen >= 1)
                    halt = true;
            },
            &halt);
        QVERIFY(!fremd);
        QVERIFY(e.abgebrochen);
        QVERIFY(e.sekunden < 30);
        QVERIFY(e.garantiert()); // the best so far, checked
    }

    // While the symmetric systems of 40 numbers are sought (most of the time), the caller still
    // hears every quarter of a second how many rows the best system so far has.
    void meldungenWaehrendDerSuche() {
        Bauauftrag a = auftrag(bis(40), 3, 3, 0);
        a.sekunden = 2;
        QElapsedTimer uhr;
        uhr.start();
        qint64 letzte = 0, groessteLuecke = 0;
        int mitReihen = 0;
        Systembau::bauen(
            a,
            [&](const Baustand& s) {
                groessteLuecke = std::max(groessteLuecke, uhr.elapsed() - letzte);
                letzte = uhr.elapsed();
                mitReihen += s.reihen > 0 ? 1 : 0;
            },
            nullptr);
        QVERIFY2(groessteLuecke < 1000, qPrintable(QString::number(groessteLuecke)));
        QVERIFY(mitReihen >= 4);
    }

    void ablehnen_data() {
        QTest::addColumn<std::vector<int>>("zahlen");
        QTest::addColumn<std::vector<int>>("bank");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("hoechstens");
        QTest::addColumn<QString>("text");
        QTest::newRow("6 Zahlen") << bis(6) << std::vector<int>{} << 2 << 2 << 0
                                  << "Ein System braucht mindestens 7 Zahlen, gewählt sind 6.";
        QTest::newRow("46") << std::vector<int>{1, 2, 3, 4, 5, 6, 46} << std::vector<int>{} << 2 << 2 << 0
                            << "Die Zahl 46 liegt nicht zwischen 1 und 45.";
        QTest::newRow("0") << std::vector<int>{0, 2, 3, 4, 5, 6, 7} << std::vector<int>{} << 2 << 2 << 0
                           << "Die Zahl 0 liegt nicht zwischen 1 und 45.";
        QTest::newRow("doppelt") << std::vector<int>{1, 2, 3, 4, 5, 6, 7, 3} << std::vector<int>{} << 2 << 2
                                 << 0 << "Die Zahl 3 ist doppelt gewählt.";
        QTest::newRow("t > m")
            << bis(10) << std::vector<int>{} << 4 << 3 << 0
            << "4 Richtige kann kein System garantieren, wenn nur 3 Gewinnzahlen unter Ihren "
               "Zahlen sind.";
        QTest::newRow("6 wenn 6") << bis(10) << std::vector<int>{} << 6 << 6 << 0
                                  << "Ein System garantiert 2 bis 5 Richtige, nicht 6.";
        QTest::newRow("wenn 7") << bis(10) << std::vector<int>{} << 3 << 7 << 0
                                << "Es gibt nur 6 Gewinnzahlen, nicht 7.";
        QTest::newRow("Bank fremd") << bis(10) << std::vector<int>{11} << 3 << 3 << 0
                                    << "Die Bankzahl 11 gehört nicht zu Ihren Zahlen.";
        QTest::newRow("Bank doppelt")
            << bis(10) << std::vector<int>{2, 2} << 3 << 3 << 0 << "Die Bankzahl 2 ist doppelt angegeben.";
        QTest::newRow("zu viele Bankzahlen") << bis(10) << std::vector<int>{1, 2, 3} << 4 << 4 << 0
                                             << "Mit 3 Bankzahlen bleiben in jeder Reihe nur 3 Plätze für "
                                                "Ihre übrigen Zahlen; 4 Richtige sind so "
                                                "nicht zu garantieren.";
        QTest::newRow("über 5.000 Reihen")
            << bis(45) << std::vector<int>{} << 4 << 4 << 0
            << "Ein System, das bei 45 Zahlen 4 Richtige garantiert, wenn 4 Gewinnzahlen darunter sind, "
               "braucht "
               "mindestens 9.968 Reihen. Mehr als 5.000 Reihen baue ich nur mit einer Höchstzahl an Reihen.";
        QTest::newRow("fünf Bankzahlen") << bis(7) << std::vector<int>{1, 2, 3, 4, 5} << 2 << 2 << 0
                                         << "Mit 5 Bankzahlen bleibt in jeder Reihe nur 1 Platz für Ihre "
                                            "übrigen Zahlen; 2 Richtige sind so "
                                            "nicht zu garantieren.";
        QTest::newRow("negative Höchstzahl") << bis(10) << std::vector<int>{} << 3 << 3 << -1
                                             << "Die Höchstzahl an Reihen darf nicht negativ sein.";
    }
    void ablehnen() {
        QFETCH(std::vector<int>, zahlen);
        QFETCH(std::vector<int>, bank);
        QFETCH(int, t);
        QFETCH(int, m);
        QFETCH(int, hoechstens);
        QFETCH(QString, text);
        Bauauftrag a = auftrag(zahlen, t, m);
        a.bank = bank;
        a.hoechstens = hoechstens;
        try {
            Systembau::bauen(a);
            QFAIL("gebaut");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(), text);
        }
    }

    // With a row limit the 45 numbers are built: the limit is the promise, not the bound.
    void grosseMitHoechstzahl() {
        Bauauftrag a = auftrag(bis(45), 4, 4, 200);
        a.hoechstens = 300;
        const Bauergebnis e = Systembau::bauen(a);
        QCOMPARE(e.reihen.size(), std::size_t(300));
        QVERIFY(!e.garantiert());
        QVERIFY(e.abdeckung() > 0 && e.abdeckung() < 1);
        QCOMPARE(e.massstab.text(), QStringLiteral("Bester bekannter Wert: 12.696 Reihen"));
    }
};

REMISATOR_CORE_TEST_MAIN(TestSystembau)
#include "tst_systembau.moc"
