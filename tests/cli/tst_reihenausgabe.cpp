#include "cli/Reihenausgabe.h"
#include "cli/SpeicherAusgabe.h"
#include "core/schein/Zeilentabelle.h"
#include "support/TestMain.h"

using core::Zeilentabelle;

namespace {

// A row of the row grid: its label (a number, or any text), six numbers and the "GKl." column.
struct Reihe {
    QString label;
    QStringList zahlen;
    QString gkl;
};

QByteArray text(const QList<Reihe>& reihen, qsizetype block) {
    Zeilentabelle t(9, int(reihen.size()) + 1);
    for (int r = 1; r <= reihen.size(); ++r) {
        const Reihe& reihe = reihen[r - 1];
        t.setText(r, 0, reihe.label);
        for (int c = 1; c <= reihe.zahlen.size(); ++c)
            t.setText(r, c, reihe.zahlen[c - 1]);
        t.setText(r, 7, reihe.gkl);
    }
    QByteArray aus;
    cli::SpeicherAusgabe speicher(aus, block);
    cli::Reihentext(t, speicher);
    speicher.abschliessen();
    return aus;
}

const QStringList Sechs = {"1", "2", "3", "4", "5", "6"};

} // namespace

class TstReihenausgabe : public QObject {
    Q_OBJECT

private slots:
    // Labels that follow each other are counted up in place, also where they gain a digit;
    // labels out of order, padded ones and texts are written anew.
    void beschriftungen_data() {
        QTest::addColumn<QList<Reihe>>("reihen");
        QTest::addColumn<QByteArray>("erwartet");
        // Every column as wide as its widest cell: numbers below 10 give columns one wide.
        const QByteArray kopf = "Reihe  1  2  3  4  5  6  GKl.\n";
        QTest::newRow("8 bis 11") << QList<Reihe>{{"8", Sechs, "0"},
                                                  {"9", {"10", "20", "30", "40", "45", "9"}, "6 Ri."},
                                                  {"10", Sechs, "2"},
                                                  {"11", Sechs, "3 + ZS"}}
                                  << QByteArray("Reihe   1   2   3   4   5  6  GKl.\n"
                                                "    8   1   2   3   4   5  6  0\n"
                                                "    9  10  20  30  40  45  9  6 Ri.\n"
                                                "   10   1   2   3   4   5  6  2\n"
                                                "   11   1   2   3   4   5  6  3 + ZS\n");
        QTest::newRow("99 bis 101, dann 5 und 6") << QList<Reihe>{{"99", Sechs, "1"},
                                                                  {"100", Sechs, "1"},
                                                                  {"101", Sechs, "1"},
                                                                  {"5", Sechs, "1"},
                                                                  {"6", Sechs, "1"}}
                                                  << kopf + "   99  1  2  3  4  5  6  1\n"
                                                            "  100  1  2  3  4  5  6  1\n"
                                                            "  101  1  2  3  4  5  6  1\n"
                                                            "    5  1  2  3  4  5  6  1\n"
                                                            "    6  1  2  3  4  5  6  1\n";
        QTest::newRow("sieben Stellen")
            << QList<Reihe>{{"999999", Sechs, "0"}, {"1000000", Sechs, "0"}, {"1000001", Sechs, "0"}}
            << QByteArray("  Reihe  1  2  3  4  5  6  GKl.\n"
                          " 999999  1  2  3  4  5  6  0\n"
                          "1000000  1  2  3  4  5  6  0\n"
                          "1000001  1  2  3  4  5  6  0\n");
        QTest::newRow("Text und Blanks dazwischen")
            << QList<Reihe>{{"1", Sechs, "0"}, {"a", Sechs, "0"}, {"  2", Sechs, "0"}, {"3", Sechs, ""}}
            << kopf + "    1  1  2  3  4  5  6  0\n"
                      "    a  1  2  3  4  5  6  0\n"
                      "    2  1  2  3  4  5  6  0\n"
                      "    3  1  2  3  4  5  6\n";
        QTest::newRow("dreistellige Zahl, leere Zelle")
            << QList<Reihe>{{"1", {"100", "2", "", "4", "5", "6"}, "0"}, {"2", Sechs, "0"}}
            << QByteArray("Reihe    1  2  3  4  5  6  GKl.\n"
                          "    1  100  2     4  5  6  0\n"
                          "    2    1  2  3  4  5  6  0\n");
    }
    void beschriftungen() {
        QFETCH(QList<Reihe>, reihen);
        QFETCH(QByteArray, erwartet);
        for (const qsizetype block : {qsizetype(1), qsizetype(7), cli::Ausgabe::Standardblock})
            QCOMPARE(text(reihen, block), erwartet);
    }
};

REMISATOR_CORE_TEST_MAIN(TstReihenausgabe)
#include "tst_reihenausgabe.moc"
