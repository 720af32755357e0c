#include "core/grund/Systemname.h"
#include "support/Kommandozeile.h"
#include "support/Spieltagssatz.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cstdio>

using testhilfe::dateiSchreiben;
using testhilfe::lauf;
using testhilfe::Lauf;
using testhilfe::Satz;

namespace {

// The small example of the commands: two matchdays (the first with odds), a short file, two slips.
struct Beispiel {
    QTemporaryDir wurzel;
    QString tage = wurzel.filePath(QStringLiteral("tage"));
    Beispiel() {
        QDir(wurzel.path()).mkdir(QStringLiteral("tage"));
        dateiSchreiben(tage + "/a.sp45", Satz::mitGewinnreihe(44457, {1, 2, 3, 4, 5, 6}, 7).b);
        dateiSchreiben(tage + "/b.sp45", Satz::mitGewinnreihe(44464, {1, 2, 10, 11, 12, 13}, 20).b);
        dateiSchreiben(tage + "/kurz.sp45", QByteArray(100, 'x'));
        dateiSchreiben(tage + "/18.09.2021.quo", "1.000,00\r\n100,00\r\n50,00\r\n10,00\r\n5,00\r\n1,50\r\n");
        dateiSchreiben(pfad("s1.txt"), "1,2,3,4,5,6\r\n1,2,3,10,11,7\r\n1,2,10,11,12,20\r\n");
        dateiSchreiben(pfad("s2.txt"), "1,2,3,4,5,6\r\n");
        dateiSchreiben(pfad("abc.txt"), "1,2,3,4,5,6\r\n1,abc\r\n");
    }
    QString pfad(const QString& name) const { return wurzel.filePath(name); }
    QStringList ersetzt(QStringList argumente) const {
        for (QString& a : argumente)
            a.replace(QStringLiteral("{t}"), wurzel.path());
        return argumente;
    }
};

} // namespace

class TstStatistikbefehle : public QObject {
    Q_OBJECT

private slots:
    void statistikJson() {
        const Beispiel b;
        const Lauf l = lauf({"statistik", b.pfad("s1.txt"), "--ordner", b.tage, "--json"});
        QCOMPARE(l.fehler, QByteArray());
        QCOMPARE(l.code, 0);
        const qsizetype h = l.aus.indexOf(",\"haeufigkeit\":[");
        QVERIFY(h > 0);
        const QString leer = QStringLiteral("{\"anzahl\":0,\"gewinn\":null,\"gkl\":\"%1\"}");
        QCOMPARE(
            QString::fromUtf8(l.aus.left(h)),
            QStringLiteral("{\"spieltage\":[{\"datei\":\"a.sp45\",\"datum\":\"18.09.2021\","
                           "\"gewinnreihe\":{\"zahlen\":[1,2,3,4,5,6],\"zs\":7},\"raenge\":["
                           "{\"anzahl\":1,\"gewinn\":\"1.000,00\",\"gkl\":\"6 Ri.\"},") +
                leer.arg("5 + ZS") + u',' + leer.arg("5 Ri.") + u',' + leer.arg("4 Ri.") +
                QStringLiteral(",{\"anzahl\":1,\"gewinn\":\"5,00\",\"gkl\":\"3 + ZS\"},") +
                leer.arg("3 Ri.") +
                QStringLiteral("],\"gesamt\":\"1.005,00\",\"einsatz\":\"0,00\",\"netto\":\"1.005,00\","
                               "\"bilanz\":\"1.005,00\"},{\"datei\":\"b.sp45\",\"datum\":\"25.09.2021\","
                               "\"gewinnreihe\":{\"zahlen\":[1,2,10,11,12,13],\"zs\":20},\"raenge\":[") +
                leer.arg("6 Ri.") + QStringLiteral(",{\"anzahl\":1,\"gewinn\":null,\"gkl\":\"5 + ZS\"},") +
                leer.arg("5 Ri.") + QStringLiteral(",{\"anzahl\":1,\"gewinn\":null,\"gkl\":\"4 Ri.\"},") +
                leer.arg("3 + ZS") + u',' + leer.arg("3 Ri.") +
                QStringLiteral("],\"gesamt\":\"0,00\",\"einsatz\":\"0,00\",\"netto\":\"0,00\","
                               "\"bilanz\":\"1.005,00\"}],\"uebersprungen\":[{\"datei\":\"kurz.sp45\","
                               "\"grund\":\"Die Datei \\\"%1/kurz.sp45\\\" enthält keinen Spieltag.\\n\\n"
                               "Sie ist 100 Bytes groß, ein Spieltag umfasst 3.792 Bytes.\"}]")
                    .arg(b.tage));
        QVERIFY(l.aus.contains("}],\"summe\":{\"reihen\":3,"));
        QCOMPARE(l.aus.count("{\"zahl\":"), 45);
        QVERIFY(l.aus.contains("{\"zahl\":7,\"gewinnzahl\":0,\"zusatzzahl\":1,\"fehlt_seit\":2}"));
    }

