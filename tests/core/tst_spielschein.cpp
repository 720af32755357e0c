#include "core/grund/Fehler.h"
#include "core/schein/Spielschein.h"
#include "core/schein/Zeilentabelle.h"
#include "core/text/TextDatei.h"
#include "support/FesteBreiten.h"
#include "support/Prozessmass.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

using namespace core;

namespace {

using Zeilen = QList<QStringList>;

// Cells 1..8 of a row; a shorter expectation is filled up with empty cells.
QStringList zellen(const Zeilentabelle& t, int r) {
    QStringList s;
    for (int c = 1; c < t.spalten(); ++c)
        s.append(t.text(r, c));
    return s;
}
QStringList acht(QStringList s) {
    while (s.size() < 8)
        s.append(QString());
    return s;
}

Zeilentabelle g1Vorlage() {
    Zeilentabelle t(9, 30);
    t.setText(0, 0, u"Reihe");
    for (int c = 1; c <= 6; ++c)
        t.setText(0, c, QString(3, u' ') + QString::number(c));
    t.setText(0, 7, u"  GKl.");
    t.setText(5, 1, u"alt");
    return t;
}

} // namespace

class TstSpielschein : public QObject {
    Q_OBJECT
    QTemporaryDir ordner;
    testhilfe::FesteBreiten mass;

