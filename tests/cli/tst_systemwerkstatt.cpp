#include "support/Deckung.h"
#include "support/Kommandozeile.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using testhilfe::lauf;
using testhilfe::Lauf;

namespace {

QJsonObject json(const Lauf& l) {
    return QJsonDocument::fromJson(l.aus).object();
}

QStringList schluessel(const QJsonObject& o) {
    QStringList k = o.keys();
    k.sort();
    return k;
}

// The rows of a JSON array as "1 2 3 4 5 6".
QStringList reihenTexte(const QJsonValue& v) {
    QStringList t;
    for (const QJsonValue& r : v.toArray()) {
        QStringList z;
        for (const QJsonValue& x : r.toArray())
            z.append(QString::number(x.toInt()));
        t.append(z.join(u' '));
    }
    return t;
}

QList<int> zahlen(const QJsonValue& v) {
    QList<int> z;
    for (const QJsonValue& x : v.toArray())
        z.append(x.toInt(-1));
    return z;
}

} // namespace

class TstSystemwerkstatt : public QObject {
    Q_OBJECT
    QTemporaryDir ordner;

private slots:
    // 10 numbers, 3 wenn 3: the known best of 10 rows is reached, and every 3-set is covered.
    void bauenJson() {
        const Lauf l =
            lauf({"system", "bauen", "--anzahl", "10", "--garantie", "3/3", "--saat", "7", "--json"});
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(schluessel(o), QStringList({"abdeckung", "anzahl_reihen", "bank", "bester_bekannter",
                                             "garantie", "reihen", "sekunden", "untere_schranke", "zahlen"}));
        QCOMPARE(zahlen(o["zahlen"]), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(zahlen(o["bank"]), QList<int>());
        QCOMPARE(o["garantie"].toObject()["richtige"].toInt(), 3);
        QCOMPARE(o["garantie"].toObject()["wenn"].toInt(), 3);
        QCOMPARE(o["anzahl_reihen"].toInt(), 10);
        QCOMPARE(o["reihen"].toArray().size(), 10);
        QCOMPARE(o["bester_bekannter"].toInt(), 10);
        QCOMPARE(o["untere_schranke"].toInt(), 10);
        QCOMPARE(o["abdeckung"].toDouble(), 1.0);
        QVERIFY(o["sekunden"].isDouble());
        QVERIFY(testhilfe::deckt(reihenTexte(o["reihen"]), zahlen(o["zahlen"]), 3));
    }

    // Chosen numbers in any order and a banker: every row holds the banker and six of the numbers.
    void bauenMitBank() {
        const Lauf l = lauf({"system", "bauen", "44", "3", "8", "15", "22", "30", "41", "12", "--bank", "8",
                             "--garantie", "3/3", "--json"});
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(zahlen(o["zahlen"]), QList<int>({3, 8, 12, 15, 22, 30, 41, 44}));
        QCOMPARE(zahlen(o["bank"]), QList<int>({8}));
        for (const QJsonValue& r : o["reihen"].toArray()) {
            const QList<int> reihe = zahlen(r);
            QCOMPARE(reihe.size(), 6);
            QVERIFY(reihe.contains(8));
            for (const int z : reihe)
                QVERIFY(zahlen(o["zahlen"]).contains(z));
        }
        QVERIFY(testhilfe::deckt(reihenTexte(o["reihen"]), zahlen(o["zahlen"]), 3));
        // No table value holds for bankers.
        QVERIFY(o["bester_bekannter"].isNull());
    }

    // A row limit below what the guarantee needs: that many rows, and the share they cover.
    void bauenMitHoechstzahl() {
        const Lauf l = lauf({"system", "bauen", "--anzahl", "12", "--garantie", "3/3", "--hoechstens", "5",
                             "--zeit", "1", "--json"});
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(o["anzahl_reihen"].toInt(), 5);
        const double abdeckung = o["abdeckung"].toDouble();
        QVERIFY2(abdeckung > 0.3 && abdeckung < 1, qPrintable(QString::number(abdeckung)));
        QVERIFY(!testhilfe::deckt(reihenTexte(o["reihen"]), zahlen(o["zahlen"]), 3));
    }

    // What the catalogue systems guarantee, to the hit.
    void pruefenKatalog_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("sicher"); // m = 0..6
        QTest::addColumn<int>("reihen");
        QTest::newRow("22/77") << "22/77" << QList<int>{0, 1, 2, 3, 3, 3, 3} << 77;
        QTest::newRow("10/30") << "10/30" << QList<int>{0, 1, 2, 3, 4, 4, 5} << 30;
        QTest::newRow("007") << "007" << QList<int>{0, 1, 2, 3, 4, 5, 6} << 7;
    }
    void pruefenKatalog() {
        QFETCH(QString, name);
        QFETCH(QList<int>, sicher);
        QFETCH(int, reihen);
        const Lauf l = lauf({"system", "pruefen", name, "--json"});
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(schluessel(o), QStringList({"anzahl_reihen", "garantie", "verteilung", "zahlen"}));
        QCOMPARE(o["anzahl_reihen"].toInt(), reihen);
        QList<int> gefunden;
        for (const QJsonValue& g : o["garantie"].toArray()) {
            QCOMPARE(g["wenn"].toInt(), gefunden.size());
            gefunden.append(g["mindestens"].toInt(-1));
        }
        QCOMPARE(gefunden, sicher);
        QCOMPARE(o["verteilung"].toArray().size(), 7);
    }