    void statistikText() {
        const Beispiel b;
        const Lauf l = lauf({"statistik", b.pfad("s1.txt"), "--ordner", b.tage});
        QCOMPARE(l.code, 0);
        const QString aus = QString::fromUtf8(l.aus);
        QVERIFY2(aus.startsWith(QStringLiteral("Spielschein:  s1.txt, 3 Reihen\n"
                                               "Spieltage:    2 ausgewertet, 1 übersprungen (%1)\n\n"
                                               "Datum       Datei   Gewinnreihe             Quoten          "
                                               "6 Ri.  5 + ZS  5 Ri.  4 Ri.  "
                                               "3 + ZS  3 Ri.    Gewinn\n"
                                               "18.09.2021  a.sp45  1 2 3 4 5 6  ZS 7       18.09.2021.quo  "
                                               "    1       0      0      0  "
                                               "     1      0  1.005,00\n"
                                               "25.09.2021  b.sp45  1 2 10 11 12 13  ZS 20  keine            "
                                               "   0       1      0      1  "
                                               "     0      0      0,00\n\n"
                                               "Gesamtgewinn: 1.005,00\n"
                                               "Längste Serie ohne Gewinn: 0 Spieltage\n\n"
                                               "Übersprungen:\n"
                                               "  kurz.sp45: Die Datei \"%1/kurz.sp45\" enthält keinen "
                                               "Spieltag. Sie ist 100 Bytes groß, "
                                               "ein Spieltag umfasst 3.792 Bytes.\n\n"
                                               "Zahl  Gewinnzahl  Zusatzzahl  fehlt seit\n"
                                               "   1           2           0           0\n")
                                    .arg(b.tage)),
                 l.aus.constData());
        QVERIFY(aus.endsWith(QStringLiteral("  45           0           0           2\n")));
    }

    void scheineJson() {
        const Beispiel b;
        const Lauf l = lauf(b.ersetzt({"scheine", "{t}/s1.txt", "{t}/s2.txt", "--gewinnreihe", "1,2,3,4,5,6",
                                       "--zs", "7", "--quoten", "{t}/tage/18.09.2021.quo", "--json"}));
        QCOMPARE(l.fehler, QByteArray());
        QCOMPARE(l.code, 0);
        const QString leer = QStringLiteral("{\"anzahl\":0,\"gewinn\":null,\"gkl\":\"%1\"}");
        const QString sechs = QStringLiteral("{\"anzahl\":1,\"gewinn\":\"1.000,00\",\"gkl\":\"6 Ri.\"}");
        QCOMPARE(
            QString::fromUtf8(l.aus),
            QStringLiteral("{\"gewinnreihe\":{\"zahlen\":[1,2,3,4,5,6],\"zs\":7},\"scheine\":["
                           "{\"datei\":\"s1.txt\",\"reihen\":3,\"raenge\":[") +
                sechs + u',' + leer.arg("5 + ZS") + u',' + leer.arg("5 Ri.") + u',' + leer.arg("4 Ri.") +
                QStringLiteral(",{\"anzahl\":1,\"gewinn\":\"5,00\",\"gkl\":\"3 + ZS\"},") +
                leer.arg("3 Ri.") +
                QStringLiteral("],\"gesamt\":\"1.005,00\"},{\"datei\":\"s2.txt\",\"reihen\":1,\"raenge\":[") +
                sechs + u',' + leer.arg("5 + ZS") + u',' + leer.arg("5 Ri.") + u',' + leer.arg("4 Ri.") +
                u',' + leer.arg("3 + ZS") + u',' + leer.arg("3 Ri.") +
                QStringLiteral("],\"gesamt\":\"1.000,00\"}]}\n"));
    }