    QString datei(const QByteArray& inhalt, const QString& name = QString()) {
        static int n = 0;
        return testhilfe::dateiSchreiben(
            ordner.filePath(name.isEmpty() ? QStringLiteral("s%1.txt").arg(++n) : name), inhalt);
    }

private slots:
    void einlesen_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Zeilen>("erwartet");
        const QStringList sechs = {"1", "2", "3", "4", "5", "6"};
        QTest::newRow("drei Zeilen") << QByteArray("1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n13,14,15,16,17,18\r\n")
                                     << Zeilen{sechs,
                                               {"7", "8", "9", "10", "11", "12"},
                                               {"13", "14", "15", "16", "17", "18"}};
        QTest::newRow("Blanks") << QByteArray("1 2 3 4 5 6\r\n") << Zeilen{sechs};
        QTest::newRow("Komma und Blank") << QByteArray("1, 2, 3, 4, 5, 6\r\n") << Zeilen{sechs};
        QTest::newRow("Blanks um die Felder") << QByteArray("  1 ,2  ,  3,4   5\t6  \r\n") << Zeilen{sechs};
        QTest::newRow("Tabs") << QByteArray("1\t2\t3\t4\t5\t6\r\n") << Zeilen{sechs};
        QTest::newRow("Steuerzeichen") << QByteArray("1\x01"
                                                     "2\x1F"
                                                     "3,4,5,6")
                                       << Zeilen{sechs};
        QTest::newRow("Semikolons") << QByteArray("1;2;3;4;5;6\r\n") << Zeilen{{"1;2;3;4;5;6"}};
        QTest::newRow("neun Felder") << QByteArray("1,2,3,4,5,6,7,8,9\r\n")
                                     << Zeilen{{"1", "2", "3", "4", "5", "6", "7", "8"}};
        QTest::newRow("neun Felder, Rest beliebig")
            << QByteArray("1,2,3,4,5,6,7,8,\"9 x;\r\n") << Zeilen{{"1", "2", "3", "4", "5", "6", "7", "8"}};
        QTest::newRow("Leerzeile innen")
            << QByteArray("1,2,3,4,5,6\r\n\r\n1,2,3,4,5,6\r\n") << Zeilen{sechs, {" "}, sechs};
        QTest::newRow("Zeile aus Blanks") << QByteArray("  \t \r\n") << Zeilen{{" "}};
        QTest::newRow("Komma am Ende") << QByteArray("1,2,3,\r\n") << Zeilen{{"1", "2", "3", " "}};
        QTest::newRow("Komma am Ende, Blank danach") << QByteArray("1,2,3, \r\n") << Zeilen{{"1", "2", "3"}};
        QTest::newRow("zwei Kommas") << QByteArray("1,,3\r\n") << Zeilen{{"1", " ", "3"}};
        QTest::newRow("Komma Blank Komma") << QByteArray("1, ,3\r\n") << Zeilen{{"1", " ", "3"}};
        QTest::newRow("nur ein Komma") << QByteArray(",\r\n") << Zeilen{{" ", " "}};
        QTest::newRow("Komma vorn") << QByteArray(",5\r\n") << Zeilen{{" ", "5"}};
        QTest::newRow("nur CR") << QByteArray("1,2,3,4,5,6\r7,8\r") << Zeilen{sechs, {"7", "8"}};
        QTest::newRow("nur LF") << QByteArray("1,2,3,4,5,6\n7,8\n") << Zeilen{sechs, {"7", "8"}};
        QTest::newRow("LF CR sind zwei Enden") << QByteArray("1\n\r2") << Zeilen{{"1"}, {" "}, {"2"}};
        QTest::newRow("ohne letztes Ende") << QByteArray("1,2,3,4,5,6\r\n7,8") << Zeilen{sechs, {"7", "8"}};
        QTest::newRow("nur ein Zeilenende") << QByteArray("\r\n") << Zeilen{{" "}};
        QTest::newRow("leere Datei") << QByteArray() << Zeilen{};
        QTest::newRow("UTF-8-Marke") << QByteArray("\xEF\xBB\xBF"
                                                   "1,2,3,4,5,6\r\n")
                                     << Zeilen{sechs};
        QTest::newRow("UTF-8 mit Umlaut") << QByteArray("\xEF\xBB\xBF"
                                                        "\xC3\xA4,1\r\n")
                                          << Zeilen{{"ä", "1"}};
        QTest::newRow("nur die Marke") << QByteArray("\xEF\xBB\xBF") << Zeilen{};
        QTest::newRow("UTF-8 unvollständig vor dem Zeilenende")
            << QByteArray("\xEF\xBB\xBF"
                          "a\xF0\r\nb\xF0")
            << Zeilen{{QStringLiteral("a\uFFFD")}, {QStringLiteral("b\uFFFD")}};
        QTest::newRow("UTF-16 halbe Einheit am Ende") << QByteArray("\xFF\xFE"
                                                                    "1\0\n\0X",
                                                                    7)
                                                      << Zeilen{{"1"}, {QStringLiteral("\uFFFD")}};
        QTest::newRow("doppelte Marke") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") << Zeilen{};
        QTest::newRow("doppelte Marke und Zeile") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                                "1,2\r\n")
                                                  << Zeilen{{"1", "2"}};
        QTest::newRow("U+FEFF am Zeilenanfang ist Text") << QByteArray("\xEF\xBB\xBF"
                                                                       "1\r\n\xEF\xBB\xBF"
                                                                       "2\r\n")
                                                         << Zeilen{{"1"}, {QStringLiteral("\uFEFF") + u'2'}};
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE"
                                                 "1\0,\0"
                                                 "2\0\r\0\n\0"
                                                 ";\0",
                                                 14)
                                   << Zeilen{{"1", "2"}, {";"}};
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0"
                                                 "1\0 \0"
                                                 "2\0\n",
                                                 10)
                                   << Zeilen{{"1", "2"}};
        QTest::newRow("Windows-1252") << QByteArray("\xE4\x80,7\r\n") << Zeilen{{"ä€", "7"}};
        QTest::newRow("Anführung") << QByteArray("\"a,b\",\"x\"\"y\",3\r\n") << Zeilen{{"a,b", "x\"y", "3"}};
        QTest::newRow("Anführung mit Blanks") << QByteArray("\" 7\" , \"8 \"\r\n") << Zeilen{{" 7", "8 "}};
        QTest::newRow("leere Anführung") << QByteArray("\"\",2\r\n") << Zeilen{{" ", "2"}};
        QTest::newRow("Anführung ohne Ende") << QByteArray("1,\"ab c\r\n") << Zeilen{{"1", "ab c"}};
        QTest::newRow("Text nach Anführung") << QByteArray("\"ab\"cd,3\r\n") << Zeilen{{"ab", "cd", "3"}};
        QTest::newRow("Anführung mitten im Feld") << QByteArray("a\"b,3\r\n") << Zeilen{{"a\"b", "3"}};
        QTest::newRow("führende Null") << QByteArray("012,0,00,5\r\n") << Zeilen{{"012", "0", "00", "5"}};
        QTest::newRow("lange Zahlen") << QByteArray("16777215,16777216,123456789,99999999999\r\n")
                                      << Zeilen{{"16777215", "16777216", "123456789", "99999999999"}};
        QTest::newRow("Vorzeichen und Buchstaben")
            << QByteArray("-3,+4,x5\r\n") << Zeilen{{"-3", "+4", "x5"}};
        QTest::newRow("NUL trennt") << QByteArray("1\0"
                                                  "2,3\r\n",
                                                  7)
                                    << Zeilen{{"1", "2", "3"}};
        QTest::newRow("schnelle und andere Zeilen gemischt")
            << QByteArray("1,2\r\n3 4\r\n5,6\r\n\"7\"\r\n8\r\n")
            << Zeilen{{"1", "2"}, {"3", "4"}, {"5", "6"}, {"7"}, {"8"}};
    }
    void einlesen() {
        QFETCH(QByteArray, bytes);
        QFETCH(Zeilen, erwartet);
        const Zeilentabelle vorlage = g1Vorlage();
        const auto schein = SpielscheinEinlesen(datei(bytes), vorlage, mass);
        QVERIFY(schein);
        const Zeilentabelle& t = schein->tabelle;
        QCOMPARE(schein->zeilen, int(erwartet.size()));
        QCOMPARE(t.zeilen(), int(erwartet.size()) + 1);
        QCOMPARE(t.spalten(), 9);
        for (int r = 1; r < t.zeilen(); ++r)
            QCOMPARE(zellen(t, r), acht(erwartet[r - 1]));
    }

    // The header stays as the caller had it; the labels are padded for 34 pixels:
    // round(34 * 0.7) = 24, (24 - 6 per digit) / (2 * 3) blanks.
    // The common line of six numbers is taken a quicker way when enough text follows it: every
    // line that only looks like one reads as the general rules read it.
    void sechsZahlen_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("ein- und zweistellig")
            << QByteArray("10,2,30,4,45,9\r\n") << QStringList{"10", "2", "30", "4", "45", "9"};
        QTest::newRow("die längste") << QByteArray("45,45,45,45,45,45\r\n")
                                     << QStringList{"45", "45", "45", "45", "45", "45"};
        QTest::newRow("Null") << QByteArray("0,1,2,3,4,5\r\n") << QStringList{"0", "1", "2", "3", "4", "5"};
        QTest::newRow("führende Null")
            << QByteArray("05,1,2,3,4,09\r\n") << QStringList{"05", "1", "2", "3", "4", "09"};
        QTest::newRow("dreistellig") << QByteArray("1,2,3,4,5,100\r\n")
                                     << QStringList{"1", "2", "3", "4", "5", "100"};
        QTest::newRow("dreistellig vorn")
            << QByteArray("123,2,3,4,5,6\r\n") << QStringList{"123", "2", "3", "4", "5", "6"};
        QTest::newRow("sieben Felder")
            << QByteArray("1,2,3,4,5,6,7\r\n") << QStringList{"1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("fünf Felder") << QByteArray("1,2,3,4,5\r\n") << QStringList{"1", "2", "3", "4", "5"};
        QTest::newRow("leeres Feld") << QByteArray("1,2,,4,5,6\r\n")
                                     << QStringList{"1", "2", " ", "4", "5", "6"};
        QTest::newRow("Blank am Ende")
            << QByteArray("1,2,3,4,5,6 \r\n") << QStringList{"1", "2", "3", "4", "5", "6"};
        QTest::newRow("Semikolon am Ende")
            << QByteArray("1,2,3,4,5,6;\r\n") << QStringList{"1", "2", "3", "4", "5", "6;"};
        QTest::newRow("Buchstabe vorn")
            << QByteArray("x,2,3,4,5,6\r\n") << QStringList{"x", "2", "3", "4", "5", "6"};
        QTest::newRow("Umlaut zuletzt")
            << QByteArray("1,2,3,4,5,\xE4\r\n") << QStringList{"1", "2", "3", "4", "5", "ä"};
        QTest::newRow("nur CR") << QByteArray("1,2,3,4,5,6\r") << QStringList{"1", "2", "3", "4", "5", "6"};
        QTest::newRow("nur LF") << QByteArray("1,2,3,4,5,6\n") << QStringList{"1", "2", "3", "4", "5", "6"};
    }
    void sechsZahlen() {
        QFETCH(QByteArray, zeile);
        QFETCH(QStringList, erwartet);
        const QByteArray danach = "11,12,13,14,15,16\r\n11,12,13,14,15,16\r\n";
        const auto schein = SpielscheinEinlesen(datei(zeile + danach), g1Vorlage(), mass);
        QVERIFY(schein);
        QCOMPARE(schein->zeilen, 3);
        QCOMPARE(zellen(schein->tabelle, 1), acht(erwartet));
        QCOMPARE(zellen(schein->tabelle, 2), acht({"11", "12", "13", "14", "15", "16"}));
    }

    // Lines are counted in pieces of the block: a line end at the seam of two pieces counts once.
    void zeilenendeAnDerNaht_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QStringList>("letzte");
        QTest::newRow("CR | LF") << QByteArray(4095, 'x') + "\r\ny" << 2 << QStringList{"y"};
        QTest::newRow("CR | Text") << QByteArray(4095, 'x') + "\ry" << 2 << QStringList{"y"};
        QTest::newRow("LF | CR") << QByteArray(4095, 'x') + "\n\ry" << 3 << QStringList{"y"};
        QTest::newRow("LF | CR am Ende") << QByteArray(4095, 'x') + "\n\r" << 2 << QStringList{" "};
        QTest::newRow("CR LF CR | LF") << QByteArray(4093, 'x') + "\r\n\r\n" << 2 << QStringList{" "};
    }
    void zeilenendeAnDerNaht() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, zeilen);
        QFETCH(QStringList, letzte);
        const auto schein = SpielscheinEinlesen(datei(bytes), g1Vorlage(), mass);
        QVERIFY(schein);
        QCOMPARE(schein->zeilen, zeilen);
        QCOMPARE(zellen(schein->tabelle, zeilen), acht(letzte));
    }

    void kopfBeschriftungUndName() {
        QByteArray bytes;
        for (int i = 1; i <= 100; ++i)
            bytes += "1,2,3,4,5,6\r\n";
        const Zeilentabelle vorlage = g1Vorlage();
        const auto schein =
            SpielscheinEinlesen(datei(bytes, QStringLiteral("Mein Schein.txt")), vorlage, mass);
        QVERIFY(schein);
        QCOMPARE(schein->dateiname, QStringLiteral("Mein Schein.txt"));
        QCOMPARE(schein->zeilen, 100);
        const Zeilentabelle& t = schein->tabelle;
        QCOMPARE(t.text(0, 0), QStringLiteral("Reihe"));
        QCOMPARE(t.text(0, 3), QStringLiteral("   3"));
        QCOMPARE(t.text(0, 7), QStringLiteral("  GKl."));
        QVERIFY(t.istLeer(0, 8));
        QCOMPARE(t.text(1, 0), QStringLiteral("   1"));
        QCOMPARE(t.text(9, 0), QStringLiteral("   9"));
        QCOMPARE(t.text(10, 0), QStringLiteral("  10"));
        QCOMPARE(t.text(100, 0), QStringLiteral(" 100"));
        QVERIFY(t.istLeer(5, 7));
        QCOMPARE(vorlage.text(5, 1), QStringLiteral("alt"));
    }

    void nichtsZuLesen() {
        const Zeilentabelle vorlage = g1Vorlage();
        QVERIFY(!SpielscheinEinlesen(QString(), vorlage, mass));
        QVERIFY(!SpielscheinEinlesen(ordner.filePath(QStringLiteral("gibtsnicht.txt")), vorlage, mass));
    }

    void unlesbareDatei_data() {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QString>("grund");
        QTest::newRow("Ordner") << ordner.filePath(QStringLiteral("ordner.txt"))
                                << "Der Name bezeichnet einen Ordner.";
        // A device never ends: it is refused, not read until the memory runs out.
        QTest::newRow("Gerät") << "/dev/zero"
                               << "Sie ist keine gewöhnliche Datei.";
    }
    void unlesbareDatei() {
        QFETCH(QString, pfad);
        QFETCH(QString, grund);
        QDir().mkpath(ordner.filePath(QStringLiteral("ordner.txt")));
        try {
            SpielscheinEinlesen(pfad, g1Vorlage(), mass);
            QFAIL("kein Fehler");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(),
                     QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n\n%2").arg(pfad, grund));
        }
    }

    void speichern_data() {
        QTest::addColumn<Zeilen>("zeilen");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("weglassen");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("drei Reihen") << Zeilen{{"1", "2", "3", "4", "5", "6", "4 Ri.", "4"},
                                               {"7", "8", "9", "10", "11", "12"},
                                               {"13", "14", "15", "16", "17", "18"}}
                                     << 9 << 2
                                     << QByteArray("1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n13,14,15,16,17,18\r\n");
        QTest::newRow("Reihe ohne Spalte 1 übergangen")
            << Zeilen{{"1", "2", "3", "4", "5", "6"}, {"", "8", "9"}, {"13", "14", "15", "16", "17", "18"}}
            << 9 << 2 << QByteArray("1,2,3,4,5,6\r\n13,14,15,16,17,18\r\n");
        QTest::newRow("leere Zellen") << Zeilen{{"1", "", "3"}} << 9 << 2 << QByteArray("1,,3,,,\r\n");
        QTest::newRow("Anführung") << Zeilen{{" 7", " ", "a\"b", "a,b", "x\ty", "ok"}} << 9 << 2
                                   << QByteArray("\" 7\",\" \",\"a\"\"b\",\"a,b\",\"x\ty\",ok\r\n");
        QTest::newRow("Windows-1252") << Zeilen{{"ä€", "Ω"}} << 9 << 2 << QByteArray("\xE4\x80,?,,,,\r\n");
        QTest::newRow("alle Spalten") << Zeilen{{"1", "2", "3", "4", "5", "6", "7", "8"}} << 9 << 0
                                      << QByteArray("1,2,3,4,5,6,7,8\r\n");
        QTest::newRow("Editorgitter")
            << Zeilen{{"1", "2", "3", "4", "5", "6"}} << 7 << 0 << QByteArray("1,2,3,4,5,6\r\n");
        QTest::newRow("nichts") << Zeilen{{"", "1"}} << 9 << 2 << QByteArray();
        // The file's first field is quoted when it would begin like a byte-order mark.
        QTest::newRow("wie UTF-8-Marke")
            << Zeilen{{"ï»¿x", "2"}} << 9 << 2 << QByteArray("\"\xEF\xBB\xBFx\",2,,,,\r\n");
        QTest::newRow("wie UTF-16-LE-Marke") << Zeilen{{"ÿþ", "ÿþ"}, {"ÿþ"}} << 7 << 0
                                             << QByteArray("\"\xFF\xFE\",\xFF\xFE,,,,\r\n\xFF\xFE,,,,,\r\n");
        QTest::newRow("wie UTF-16-BE-Marke, erste Reihe übergangen") << Zeilen{{"", "1"}, {"þÿ12"}} << 9 << 2
                                                                     << QByteArray("\"\xFE\xFF"
                                                                                   "12\",,,,,\r\n");
        QTest::newRow("ÿ allein ist keine Marke")
            << Zeilen{{"ÿ", "þ"}} << 9 << 2 << QByteArray("\xFF,\xFE,,,,\r\n");
    }
    void speichern() {
        QFETCH(Zeilen, zeilen);
        QFETCH(int, spalten);
        QFETCH(int, weglassen);
        QFETCH(QByteArray, bytes);
        const Zeilentabelle t = testhilfe::tabelleAus(zeilen, spalten);
        const QString pfad = ordner.filePath(QStringLiteral("gespeichert.txt"));
        SpielscheinSpeichern(t, pfad, weglassen);
        QCOMPARE(testhilfe::dateiLesen(pfad), bytes);
    }

    // A slip as the program writes it comes back byte for byte; odd cells survive as cells.
    void rundreise_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Zahlen") << QByteArray("3,11,17,24,38,45\r\n1,2,3,4,5,6\r\n45,44,43,42,41,40\r\n");
        QTest::newRow("erstes Feld wie eine Marke") << QByteArray("\"\xEF\xBB\xBF\",\xFF\xFE,3,4,5,6\r\n"
                                                                  "\xFE\xFF,2,3,4,5,6\r\n");
        QTest::newRow("seltsame Felder")
            << QByteArray("\" 7\",\"a\"\"b\",012,\"a,b\",\xE4,-1\r\n\" \",\" \",\" \",\" \",\" \",\" \"\r\n");
    }
    void rundreise() {
        QFETCH(QByteArray, bytes);
        const auto schein = SpielscheinEinlesen(datei(bytes), g1Vorlage(), mass);
        QVERIFY(schein);
        const QString pfad = ordner.filePath(QStringLiteral("zurueck.txt"));
        SpielscheinSpeichern(schein->tabelle, pfad, 2);
        QCOMPARE(testhilfe::dateiLesen(pfad), bytes);
    }

    // Many lines of every kind, against lines split by hand-written expectations.
    void vieleZeilen() {
        QByteArray bytes;
        Zeilen erwartet;
        for (int i = 0; i < 3000; ++i) {
            const QByteArray a = QByteArray::number(i % 46), b = QByteArray::number((i * 7) % 1000);
            const QString ta = QString::fromLatin1(a), tb = QString::fromLatin1(b);
            switch (i % 4) {
            case 0:
                bytes += a + ',' + b + "\r\n";
                erwartet.append({ta, tb});
                break;
            case 1:
                bytes += a + " \t" + b + '\n';
                erwartet.append({ta, tb});
                break;
            case 2:
                bytes += '"' + a + "\"\"\"," + b + ",\r";
                erwartet.append({ta + u'"', tb, QStringLiteral(" ")});
                break;
            default:
                bytes += "\r\n";
                erwartet.append({QStringLiteral(" ")});
            }
        }
        const auto schein = SpielscheinEinlesen(datei(bytes), g1Vorlage(), mass);
        QVERIFY(schein);
        QCOMPARE(schein->zeilen, 3000);
        for (int r = 1; r <= 3000; ++r)
            QCOMPARE(zellen(schein->tabelle, r), acht(erwartet[r - 1]));
    }

    // The reader takes the file in pieces: lines and line ends that straddle a piece, whatever
    // its even size, read as in one piece. Rows 2.. all equal the last one.
    void grosseDateien_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QStringList>("erste");
        QTest::addColumn<QStringList>("letzte");
        const QStringList blank = {" "};
        // After one byte every CR stands at an odd offset, its LF at the even one after it.
        QTest::newRow("CR | LF") << "x" + QByteArray("\r\n").repeated(1 << 21) << (1 << 21)
                                 << QStringList{"x"} << blank;
        QTest::newRow("UTF-16 CR | LF")
            << QByteArray("\xFF\xFEx\0y\0", 6) + QByteArray("\r\0\n\0", 4).repeated(1 << 20) << (1 << 20)
            << QStringList{"xy"} << blank;
        QTest::newRow("lange Zeile") << "\"" + QByteArray(3 << 20, 'x') + "\",5\r\n1,2" << 2
                                     << QStringList{QString(3 << 20, u'x'), "5"} << QStringList{"1", "2"};
        const QByteArray lachen("\x3D\xD8\x00\xDE,\0", 6);
        QTest::newRow("UTF-16 lange Zeile mit Ersatzpaaren")
            << "\xFF\xFE" + lachen.repeated(1 << 19) +
                   QByteArray("\n\0"
                              "7\0",
                              4)
            << 2 << QStringList(8, QStringLiteral("\U0001F600")) << QStringList{"7"};
    }
    void grosseDateien() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, zeilen);
        QFETCH(QStringList, erste);
        QFETCH(QStringList, letzte);
        const auto schein = SpielscheinEinlesen(datei(bytes), g1Vorlage(), mass);
        QVERIFY(schein);
        const Zeilentabelle& t = schein->tabelle;
        QCOMPARE(schein->zeilen, zeilen);
        QCOMPARE(zellen(t, 1), acht(erste));
        QCOMPARE(zellen(t, zeilen), acht(letzte));
        for (int r = 2; r < zeilen; ++r)
            QVERIFY2(std::equal(t.zeile(r) + 1, t.zeile(r) + 9, t.zeile(zeilen) + 1),
                     qPrintable(QString::number(r)));
    }

    // A file is read in one pass into a table made for as many lines as its first block promises:
    // when the rest has shorter lines the table grows, when longer it is cut to the lines read.
    // Either way it holds exactly its rows, the last one labelled with its number.
    void schaetzung_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QString>("letzteZelle");
        const QByteArray lang = QByteArray(999, 'x') + '\n';
        QTest::newRow("zu wenige geschätzt")
            << lang.repeated(70) + QByteArray("1,2\n").repeated(200000) << 200070 << QStringLiteral("1");
        QTest::newRow("zu viele geschätzt")
            << QByteArray("1,2\n").repeated(40000) + lang.repeated(300) << 40300 << QString(999, u'x');
        QTest::newRow("UTF-16, zu wenige geschätzt")
            << "\xFF\xFE" + QByteArray("a\0", 2).repeated(999) + QByteArray("\n\0", 2) +
                   QByteArray("7\0\n\0", 4).repeated(100000)
            << 100001 << QStringLiteral("7");
    }
    void schaetzung() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, zeilen);
        QFETCH(QString, letzteZelle);
        const auto schein = SpielscheinEinlesen(datei(bytes), g1Vorlage(), mass);
        QVERIFY(schein);
        QCOMPARE(schein->zeilen, zeilen);
        QCOMPARE(schein->tabelle.zeilen(), zeilen + 1);
        QCOMPARE(schein->tabelle.zellenBytes(), std::size_t(zeilen + 1) * 9 * sizeof(Zeilentabelle::Zelle));
        QCOMPARE(schein->tabelle.text(zeilen, 1), letzteZelle);
        QCOMPARE(schein->tabelle.text(zeilen, 0), QString::number(zeilen));
    }

    // 2^31 line feeds: more lines than a table has rows. Refused before any table is made.
    void zuVieleZeilen() {
        const QString pfad = ordner.filePath(QStringLiteral("zeilenvorschuebe.txt"));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const QByteArray stueck(1 << 20, '\n');
            for (int i = 0; i < 2048; ++i)
                QCOMPARE(f.write(stueck), stueck.size());
        }
        try {
            SpielscheinEinlesen(pfad, g1Vorlage(), mass);
            QFAIL("kein Fehler");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(),
                     QStringLiteral("Die Datei \"%1\" kann nicht eingelesen werden: Sie hat mehr Zeilen, "
                                    "als die Tabelle Reihen fasst (höchstens 2.147.483.646).")
                         .arg(pfad));
        }
        QFile::remove(pfad);
    }

    // A file that changes between the counting and the reading is refused, not read half.
    void geaendertBeimEinlesen() {
        class Wechselnd : public QBuffer {
        public:
            bool seek(qint64 pos) override {
                buffer().append("7,8\r\n");
                return QBuffer::seek(pos);
            }
        } geraet;
        geraet.setData("1,2\r\n");
        QVERIFY(geraet.open(QIODevice::ReadOnly));
        try {
            SpielscheinLesen(geraet, QStringLiteral("/a/b.txt"), g1Vorlage(), mass);
            QFAIL("kein Fehler");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(), QStringLiteral("Die Datei \"/a/b.txt\" hat sich beim Einlesen geändert. "
                                              "Bitte lesen Sie sie noch einmal ein."));
        }
    }

    // Reading holds the table and a piece of the file, never the whole text: 64 MB of long
    // lines, whose table is small, raise the peak of the memory by far less than the file.
    void speicher() {
        const QString pfad = ordner.filePath(QStringLiteral("breit.txt"));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const QByteArray zeile = "1,2,3,4,5,6,7,8" + QByteArray(",9").repeated(1000) + "\r\n";
            for (int i = 0; i < 32000; ++i)
                QCOMPARE(f.write(zeile), zeile.size());
        }
        QVERIFY(testhilfe::speicherspitzeZuruecksetzen());
        const qint64 vorher = testhilfe::speicherJetzt();
        const auto schein = SpielscheinEinlesen(pfad, g1Vorlage(), mass);
        const qint64 zuwachs = testhilfe::speicherspitze() - vorher;
        QVERIFY(schein);
        QCOMPARE(schein->zeilen, 32000);
        QCOMPARE(zellen(schein->tabelle, 32000), acht({"1", "2", "3", "4", "5", "6", "7", "8"}));
        QVERIFY2(zuwachs < 16 * 1024, qPrintable(QStringLiteral("%1 KiB").arg(zuwachs)));
        QFile::remove(pfad);
    }
};

REMISATOR_CORE_TEST_MAIN(TstSpielschein)
#include "tst_spielschein.moc"
