#include "core/grund/Fehler.h"
#include "core/werkstatt/EigenesSystem.h"
#include "support/Dateigrenze.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"

using namespace core;

namespace {

// "9/12" of the catalogue: 4 right whenever 4 winning numbers are among its 9.
const char* const Neun = "1 2 3 4 5 6\r\n1 2 3 4 7 8\r\n1 2 3 6 7 9\r\n1 2 4 5 8 9\r\n1 2 5 6 7 8\r\n"
                         "1 3 4 6 8 9\r\n1 3 5 7 8 9\r\n1 4 5 6 7 9\r\n2 3 4 5 7 9\r\n2 3 5 6 8 9\r\n"
                         "2 4 6 7 8 9\r\n3 4 5 6 7 8\r\n";

QByteArray neun(const char* garantie = "4 wenn 4") {
    return QByteArray("Remisator-System 1\r\nName: Neun\r\nZahlen: 9\r\nGarantie: ") + garantie +
           "\r\nReihen: 12\r\n" + Neun;
}

std::uint64_t maske(std::initializer_list<int> p) {
    std::uint64_t m = 0;
    for (const int x : p)
        m |= std::uint64_t(1) << (x - 1);
    return m;
}

} // namespace

class TestEigenesSystem : public QObject {
    Q_OBJECT

private slots:
    void lesen() {
        const EigenesSystem s = EigenesSystem::lesen(neun());
        QCOMPARE(s.name, QStringLiteral("Neun"));
        QCOMPARE(s.zahlen, 9);
        QCOMPARE(s.garantie, (Garantie{4, 4}));
        QCOMPARE(s.reihen.size(), std::size_t(12));
        QCOMPARE(s.reihen.front(), maske({1, 2, 3, 4, 5, 6}));
        QCOMPARE(s.reihen.back(), maske({3, 4, 5, 6, 7, 8}));
        QVERIFY(s.bank.empty());
    }

    // Written back byte for byte, whatever the line ends and the order of the rows read.
    void schreiben() {
        EigenesSystem s = EigenesSystem::lesen(QByteArray(neun()).replace("\r\n", "\n"));
        std::reverse(s.reihen.begin(), s.reihen.end());
        QCOMPARE(s.text(), neun());
        s.name = QStringLiteral("Zwölf €");
        s.bank = {2};
        s.reihen = {maske({1, 2, 3, 4, 5, 6}), maske({2, 5, 6, 7, 8, 9})};
        s.garantie = {2, 6};
        QCOMPARE(s.text(), QByteArray("Remisator-System 1\r\nName: Zw\xF6lf \x80\r\nZahlen: 9\r\nBank: 2\r\n"
                                      "Garantie: 2 wenn 6\r\nReihen: 2\r\n1 2 3 4 5 6\r\n2 5 6 7 8 9\r\n"));
        s.name = QStringLiteral("Kreis ○");
        QVERIFY_THROWS_EXCEPTION(Fehler, s.text());
    }

