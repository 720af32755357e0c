#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Zeilentabelle.h"
#include "core/systeme/SystemReihen.h"
#include "core/systeme/SystemTabellen.h"
#include "core/systeme/TSystemDef.h"
#include "support/TestMain.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

using namespace core;

namespace {

using Zeile = std::vector<int>;

// "1 2 3 4 5 6, 1 2 3 4 7 8" -> two rows
std::vector<Zeile> zeilen(const char* text) {
    std::vector<Zeile> ergebnis;
    for (const QString& teil : QString::fromLatin1(text).split(u',', Qt::SkipEmptyParts)) {
        Zeile z;
        for (const QString& zahl : teil.split(u' ', Qt::SkipEmptyParts))
            z.push_back(zahl.toInt());
        ergebnis.push_back(z);
    }
    return ergebnis;
}

Zeile zeileAus(const TeilsystemReihe& r) {
    return Zeile(r.begin(), r.end());
}

Zeile zeileAus(const SystemReihe& r) {
    return Zeile(r.begin(), r.end());
}

std::vector<Zeile> tabelle(int index) {
    std::vector<Zeile> t;
    for (const TeilsystemReihe& r : TeilsystemTabelle(index))
        t.push_back(zeileAus(r));
    return t;
}

// Every digit 6 pixels, a blank 3: a label gets round(round(37 * 0.7) - 6 * digits) / 6) blanks
// in a column of 37, i.e. 3 for one digit, 2 for two, 1 for three and none for four.
class FesteBreiten : public Textmass {
public:
    int breite(QStringView text) const override {
        int summe = 0;
        for (QChar c : text)
            summe += c == u' ' ? 3 : 6;
        return summe;
    }
    bool ziffernGleichBreit() const override { return true; }
};

QString label37(int r) {
    const int stellen = int(QString::number(r).size());
    const int blanks = stellen == 1 ? 3 : stellen == 2 ? 2 : stellen == 3 ? 1 : 0;
    return QString(blanks, u' ') + QString::number(r);
}

Zahlenmenge menge(std::initializer_list<int> zahlen) {
    Zahlenmenge m;
    for (int z : zahlen)
        m.hinzufuegen(z);
    return m;
}

QStringList zellen(const Zeilentabelle& t, int r, int von = 1, int bis = 6) {
    QStringList l;
    for (int c = von; c <= bis; ++c)
        l << t.text(r, c);
    return l;
}

QStringList texte(const char* zahlen) {
    return QString::fromLatin1(zahlen).split(u' ');
}

std::int64_t binomial(int n, int k) {
    std::vector<std::vector<std::int64_t>> pascal(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        pascal[std::size_t(i)].assign(std::size_t(i) + 1, 1);
        for (int j = 1; j < i; ++j)
            pascal[std::size_t(i)][std::size_t(j)] =
                pascal[std::size_t(i) - 1][std::size_t(j) - 1] + pascal[std::size_t(i) - 1][std::size_t(j)];
    }
    return pascal[std::size_t(n)][std::size_t(k)];
}

// The row numbers (1-based) after which the next row is not greater.
QList<int> abstiege(const std::vector<Zeile>& t) {
    QList<int> a;
    for (std::size_t i = 1; i < t.size(); ++i)
        if (!(t[i - 1] < t[i]))
            a << int(i);
    return a;
}

} // namespace