    // The winning row of a matchday and the odds beside it, as "auswerten" takes them.
    void scheineText() {
        const Beispiel b;
        const Lauf l =
            lauf(b.ersetzt({"scheine", "{t}/s1.txt", "{t}/s2.txt", "--spieltag", "{t}/tage/a.sp45"}));
        QCOMPARE(l.fehler, QByteArray());
        QCOMPARE(l.code, 0);
        QCOMPARE(
            QString::fromUtf8(l.aus),
            QStringLiteral("Gewinnreihe:  1 2 3 4 5 6  ZS 7 (Spieltag vom 18.09.2021)\n"
                           "Quoten:       18.09.2021.quo\n\n"
                           "Spielschein  Reihen  6 Ri.  5 + ZS  5 Ri.  4 Ri.  3 + ZS  3 Ri.    Gewinn\n"
                           "s1.txt            3      1       0      0      0       1      0  1.005,00\n"
                           "s2.txt            1      1       0      0      0       0      0  1.000,00\n\n"
                           "Gesamtgewinn: 2.005,00\n"));
    }

    // Without a winning row nothing is evaluated, and no total pretends otherwise.
    void scheineOhneGewinnreihe() {
        const Beispiel b;
        const Lauf l = lauf(b.ersetzt({"scheine", "{t}/s1.txt", "--gewinnreihe", ""}));
        QCOMPARE(l.code, 0);
        QCOMPARE(QString::fromUtf8(l.aus),
                 QStringLiteral("Gewinnreihe:  leer (eingegeben)\n"
                                "Quoten:       keine\n\n"
                                "Die Gewinnreihe ist leer: es wurde nichts ausgewertet.\n"));
    }

    // A folder whose name is not valid UTF-8 is read by its name as the system gives it.
    void statistikOrdnerNichtUtf8() {
        const Beispiel b;
        const QByteArray fremd = QFile::encodeName(b.wurzel.path()) + "/tage-\xE9";
        QCOMPARE(::rename(QFile::encodeName(b.tage).constData(), fremd.constData()), 0);
        // Back, so that the temporary folder can remove it.
        const auto zurueck =
            qScopeGuard([&] { ::rename(fremd.constData(), QFile::encodeName(b.tage).constData()); });
        const Lauf l = lauf({"statistik", b.pfad("s1.txt"), "--ordner", core::NameAusBytes(fremd)});
        QCOMPARE(l.fehler, QByteArray());
        QCOMPARE(l.code, 0);
        QVERIFY2(l.aus.contains("Spieltage:    2 ausgewertet, 1 übersprungen (" +
                                QFile::encodeName(b.wurzel.path()) + "/tage-\xEF\xBF\xBD)\n"),
                 l.aus.constData());
    }

    // With a stake: per matchday the stake, the net and the balance, and the totals with the return.
    void statistikMitEinsatz() {
        const Beispiel b;
        const Lauf l = lauf({"statistik", b.pfad("s1.txt"), "--ordner", b.tage, "--einsatz", "0,50"});
        QCOMPARE(l.code, 0);
        const QString aus = QString::fromUtf8(l.aus);
        QVERIFY2(aus.contains(QStringLiteral("3 Ri.    Gewinn  Einsatz     Netto    Bilanz\n")),
                 l.aus.constData());
        QVERIFY2(aus.contains(QStringLiteral("0  1.005,00     1,50  1.003,50  1.003,50\n")),
                 l.aus.constData());
        QVERIFY(aus.contains(QStringLiteral("0      0,00     1,50     -1,50  1.002,00\n")));
        QVERIFY(aus.contains(QStringLiteral("Gesamtgewinn: 1.005,00\n"
                                            "Einsatz:      3,00 (3 Reihen zu 0,50 je Spieltag)\n"
                                            "Netto:        1.002,00\n"
                                            "Rendite:      33.400,00 %\n"
                                            "Längste Serie ohne Gewinn: 0 Spieltage\n")));
    }