    // The rows of a slip over the numbers they use, or over more numbers given; the cases of each m
    // are all m-sets of the chosen numbers times the 39 places of the additional number.
    void pruefenSchein_data() {
        QTest::addColumn<QStringList>("zahlenArg");
        QTest::addColumn<QList<int>>("zahlen");
        QTest::addColumn<QList<int>>("sicher");
        QTest::addColumn<qint64>("faelleMit2");
        QTest::newRow("benutzte Zahlen") << QStringList() << QList<int>{1, 2, 3, 4, 5, 6, 7}
                                         << QList<int>{0, 1, 2, 3, 4, 5, 5} << qint64(21 * 39);
        QTest::newRow("mehr Zahlen") << QStringList{"1", "2", "3", "4", "5", "6", "7", "9"}
                                     << QList<int>{1, 2, 3, 4, 5, 6, 7, 9} << QList<int>{0, 0, 1, 2, 3, 4, 5}
                                     << qint64(28 * 39);
    }
    void pruefenSchein() {
        QFETCH(QStringList, zahlenArg);
        QFETCH(QList<int>, zahlen);
        QFETCH(QList<int>, sicher);
        QFETCH(qint64, faelleMit2);
        // 1..7 without the row 1 2 3 4 5 6: five right sure for six winning numbers among them.
        const QString schein = testhilfe::dateiSchreiben(ordner.filePath(QStringLiteral("schein.txt")),
                                                         "1,2,3,4,5,7\r\n1,2,3,4,6,7\r\n1,2,3,5,6,7\r\n"
                                                         "1,2,4,5,6,7\r\n1,3,4,5,6,7\r\n2,3,4,5,6,7\r\n");
        const Lauf l = lauf(QStringList{"system", "pruefen", "--schein", schein, "--json"} + zahlenArg);
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(::zahlen(o["zahlen"]), zahlen);
        QCOMPARE(o["anzahl_reihen"].toInt(), 6);
        QList<int> gefunden;
        for (const QJsonValue& g : o["garantie"].toArray())
            gefunden.append(g["mindestens"].toInt(-1));
        QCOMPARE(gefunden, sicher);
        const QJsonObject m2 = o["verteilung"].toArray()[2].toObject();
        QCOMPARE(m2["wenn"].toInt(), 2);
        QCOMPARE(qint64(m2["faelle"].toDouble()), faelleMit2);
    }

    // An own system's file, played over other numbers.
    void pruefenEigenesSystem() {
        const QString datei = testhilfe::dateiSchreiben(
            ordner.filePath(QStringLiteral("sieben.txt")),
            "Remisator-System 1\r\nName: Sieben\r\nZahlen: 7\r\nGarantie: 5 wenn 5\r\nReihen: 6\r\n"
            "1 2 3 4 5 7\r\n1 2 3 4 6 7\r\n1 2 3 5 6 7\r\n1 2 4 5 6 7\r\n1 3 4 5 6 7\r\n2 3 4 5 6 7\r\n");
        const Lauf l = lauf({"system", "pruefen", datei, "44", "3", "9", "17", "24", "31", "38", "--json"});
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(zahlen(o["zahlen"]), QList<int>({3, 9, 17, 24, 31, 38, 44}));
        QList<int> gefunden;
        for (const QJsonValue& g : o["garantie"].toArray())
            gefunden.append(g["mindestens"].toInt(-1));
        QCOMPARE(gefunden, QList<int>({0, 1, 2, 3, 4, 5, 5}));
    }