class TstSysteme : public QObject {
    Q_OBJECT
private slots:
    void katalog_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("reihen");
        QTest::addColumn<int>("nummer");
        QTest::newRow("1") << 1 << "007" << 7 << 7 << 431;
        QTest::newRow("2") << 2 << "008" << 8 << 28 << 432;
        QTest::newRow("3") << 3 << "009" << 9 << 84 << 433;
        QTest::newRow("4") << 4 << "010" << 10 << 210 << 434;
        QTest::newRow("5") << 5 << "011" << 11 << 462 << 435;
        QTest::newRow("6") << 6 << "012" << 12 << 924 << 436;
        QTest::newRow("7") << 7 << "013" << 13 << 1716 << 436;
        QTest::newRow("8") << 8 << "9/12" << 9 << 12 << 347;
        QTest::newRow("9") << 9 << "12/22" << 12 << 22 << 22;
        QTest::newRow("10") << 10 << "10/30" << 10 << 30 << 356;
        QTest::newRow("11") << 11 << "11/66" << 11 << 66 << 354;
        QTest::newRow("12") << 12 << "22/77" << 22 << 77 << 351;
        QTest::newRow("13") << 13 << "26/130" << 26 << 130 << 350;
        QTest::newRow("14") << 14 << "12/132" << 12 << 132 << 353;
    }
    void katalog() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(int, anzahl);
        QFETCH(int, reihen);
        QFETCH(int, nummer);
        const TSystemDef& s = System(index);
        QCOMPARE(&s, &Systeme[std::size_t(index)]);
        QCOMPARE(int(s.Reserve), 0);
        QCOMPARE(QString::fromLatin1(s.Name.data(), qsizetype(s.Name.size())), name);
        QVERIFY(s.Name.size() <= 7);
        QCOMPARE(int(s.Anzahl), anzahl);
        QCOMPARE(s.Reihen, reihen);
        QCOMPARE(s.Nummer, nummer);
    }

    void katalogOhneSystem() {
        QCOMPARE(Systeme.size(), std::size_t(15));
        for (int index : {0, -1, 15, 100}) {
            QCOMPARE(int(System(index).Anzahl), 0);
            QCOMPARE(System(index).Reihen, 0);
        }
    }

    void nUeberK() {
        QCOMPARE(NueberK(6, 6), std::int64_t(1));
        QCOMPARE(NueberK(10, 6), std::int64_t(210));
        QCOMPARE(NueberK(10, 4), std::int64_t(210));
        QCOMPARE(NueberK(13, 6), std::int64_t(1716));
        const std::int64_t erwartet[] = {7, 28, 84, 210, 462, 924, 1716};
        for (int n = 7; n <= 13; ++n)
            QCOMPARE(NueberK(n, 6), erwartet[n - 7]);
        QCOMPARE(NueberK(45, 6), std::int64_t(8145060));
        QCOMPARE(NueberK(49, 6), std::int64_t(13983816));
        QCOMPARE(NueberK(7, 1), std::int64_t(7));
        QCOMPARE(NueberK(7, 0), std::int64_t(1));
        for (int n = 1; n <= 24; ++n)
            for (int k = 0; k <= n; ++k)
                QCOMPARE(NueberK(n, k), binomial(n, k));
    }

    void vollsystemeKatalog() {
        for (int i = 1; i <= 7; ++i)
            QCOMPARE(std::int64_t(System(i).Reihen), binomial(System(i).Anzahl, 6));
    }

    // --- the stored tables -------------------------------------------------------------------

    void teiltabellen_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("reihen");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("proPlatzhalter");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("lambda");
        QTest::newRow("9/12") << 8 << 12 << 9 << 8 << 2 << 5;
        QTest::newRow("12/22") << 9 << 22 << 12 << 11 << 3 << 2;
        QTest::newRow("10/30") << 10 << 30 << 10 << 18 << 3 << 5;
        QTest::newRow("11/66") << 11 << 66 << 11 << 36 << 4 << 3;
        QTest::newRow("22/77") << 12 << 77 << 22 << 21 << 3 << 1;
        QTest::newRow("26/130") << 13 << 130 << 26 << 30 << 3 << 1;
        QTest::newRow("12/132") << 14 << 132 << 12 << 66 << 5 << 1;
    }
    void teiltabellen() {
        QFETCH(int, index);
        QFETCH(int, reihen);
        QFETCH(int, v);
        QFETCH(int, proPlatzhalter);
        QFETCH(int, t);
        QFETCH(int, lambda);
        QCOMPARE(System(index).Reihen, reihen);
        QCOMPARE(int(System(index).Anzahl), v);
        const std::vector<Zeile> tab = tabelle(index);
        QCOMPARE(int(tab.size()), reihen);

        std::vector<std::uint32_t> masken;
        std::vector<int> vorkommen(std::size_t(v) + 1, 0);
        for (const Zeile& z : tab) {
            QCOMPARE(int(z.size()), 6);
            std::uint32_t m = 0;
            for (std::size_t j = 0; j < 6; ++j) {
                QVERIFY2(z[j] >= 1 && z[j] <= v, "Platzhalter außerhalb des Bereichs");
                if (j > 0)
                    QVERIFY2(z[j - 1] < z[j], "Reihe nicht aufsteigend oder mit doppeltem Platzhalter");
                m |= 1U << (z[j] - 1);
                ++vorkommen[std::size_t(z[j])];
            }
            masken.push_back(m);
        }
        QCOMPARE(int(std::set<std::uint32_t>(masken.begin(), masken.end()).size()), reihen);
        for (int p = 1; p <= v; ++p)
            QCOMPARE(vorkommen[std::size_t(p)], proPlatzhalter);

        // Every t-set of 1..v, walked by the next bit pattern with the same number of ones.
        int teilmengen = 0;
        const std::uint32_t ende = 1U << v;
        for (std::uint32_t s = (1U << t) - 1; s < ende;) {
            int drin = 0;
            for (const std::uint32_t m : masken)
                drin += (m & s) == s;
            if (drin != lambda)
                QFAIL(qPrintable(QStringLiteral("Teilmenge %1 liegt in %2 Reihen").arg(s, 0, 2).arg(drin)));
            ++teilmengen;
            const std::uint32_t kleinstes = s & (~s + 1);
            const std::uint32_t summe = s + kleinstes;
            s = summe | (((s ^ summe) >> 2) / kleinstes);
        }
        QCOMPARE(std::int64_t(teilmengen), binomial(v, t));
    }

    void gedruckteTabellen_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("reihen");
        QTest::newRow("9/12")
            << 8
            << "1 2 3 4 5 6, 1 2 3 4 7 8, 1 2 3 6 7 9, 1 2 4 5 8 9, 1 2 5 6 7 8, 1 3 4 6 8 9, "
               "1 3 5 7 8 9, 1 4 5 6 7 9, 2 3 4 5 7 9, 2 3 5 6 8 9, 2 4 6 7 8 9, 3 4 5 6 7 8";
        QTest::newRow("12/22")
            << 9
            << "1 2 3 4 5 6, 1 2 3 7 8 9, 1 2 4 7 10 11, 1 2 5 8 10 12, 1 2 6 9 11 12, 1 3 4 8 11 12, "
               "1 3 5 9 10 11, 1 3 6 7 10 12, 1 4 5 7 9 12, 1 4 6 8 9 10, 1 5 6 7 8 11, 2 3 4 9 10 12, "
               "2 3 5 7 11 12, 2 3 6 8 10 11, 2 4 5 8 9 11, 2 4 6 7 8 12, 2 5 6 7 9 10, 3 4 5 7 8 10, "
               "3 4 6 7 9 11, 3 5 6 8 9 12, 4 5 6 10 11 12, 7 8 9 10 11 12";
        QTest::newRow("10/30")
            << 10
            << "1 2 3 4 5 6, 1 2 3 4 7 8, 1 2 3 4 9 10, 1 2 3 5 8 9, 1 2 3 6 7 10, 1 2 4 5 8 10, "
               "1 2 4 6 7 9, 1 2 5 6 7 8, 1 2 5 7 9 10, 1 2 6 8 9 10, 1 3 4 5 7 9, 1 3 4 6 8 10, "
               "1 3 5 6 9 10, 1 3 5 7 8 10, 1 3 6 7 8 9, 1 4 5 6 7 10, 1 4 5 6 8 9, 1 4 7 8 9 10, "
               "2 3 4 5 7 10, 2 3 4 6 8 9, 2 3 5 6 7 9, 2 3 5 6 8 10, 2 3 7 8 9 10, 2 4 5 6 9 10, "
               "2 4 5 7 8 9, 2 4 6 7 8 10, 3 4 5 6 7 8, 3 4 5 8 9 10, 3 4 6 7 9 10, 5 6 7 8 9 10";
    }
    void gedruckteTabellen() {
        QFETCH(int, index);
        QFETCH(QString, reihen);
        const std::vector<Zeile> erwartet = zeilen(reihen.toLatin1().constData());
        QCOMPARE(tabelle(index), erwartet);
        QVERIFY(abstiege(erwartet).isEmpty());
    }

    void kennzeilen_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("reihe");
        QTest::newRow("11/66 1") << 11 << 1 << "1 2 3 4 6 11";
        QTest::newRow("11/66 2") << 11 << 2 << "1 2 3 4 7 8";
        QTest::newRow("11/66 3") << 11 << 3 << "1 2 3 4 9 10";
        QTest::newRow("11/66 34") << 11 << 34 << "1 5 6 8 10 11";
        QTest::newRow("11/66 35") << 11 << 35 << "1 5 6 7 8 9";
        QTest::newRow("11/66 66") << 11 << 66 << "6 7 8 9 10 11";
        QTest::newRow("22/77 1") << 12 << 1 << "1 2 3 4 5 6";
        QTest::newRow("22/77 2") << 12 << 2 << "1 2 7 8 9 10";
        QTest::newRow("22/77 3") << 12 << 3 << "1 2 11 12 13 14";
        QTest::newRow("22/77 4") << 12 << 4 << "1 2 15 16 17 18";
        QTest::newRow("22/77 5") << 12 << 5 << "1 2 19 20 21 22";
        QTest::newRow("22/77 6") << 12 << 6 << "1 3 7 11 15 19";
        QTest::newRow("22/77 77") << 12 << 77 << "13 14 16 18 20 21";
        QTest::newRow("26/130 1") << 13 << 1 << "1 2 3 4 5 6";
        QTest::newRow("26/130 2") << 13 << 2 << "1 7 8 9 10 11";
        QTest::newRow("26/130 3") << 13 << 3 << "1 12 13 14 15 16";
        QTest::newRow("26/130 4") << 13 << 4 << "1 17 18 19 20 21";
        QTest::newRow("26/130 5") << 13 << 5 << "1 22 23 24 25 26";
        QTest::newRow("26/130 6") << 13 << 6 << "1 2 7 12 17 22";
        QTest::newRow("26/130 7") << 13 << 7 << "1 2 8 13 18 23";
        QTest::newRow("26/130 8") << 13 << 8 << "1 2 9 14 19 24";
        QTest::newRow("26/130 9") << 13 << 9 << "1 2 10 15 20 25";
        QTest::newRow("26/130 10") << 13 << 10 << "1 2 11 16 21 26";
        QTest::newRow("26/130 11") << 13 << 11 << "1 3 7 13 19 25";
        QTest::newRow("26/130 130") << 13 << 130 << "15 16 17 20 22 26";
        QTest::newRow("12/132 1") << 14 << 1 << "1 2 3 4 5 6";
        QTest::newRow("12/132 2") << 14 << 2 << "1 2 3 4 7 10";
        QTest::newRow("12/132 3") << 14 << 3 << "1 2 3 4 8 11";
        QTest::newRow("12/132 4") << 14 << 4 << "1 2 3 4 9 12";
        QTest::newRow("12/132 132") << 14 << 132 << "7 8 9 10 11 12";
    }
    void kennzeilen() {
        QFETCH(int, index);
        QFETCH(int, zeile);
        QFETCH(QString, reihe);
        const std::vector<Zeile> tab = tabelle(index);
        QVERIFY(zeile >= 1 && std::size_t(zeile) <= tab.size());
        QCOMPARE(tab[std::size_t(zeile) - 1], zeilen(reihe.toLatin1().constData()).front());
    }

    void reihenfolge_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("abstiegeNach");
        QTest::newRow("9/12") << 8 << QList<int>{};
        QTest::newRow("12/22") << 9 << QList<int>{};
        QTest::newRow("10/30") << 10 << QList<int>{};
        QTest::newRow("11/66") << 11 << QList<int>{34};
        QTest::newRow("22/77") << 12 << QList<int>{};
        QTest::newRow("26/130") << 13 << QList<int>{5, 34, 58, 77, 91, 122};
        QTest::newRow("12/132") << 14 << QList<int>{};
    }
    void reihenfolge() {
        QFETCH(int, index);
        QFETCH(QList<int>, abstiegeNach);
        QCOMPARE(abstiege(tabelle(index)), abstiegeNach);
    }

    void reihenfolge11_66() {
        // Ascending but for one row: with rows 34 and 35 swapped the table is strictly ascending.
        std::vector<Zeile> tab = tabelle(11);
        std::swap(tab[33], tab[34]);
        QVERIFY(abstiege(tab).isEmpty());
    }

    // --- expansion ---------------------------------------------------------------------------

    void erzeugen007() {
        std::vector<SystemReihe> puffer;
        SystemReihenErzeugen(1, 7, puffer);
        std::vector<Zeile> erhalten;
        for (const SystemReihe& r : puffer)
            erhalten.push_back(zeileAus(r));
        QCOMPARE(erhalten, zeilen("1 2 3 4 5 6, 1 2 3 4 5 7, 1 2 3 4 6 7, 1 2 3 5 6 7, 1 2 4 5 6 7, "
                                  "1 3 4 5 6 7, 2 3 4 5 6 7"));
    }

    void erzeugen008() {
        std::vector<SystemReihe> puffer;
        SystemReihenErzeugen(2, 28, puffer);
        QCOMPARE(int(puffer.size()), 28);
        QCOMPARE(zeileAus(puffer[1]), zeilen("1 2 3 4 5 7").front());
        QCOMPARE(zeileAus(puffer[27]), zeilen("3 4 5 6 7 8").front());
    }

    void erzeugen013() {
        std::vector<SystemReihe> puffer;
        SystemReihenErzeugen(7, 1716, puffer);
        QCOMPARE(int(puffer.size()), 1716);
        QCOMPARE(zeileAus(puffer[0]), zeilen("1 2 3 4 5 6").front());
        QCOMPARE(zeileAus(puffer[1]), zeilen("1 2 3 4 5 7").front());
        QCOMPARE(zeileAus(puffer[1715]), zeilen("8 9 10 11 12 13").front());
    }

    void vollsysteme() {
        // Every 6-set of 1..n exactly once and in ascending order, counted independently.
        for (int index = 1; index <= 7; ++index) {
            const int n = System(index).Anzahl;
            std::vector<SystemReihe> puffer;
            SystemReihenErzeugen(index, System(index).Reihen, puffer);
            QCOMPARE(std::int64_t(puffer.size()), binomial(n, 6));
            for (std::size_t i = 0; i < puffer.size(); ++i) {
                for (std::size_t j = 0; j < 6; ++j) {
                    QVERIFY(puffer[i][j] >= 1 && puffer[i][j] <= n);
                    if (j > 0)
                        QVERIFY(puffer[i][j - 1] < puffer[i][j]);
                }
                if (i > 0)
                    QVERIFY(puffer[i - 1] < puffer[i]);
            }
        }
    }

    void teilsysteme() {
        for (int index = 8; index <= 14; ++index) {
            std::vector<SystemReihe> puffer;
            SystemReihenErzeugen(index, System(index).Reihen, puffer);
            std::vector<Zeile> erhalten;
            for (const SystemReihe& r : puffer)
                erhalten.push_back(zeileAus(r));
            QCOMPARE(erhalten, tabelle(index));
        }
    }

    void erzeugen9_12() {
        std::vector<SystemReihe> puffer;
        SystemReihenErzeugen(8, 12, puffer);
        std::vector<Zeile> erhalten;
        for (const SystemReihe& r : puffer)
            erhalten.push_back(zeileAus(r));
        QCOMPARE(erhalten, zeilen("1 2 3 4 5 6, 1 2 3 4 7 8, 1 2 3 6 7 9, 1 2 4 5 8 9, 1 2 5 6 7 8, "
                                  "1 3 4 6 8 9, 1 3 5 7 8 9, 1 4 5 6 7 9, 2 3 4 5 7 9, 2 3 5 6 8 9, "
                                  "2 4 6 7 8 9, 3 4 5 6 7 8"));
    }

    void erzeugen11_66BehaeltReihenfolge() {
        std::vector<SystemReihe> puffer;
        SystemReihenErzeugen(11, 66, puffer);
        QCOMPARE(zeileAus(puffer[33]), zeilen("1 5 6 8 10 11").front());
        QCOMPARE(zeileAus(puffer[34]), zeilen("1 5 6 7 8 9").front());
    }

    void kleinerNachGroesser() {
        std::vector<SystemReihe> puffer;
        SystemReihenErzeugen(7, 1716, puffer);
        SystemReihenErzeugen(8, 12, puffer);
        QCOMPARE(int(puffer.size()), 12);
        QCOMPARE(zeileAus(puffer[11]), zeilen("3 4 5 6 7 8").front());
        SystemReihenErzeugen(13, 130, puffer);
        SystemReihenErzeugen(1, 7, puffer);
        QCOMPARE(int(puffer.size()), 7);
        QCOMPARE(zeileAus(puffer[6]), zeilen("2 3 4 5 6 7").front());
    }

    void andererIndexNurGroesse() {
        std::vector<SystemReihe> puffer;
        SystemReihenErzeugen(0, 5, puffer);
        QCOMPARE(int(puffer.size()), 5);
        SystemReihenErzeugen(15, 3, puffer);
        QCOMPARE(int(puffer.size()), 3);
        SystemReihenErzeugen(-1, 0, puffer);
        QVERIFY(puffer.empty());
    }

    // --- collecting the ticked numbers ---------------------------------------------------------

    void kreuzeSammeln() {
        std::vector<std::uint8_t> zahlen{99, 98};
        KreuzeSammeln(menge({45, 3, 7, 12, 18, 22, 30, 31, 40}), 9, zahlen);
        QCOMPARE(zahlen, (std::vector<std::uint8_t>{3, 7, 12, 18, 22, 30, 31, 40, 45}));
        // Stops once the count is reached; numbers beyond 45 are no boxes.
        KreuzeSammeln(menge({1, 2, 3, 4, 5, 6, 7, 8, 46, 47}), 7, zahlen);
        QCOMPARE(zahlen, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7}));
        KreuzeSammeln(menge({0, 10, 46}), 1, zahlen);
        QCOMPARE(zahlen, (std::vector<std::uint8_t>{10}));
    }

    // --- "System abwickeln" ----------------------------------------------------------------------

    void abwickeln9_12() {
        Zeilentabelle g1(9, 30);
        std::vector<SystemReihe> reihen;
        std::vector<std::uint8_t> zahlen;
        const QString text = SystemAbwickeln(8, menge({3, 7, 12, 18, 22, 30, 31, 40, 45}), g1, 37,
                                             FesteBreiten(), reihen, zahlen);
        QCOMPARE(text, QStringLiteral("12"));
        QCOMPARE(g1.zeilen(), 13);
        QCOMPARE(zellen(g1, 1), texte("3 7 12 18 22 30"));
        QCOMPARE(zellen(g1, 2), texte("3 7 12 18 31 40"));
        QCOMPARE(zellen(g1, 12), texte("12 18 22 30 31 40"));
        QCOMPARE(g1.text(1, 0), QStringLiteral("   1"));
        QCOMPARE(g1.text(12, 0), QStringLiteral("  12"));
        for (int r = 1; r <= 12; ++r)
            QCOMPARE(g1.text(r, 0), label37(r));
    }

    void abwickeln007() {
        Zeilentabelle g1(9, 30);
        std::vector<SystemReihe> reihen;
        std::vector<std::uint8_t> zahlen;
        const QString text =
            SystemAbwickeln(1, menge({1, 5, 9, 13, 17, 21, 45}), g1, 37, FesteBreiten(), reihen, zahlen);
        QCOMPARE(text, QStringLiteral("7"));
        QCOMPARE(g1.zeilen(), 8);
        QCOMPARE(zellen(g1, 1), texte("1 5 9 13 17 21"));
        QCOMPARE(zellen(g1, 7), texte("5 9 13 17 21 45"));
        QCOMPARE(g1.text(7, 0), QStringLiteral("   7"));
    }

    void abwickeln013() {
        Zeilentabelle g1(9, 30);
        std::vector<SystemReihe> reihen;
        std::vector<std::uint8_t> zahlen;
        const auto kreuze = menge({2, 4, 8, 11, 15, 19, 23, 27, 31, 35, 38, 42, 44});
        const QString text = SystemAbwickeln(7, kreuze, g1, 37, FesteBreiten(), reihen, zahlen);
        QCOMPARE(text, QStringLiteral("1.716"));
        QCOMPARE(g1.zeilen(), 1717);
        QCOMPARE(zellen(g1, 1), texte("2 4 8 11 15 19"));
        QCOMPARE(zellen(g1, 2), texte("2 4 8 11 15 23"));
        QCOMPARE(zellen(g1, 1716), texte("27 31 35 38 42 44"));
        QCOMPARE(g1.text(9, 0), QStringLiteral("   9"));
        QCOMPARE(g1.text(10, 0), QStringLiteral("  10"));
        QCOMPARE(g1.text(100, 0), QStringLiteral(" 100"));
        QCOMPARE(g1.text(1716, 0), QStringLiteral("1716"));
        // Every written row ascending, rows in lexicographic order of the numbers.
        std::vector<Zeile> geschrieben;
        for (int r = 1; r <= 1716; ++r) {
            Zeile z;
            for (int c = 1; c <= 6; ++c)
                z.push_back(g1.text(r, c).toInt());
            QVERIFY(std::is_sorted(z.begin(), z.end()));
            geschrieben.push_back(z);
        }
        QVERIFY(abstiege(geschrieben).isEmpty());
    }

    void reihenText() {
        QCOMPARE(ReihenText(7), QStringLiteral("7"));
        QCOMPARE(ReihenText(132), QStringLiteral("132"));
        QCOMPARE(ReihenText(1716), QStringLiteral("1.716"));
    }

    void abwickelnNachLangemSchein() {
        Zeilentabelle g1(9, 501);
        for (int r = 1; r <= 500; ++r) {
            for (int c = 0; c <= 6; ++c)
                g1.setText(r, c, QString::number(r + c));
            g1.setText(r, 7, QStringLiteral("4 Ri."));
            g1.setText(r, 8, QStringLiteral("4"));
        }
        std::vector<SystemReihe> reihen;
        std::vector<std::uint8_t> zahlen;
        const QString text =
            SystemAbwickeln(2, menge({1, 2, 3, 4, 5, 6, 7, 8}), g1, 37, FesteBreiten(), reihen, zahlen);
        QCOMPARE(text, QStringLiteral("28"));
        QCOMPARE(g1.zeilen(), 29);
        QCOMPARE(zellen(g1, 1, 0, 8), QStringList({"   1", "1", "2", "3", "4", "5", "6", "4 Ri.", "4"}));
        QCOMPARE(zellen(g1, 28, 0, 8), QStringList({"  28", "3", "4", "5", "6", "7", "8", "4 Ri.", "4"}));
        // Rows of the dropped content do not come back when the table grows again.
        SystemAbwickeln(3, menge({1, 2, 3, 4, 5, 6, 7, 8, 9}), g1, 37, FesteBreiten(), reihen, zahlen);
        QCOMPARE(g1.zeilen(), 85);
        QCOMPARE(g1.text(28, 7), QStringLiteral("4 Ri."));
        for (int r = 29; r <= 84; ++r) {
            QVERIFY(g1.istLeer(r, 7));
            QVERIFY(g1.istLeer(r, 8));
        }
        QCOMPARE(g1.text(0, 1), QString());
    }

    void zweimalDrucken() {
        for (int s = 1; s <= 14; ++s) {
            Zahlenmenge kreuze;
            for (int z = 1; z <= System(s).Anzahl; ++z)
                kreuze.hinzufuegen(z + 10);
            Zeilentabelle g1(9, 30);
            std::vector<SystemReihe> reihen;
            std::vector<std::uint8_t> zahlen;
            SystemAbwickeln(s, kreuze, g1, 37, FesteBreiten(), reihen, zahlen);
            std::vector<QStringList> erstes;
            for (int r = 0; r < g1.zeilen(); ++r)
                erstes.push_back(zellen(g1, r, 0, 8));
            SystemAbwickeln(s, kreuze, g1, 37, FesteBreiten(), reihen, zahlen);
            QCOMPARE(g1.zeilen(), System(s).Reihen + 1);
            for (int r = 0; r < g1.zeilen(); ++r)
                QCOMPARE(zellen(g1, r, 0, 8), erstes[std::size_t(r)]);
        }
    }

    void teilsystemZahlen() {
        // "26/130" with the 26 numbers 20..45: placeholder k stands for 19 + k.
        Zahlenmenge kreuze;
        for (int z = 20; z <= 45; ++z)
            kreuze.hinzufuegen(z);
        Zeilentabelle g1(9, 30);
        std::vector<SystemReihe> reihen;
        std::vector<std::uint8_t> zahlen;
        QCOMPARE(SystemAbwickeln(13, kreuze, g1, 37, FesteBreiten(), reihen, zahlen), QStringLiteral("130"));
        QCOMPARE(zellen(g1, 130), texte("34 35 36 39 41 45"));
        QCOMPARE(g1.text(130, 0), QStringLiteral(" 130"));
    }
};

REMISATOR_CORE_TEST_MAIN(TstSysteme)
#include "tst_systeme.moc"