    void falsch_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("grund");
        const QByteArray kopf =
            "Remisator-System 1\r\nName: X\r\nZahlen: 9\r\nGarantie: 2 wenn 2\r\nReihen: 1\r\n";
        QTest::newRow("leer") << QByteArray() << "Die erste Zeile muss \"Remisator-System 1\" lauten.";
        QTest::newRow("fremde Kennung")
            << QByteArray("Remisator-System 2\r\n") << "Die erste Zeile muss \"Remisator-System 1\" lauten.";
        QTest::newRow("ohne Name") << QByteArray("Remisator-System 1\r\nZahlen: 9\r\n")
                                   << "Zeile 2 muss mit \"Name: \" beginnen.";
        QTest::newRow("leerer Name") << QByteArray("Remisator-System 1\r\nName:  \r\n")
                                     << "Das System hat keinen Namen.";
        QTest::newRow("6 Zahlen") << QByteArray("Remisator-System 1\r\nName: X\r\nZahlen: 6\r\n")
                                  << "Zeile 3: ein System hat 7 bis 45 Zahlen.";
        QTest::newRow("46 Zahlen") << QByteArray("Remisator-System 1\r\nName: X\r\nZahlen: 46\r\n")
                                   << "Zeile 3: ein System hat 7 bis 45 Zahlen.";
        QTest::newRow("Zahlen mit Vorzeichen")
            << QByteArray("Remisator-System 1\r\nName: X\r\nZahlen: +9\r\n")
            << "Zeile 3: ein System hat 7 bis 45 Zahlen.";
        QTest::newRow("Bank 10 bei 9")
            << QByteArray("Remisator-System 1\r\nName: X\r\nZahlen: 9\r\nBank: 10\r\n")
            << "Zeile 4: die Bank nennt verschiedene Platzhalter von 1 bis 9.";
        QTest::newRow("Bank doppelt")
            << QByteArray("Remisator-System 1\r\nName: X\r\nZahlen: 9\r\nBank: 2 2\r\n")
            << "Zeile 4: die Bank nennt verschiedene Platzhalter von 1 bis 9.";
        QTest::newRow("Garantie 3 wenn 2")
            << QByteArray("Remisator-System 1\r\nName: X\r\nZahlen: 9\r\nGarantie: 3 wenn 2\r\n")
            << "Zeile 4: die Garantie lautet \"T wenn M\" mit 2 ≤ T ≤ 5 und T ≤ M ≤ 6.";
        QTest::newRow("Garantie 6 wenn 6")
            << QByteArray("Remisator-System 1\r\nName: X\r\nZahlen: 9\r\nGarantie: 6 wenn 6\r\n")
            << "Zeile 4: die Garantie lautet \"T wenn M\" mit 2 ≤ T ≤ 5 und T ≤ M ≤ 6.";
        QTest::newRow("0 Reihen")
            << QByteArray("Remisator-System 1\r\nName: X\r\nZahlen: 9\r\nGarantie: 2 wenn 2\r\nReihen: 0\r\n")
            << "Zeile 5: ein System hat 1 bis 100000 Reihen.";
        QTest::newRow("Reihe fehlt") << kopf << "Die Datei endet nach 0 von 1 Reihen.";
        QTest::newRow("fünf Platzhalter") << kopf + "1 2 3 4 5\r\n"
                                          << "Zeile 6: eine Reihe hat sechs Platzhalter.";
        QTest::newRow("Platzhalter 10") << kopf + "1 2 3 4 5 10\r\n"
                                        << "Zeile 6: 10 ist kein Platzhalter von 1 bis 9.";
        QTest::newRow("Platzhalter 0") << kopf + "0 2 3 4 5 6\r\n"
                                       << "Zeile 6: 0 ist kein Platzhalter von 1 bis 9.";
        QTest::newRow("zweimal") << kopf + "1 2 3 4 5 5\r\n"
                                 << "Zeile 6: ein Platzhalter steht zweimal in der Reihe.";
        QTest::newRow("Komma") << kopf + "1,2,3,4,5,6\r\n"
                               << "Zeile 6: eine Reihe hat sechs Platzhalter.";
        QTest::newRow("mehr Reihen") << kopf + "1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n"
                                     << "Zeile 7: nach der letzten Reihe folgt noch Text.";
        QTest::newRow("ohne Bankzahl") << QByteArray("Remisator-System 1\r\nName: X\r\nZahlen: 9\r\nBank: "
                                                     "7\r\nGarantie: 2 wenn 2\r\nReihen: 1\r\n"
                                                     "1 2 3 4 5 6\r\n")
                                       << "Zeile 7: der Reihe fehlt eine Bankzahl.";
        // "9/12" keeps 4 wenn 4 but not 5 wenn 5: 126 5-sets, 12 rows holding 6 each
        QTest::newRow("Garantie gilt nicht")
            << neun("5 wenn 5")
            << "Die Garantie \"5 wenn 5\" gilt nicht: 54 Fälle bleiben unter 5 Richtigen.";
    }
    void falsch() {
        QFETCH(QByteArray, text);
        QFETCH(QString, grund);
        try {
            EigenesSystem::lesen(text);
            QFAIL("gelesen");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(), grund);
        }
    }

    // Blank lines after the last row and a byte-order mark are fine.
    void nachsichtig() {
        const EigenesSystem s = EigenesSystem::lesen(QByteArray("\xEF\xBB\xBF") + neun() + "\r\n  \r\n");
        QCOMPARE(s.reihen.size(), std::size_t(12));
    }

    // A failed write leaves the old file whole; a file that cannot be read names itself.
    void datei() {
        const QString pfad = QDir::tempPath() + QStringLiteral("/neun.txt");
        EigenesSystem s = EigenesSystem::lesen(neun());
        s.speichern(pfad);
        QCOMPARE(EigenesSystem::dateiLesen(pfad).reihen, s.reihen);
        s.name = QStringLiteral("Neu");
        testhilfe::mitDateigrenze(20, [&] { QVERIFY_THROWS_EXCEPTION(Fehler, s.speichern(pfad)); });
        QCOMPARE(testhilfe::dateiLesen(pfad), neun());
        testhilfe::dateiSchreiben(pfad, "Remisator-System 1\r\n");
        try {
            EigenesSystem::dateiLesen(pfad);
            QFAIL("gelesen");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(),
                     QStringLiteral("Die Datei \"%1\" enthält kein gültiges eigenes System.\n\nZeile 2 muss "
                                    "mit \"Name: \" beginnen.")
                         .arg(pfad));
        }
        QVERIFY_THROWS_EXCEPTION(Fehler, EigenesSystem::dateiLesen(pfad + QStringLiteral(".fehlt")));
    }
};

REMISATOR_CORE_TEST_MAIN(TestEigenesSystem)
#include "tst_eigenessystem.moc"