    // The text shows the guarantee and its table.
    void pruefenText() {
        const Lauf l = lauf({"system", "pruefen", "22/77"});
        QCOMPARE(l.code, 0);
        const QString text = QString::fromUtf8(l.aus);
        QVERIFY2(text.contains(QStringLiteral(
                     "3 Richtige sicher, wenn mindestens 3 Gewinnzahlen unter Ihren Zahlen sind")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Reihen:    77\n")));
    }

    // Bad input: a German message on stderr, nothing on stdout, exit 2, before any work.
    void datenfehler_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        const QStringList sieben = {"system", "bauen", "1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("t > m")
            << sieben + QStringList{"--garantie", "4/3"}
            << "4 Richtige kann kein System garantieren, wenn nur 3 Gewinnzahlen unter Ihren "
               "Zahlen sind.";
        QTest::newRow("Garantie ohne Form") << sieben + QStringList{"--garantie", "drei"}
                                            << "Die Garantie \"drei\" ist nicht in der Form T/M geschrieben, "
                                               "zum Beispiel 3/4: 3 Richtige, wenn 4 "
                                               "Gewinnzahlen unter Ihren Zahlen sind.";
        QTest::newRow("46") << QStringList{"system", "bauen", "1",  "2",          "3",  "4",
                                           "5",      "6",     "46", "--garantie", "3/3"}
                            << "Die Zahl 46 liegt nicht zwischen 1 und 45.";
        QTest::newRow("doppelt") << QStringList{"system", "bauen", "1", "2",          "3",  "4",
                                                "5",      "6",     "6", "--garantie", "3/3"}
                                 << "Die Zahl 6 ist mehrfach angegeben.";
        QTest::newRow("zu wenige") << QStringList{"system", "bauen", "1", "2",          "3",
                                                  "4",      "5",     "6", "--garantie", "3/3"}
                                   << "Ein System braucht mindestens 7 Zahlen, gewählt sind 6.";
        QTest::newRow("Bank fremd") << sieben + QStringList{"--garantie", "3/3", "--bank", "9"}
                                    << "Die Bankzahl 9 gehört nicht zu Ihren Zahlen.";
        QTest::newRow("zu groß")
            << QStringList{"system", "bauen", "--anzahl", "45", "--garantie", "5/5"}
            << "Ein System, das bei 45 Zahlen 5 Richtige garantiert, wenn 5 Gewinnzahlen "
               "darunter sind, braucht mindestens 208.628 Reihen. Mehr als 5.000 Reihen "
               "baue ich nur mit einer Höchstzahl an Reihen.";
        QTest::newRow("Zeit 0") << sieben + QStringList{"--garantie", "3/3", "--zeit", "0"}
                                << "Die Zeitgrenze \"0\" ist keine Zahl von Sekunden über 0 und bis 86400.";
        QTest::newRow("unbekanntes System")
            << QStringList{"system", "pruefen", "9/13"}
            << "\"9/13\" ist weder ein System des Katalogs noch die Datei eines "
               "eigenen Systems.";
        QTest::newRow("falsche Anzahl") << QStringList{"system", "pruefen", "9/12", "1", "2"}
                                        << "Das System 9/12 braucht 9 verschiedene Zahlen von 1 bis 45, "
                                           "angegeben sind 2.";
    }
    void datenfehler() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const Lauf l = lauf(argumente);
        QCOMPARE(QString::fromUtf8(l.fehler), meldung + u'\n');
        QCOMPARE(l.aus, QByteArray());
        QCOMPARE(l.code, 2);
    }

    // A line that does not fit the usage: exit 1.
    void verwendungsfehler_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ohne Garantie") << QStringList{"system", "bauen", "--anzahl", "9"}
                                       << "\"system bauen\" braucht die Garantie: --garantie T/M.";
        QTest::newRow("Zahlen und Anzahl")
            << QStringList{"system", "bauen", "1", "--anzahl", "9", "--garantie", "3/3"}
            << "\"system bauen\" nimmt die Zahlen entweder einzeln oder als --anzahl V (dann 1 bis V).";
        QTest::newRow("pruefen ohne System")
            << QStringList{"system", "pruefen"}
            << "Dem Befehl \"system pruefen\" fehlt der Name des Systems oder "
               "--schein DATEI.";
    }
    void verwendungsfehler() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const Lauf l = lauf(argumente);
        QCOMPARE(l.code, 1);
        QCOMPARE(QString::fromUtf8(l.fehler).section(u'\n', 0, 0),
                 QStringLiteral("remisator-cli: ") + meldung);
    }
};

REMISATOR_CORE_TEST_MAIN(TstSystemwerkstatt)
#include "tst_systemwerkstatt.moc"
