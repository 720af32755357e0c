#include "cli/Aufruf.h"
#include "cli/Aufruffehler.h"
#include "support/TestMain.h"

namespace {

QByteArray nichts(const cli::Aufruf&, cli::Ausgabe&) {
    return {};
}

// A command beside its sub-command, each with its own arguments and options.
const QList<cli::Befehl> Befehle = {
    {.name = "system",
     .argumente = {"der Name des Systems"},
     .verwendung = "system NAME",
     .ausfuehren = nichts},
    {.name = "system bauen",
     .optionen = {{{"ziel"}, "DATEI"}},
     .argumente = {{}, "eine Datei"},
     .verwendung = "system bauen [DATEI] [--ziel DATEI]",
     .ausfuehren = nichts},
};

} // namespace

class TstAufruf : public QObject {
    Q_OBJECT

private slots:
    // The command whose words begin the line, the one of more words first; its own options only.
    void woerter_data() {
        QTest::addColumn<QStringList>("zeile");
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ein Wort") << QStringList{"system", "9/12", "3"} << "system"
                                  << QStringList{"9/12", "3"} << ""
                                  << "";
        QTest::newRow("zwei Wörter") << QStringList{"system", "bauen", "a.txt"} << "system bauen"
                                     << QStringList{"a.txt"} << ""
                                     << "";
        QTest::newRow("Option zwischen den Wörtern")
            << QStringList{"system", "--ziel", "z.txt", "bauen"} << "system bauen" << QStringList{} << "z.txt"
            << "";
        QTest::newRow("Option des Unterbefehls")
            << QStringList{"system", "9/12", "--ziel", "z.txt"} << "" << QStringList{} << ""
            << "Der Befehl \"system\" kennt die Option --ziel nicht.";
        QTest::newRow("Unterbefehl zählt selbst")
            << QStringList{"system", "bauen", "a", "b"} << "" << QStringList{} << ""
            << "Der Befehl \"system bauen\" nimmt nur eine Datei; \"b\" ist zu viel.";
        QTest::newRow("zweites Wort allein") << QStringList{"bauen"} << "" << QStringList{} << ""
                                             << "Unbekannter Befehl \"bauen\".";
        QTest::newRow("erstes Wort allein") << QStringList{"system"} << "" << QStringList{} << ""
                                            << "Dem Befehl \"system\" fehlt der Name des Systems.";
    }
    void woerter() {
        QFETCH(QStringList, zeile);
        QFETCH(QString, befehl);
        QFETCH(QStringList, argumente);
        QFETCH(QString, ziel);
        QFETCH(QString, meldung);
        try {
            const cli::Aufruf a = cli::Aufruf::lesen(QStringList{"remisator-cli"} + zeile, Befehle);
            QCOMPARE(a.befehl->name, befehl);
            QCOMPARE(a.argumente, argumente);
            QCOMPARE(a.wert("ziel"), ziel);
            QCOMPARE(QString(), meldung);
        } catch (const cli::Aufruffehler& f) {
            QCOMPARE(f.text(), meldung);
        }
    }
};

REMISATOR_CORE_TEST_MAIN(TstAufruf)
#include "tst_aufruf.moc"