    // The period picks the matchdays; the totals and the numbers follow it.
    void statistikZeitraum_data() {
        QTest::addColumn<QStringList>("optionen");
        QTest::addColumn<QStringList>("daten");
        QTest::addColumn<QString>("summe");
        QTest::addColumn<int>("fehltSeit1");
        QTest::newRow("alle mit Einsatz")
            << QStringList{"--einsatz", "0,50"} << QStringList{"18.09.2021", "25.09.2021"}
            << "{\"reihen\":3,\"einsatz_je_reihe\":\"0,50\",\"einsatz\":\"3,00\",\"gewinn\":\"1.005,00\","
               "\"netto\":\"1.002,00\",\"bilanz\":\"1.002,00\",\"rendite\":\"33.400,00\",\"ohne_gewinn\":0}"
            << 0;
        QTest::newRow("die letzte")
            << QStringList{"--einsatz", "1", "--letzte", "1"} << QStringList{"25.09.2021"}
            << "{\"reihen\":3,\"einsatz_je_reihe\":\"1,00\",\"einsatz\":\"3,00\",\"gewinn\":\"0,00\","
               "\"netto\":\"-3,00\",\"bilanz\":\"-3,00\",\"rendite\":\"-100,00\",\"ohne_gewinn\":0}"
            << 0;
        QTest::newRow("bis, ohne Einsatz")
            << QStringList{"--bis", "18.09.2021"} << QStringList{"18.09.2021"}
            << "{\"reihen\":3,\"einsatz_je_reihe\":\"0,00\",\"einsatz\":\"0,00\",\"gewinn\":\"1.005,00\","
               "\"netto\":\"1.005,00\",\"bilanz\":\"1.005,00\",\"rendite\":null,\"ohne_gewinn\":0}"
            << 0;
        QTest::newRow("von")
            << QStringList{"--von", "19.09.2021", "--bis", "25.09.2021"} << QStringList{"25.09.2021"}
            << "{\"reihen\":3,\"einsatz_je_reihe\":\"0,00\",\"einsatz\":\"0,00\",\"gewinn\":\"0,00\","
               "\"netto\":\"0,00\",\"bilanz\":\"0,00\",\"rendite\":null,\"ohne_gewinn\":0}"
            << 0;
        QTest::newRow("kein Spieltag im Zeitraum")
            << QStringList{"--von", "01.01.2030", "--einsatz", "2"} << QStringList{}
            << "{\"reihen\":3,\"einsatz_je_reihe\":\"2,00\",\"einsatz\":\"0,00\",\"gewinn\":\"0,00\","
               "\"netto\":\"0,00\",\"bilanz\":\"0,00\",\"rendite\":null,\"ohne_gewinn\":0}"
            << 0;
    }
    void statistikZeitraum() {
        QFETCH(QStringList, optionen);
        QFETCH(QStringList, daten);
        QFETCH(QString, summe);
        QFETCH(int, fehltSeit1);
        const Beispiel b;
        const Lauf l =
            lauf(QStringList{"statistik", b.pfad("s1.txt"), "--ordner", b.tage, "--json"} + optionen);
        QCOMPARE(l.fehler, QByteArray());
        QCOMPARE(l.code, 0);
        QVERIFY(l.aus.endsWith(",\"summe\":" + summe.toUtf8() + "}\n"));
        const QJsonObject o = QJsonDocument::fromJson(l.aus).object();
        QStringList gefunden;
        for (const QJsonValue& t : o.value("spieltage").toArray())
            gefunden.append(t.toObject().value("datum").toString());
        QCOMPARE(gefunden, daten);
        QCOMPARE(o.value("haeufigkeit").toArray().at(0).toObject().value("fehlt_seit").toInt(), fehltSeit1);
    }

    // A period without a matchday says so.
    void leererZeitraumText() {
        const Beispiel b;
        const Lauf l =
            lauf({"statistik", b.pfad("s1.txt"), "--ordner", b.tage, "--letzte", "2", "--von", "x"});
        QCOMPARE(l.code, 1);
        const Lauf leer = lauf({"statistik", b.pfad("s1.txt"), "--ordner", b.tage, "--bis", "01.01.2000"});
        QCOMPARE(leer.code, 0);
        QVERIFY2(leer.aus.contains("Spieltage:    0 ausgewertet, 1 übersprungen"), leer.aus.constData());
        QVERIFY(leer.aus.contains("Kein Spieltag wurde ausgewertet.\n"));
    }

    // Bad usage: exit 1, the message first, nothing on stdout.
    void verwendungsfehler_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ohne Ordner")
            << QStringList{"statistik", "s.txt"}
            << "\"statistik\" nimmt die Spieltage aus einem Ordner: --ordner ORDNER.";
        QTest::newRow("Ordner ohne Wert")
            << QStringList{"statistik", "s.txt", "--ordner"} << "Nach --ordner fehlt der Wert.";
        QTest::newRow("statistik ohne Schein")
            << QStringList{"statistik", "--ordner", "."} << "Dem Befehl \"statistik\" fehlt der Spielschein.";
        QTest::newRow("statistik mit Gewinnreihe")
            << QStringList{"statistik", "a.txt", "--ordner", ".", "--gewinnreihe", "1"}
            << "Der Befehl \"statistik\" kennt die Option --gewinnreihe nicht.";
        QTest::newRow("scheine ohne Schein") << QStringList{"scheine", "--gewinnreihe", "1"}
                                             << "Dem Befehl \"scheine\" fehlt der Spielschein.";
        QTest::newRow("scheine ohne Gewinnreihe")
            << QStringList{"scheine", "a.txt"}
            << "\"scheine\" nimmt die Gewinnreihe entweder aus --spieltag oder aus --gewinnreihe.";
        QTest::newRow("scheine nach Rang")
            << QStringList{"scheine", "a.txt", "--gewinnreihe", "1", "--nach-rang"}
            << "Der Befehl \"scheine\" kennt die Option --nach-rang nicht.";
        QTest::newRow("letzte null") << QStringList{"statistik", "a.txt", "--ordner", ".", "--letzte", "0"}
                                     << "--letzte nimmt eine Anzahl von Spieltagen ab 1, nicht \"0\".";
        QTest::newRow("letzte und von")
            << QStringList{"statistik", "a.txt", "--ordner", ".", "--letzte", "2", "--von", "01.01.2024"}
            << "--letzte lässt sich nicht mit --von oder --bis verbinden.";
        QTest::newRow("kein Datum") << QStringList{"statistik", "a.txt", "--ordner",
                                                   ".",         "--bis", "31.02.2024"}
                                    << "\"31.02.2024\" ist kein Datum der Form TT.MM.JJJJ wie 18.09.2021.";
        QTest::newRow("auswerten mit Ordner")
            << QStringList{"auswerten", "a.txt", "--gewinnreihe", "1", "--ordner", "."}
            << "Der Befehl \"auswerten\" kennt die Option --ordner nicht.";
    }
    void verwendungsfehler() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const Lauf l = lauf(argumente);
        QCOMPARE(l.code, 1);
        QCOMPARE(l.aus, QByteArray());
        QCOMPARE(QString::fromUtf8(l.fehler).section(u'\n', 0, 0),
                 QStringLiteral("remisator-cli: ") + meldung);
    }

    // Bad data: exit 2 with the message, nothing on stdout; one bad slip of several stops the command.
    void datenfehler_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Ordner fehlt")
            << QStringList{"statistik", "{t}/s1.txt", "--ordner", "{t}/fehlt"} << testhilfe::dateiFehlt("{t}/fehlt");
        QTest::newRow("Schein fehlt") << QStringList{"statistik", "{t}/fehlt.txt", "--ordner", "{t}/tage"}
                                      << testhilfe::dateiFehlt("{t}/fehlt.txt");
        QTest::newRow("statistik: keine Zahl")
            << QStringList{"statistik", "{t}/abc.txt", "--ordner", "{t}/tage"}
            << "''abc'' ist kein gültiger Integer-Wert";
        QTest::newRow("Einsatz kein Betrag")
            << QStringList{"statistik", "{t}/s1.txt", "--ordner", "{t}/tage", "--einsatz", "1,234"}
            << "\"1,234\" ist kein Einsatz. Der Einsatz je Reihe ist ein Betrag in Euro wie 0,50 oder "
               "1.250,00: Ziffern, wahlweise Punkte zwischen den Tausendern und ein Komma vor höchstens zwei "
               "Nachkommastellen.";
        QTest::newRow("scheine: einer fehlt")
            << QStringList{"scheine", "{t}/s1.txt", "{t}/fehlt.txt", "--gewinnreihe", "1"}
            << testhilfe::dateiFehlt("{t}/fehlt.txt");
        QTest::newRow("scheine: keine Zahl")
            << QStringList{"scheine", "{t}/s1.txt", "{t}/abc.txt", "--gewinnreihe", "1"}
            << "{t}/abc.txt: ''abc'' ist kein gültiger Integer-Wert";
        QTest::newRow("scheine: kurzer Spieltag")
            << QStringList{"scheine", "{t}/s1.txt", "--spieltag", "{t}/tage/kurz.sp45"}
            << "Die Datei \"{t}/tage/kurz.sp45\" enthält keinen Spieltag.\n\n"
               "Sie ist 100 Bytes groß, ein Spieltag umfasst 3.792 Bytes.";
    }
    void datenfehler() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const Beispiel b;
        const Lauf l = lauf(b.ersetzt(argumente));
        QCOMPARE(QString::fromUtf8(l.fehler),
                 meldung.replace(QStringLiteral("{t}"), b.wurzel.path()) + u'\n');
        QCOMPARE(l.aus, QByteArray());
        QCOMPARE(l.code, 2);
    }
};

REMISATOR_CORE_TEST_MAIN(TstStatistikbefehle)
#include "tst_statistikbefehle.moc"
