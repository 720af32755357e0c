#include "core/grund/Fehler.h"
#include "core/text/CsvText.h"
#include "core/text/TextDatei.h"
#include "core/text/Windows1252.h"
#include "support/Dateigrenze.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"

#include <QFile>
#include <QTemporaryDir>

using namespace core;

class TstTextdatei : public QObject {
    Q_OBJECT
    QTemporaryDir ordner;

    QString datei(const QByteArray& inhalt) {
        static int n = 0;
        return testhilfe::dateiSchreiben(ordner.filePath(QStringLiteral("d%1.txt").arg(++n)), inhalt);
    }

private slots:
    // The export for spreadsheet programs: fields quoted only when they must be, CR LF, the code.
    void csvText_data() {
        QTest::addColumn<QList<QStringList>>("zeilen");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("leer") << QList<QStringList>{} << false << QByteArray();
        QTest::newRow("leer UTF-8") << QList<QStringList>{} << true << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("schlicht") << QList<QStringList>{{"Datum", "Gewinn"}, {"18.09.2021", "1.234,50"}}
                                  << false << QByteArray("Datum;Gewinn\r\n18.09.2021;1.234,50\r\n");
        QTest::newRow("leeres Feld") << QList<QStringList>{{"a", "", "b"}} << false << QByteArray("a;;b\r\n");
        QTest::newRow("Semikolon") << QList<QStringList>{{"a;b", "c"}} << false
                                   << QByteArray("\"a;b\";c\r\n");
        QTest::newRow("Anführungszeichen")
            << QList<QStringList>{{"sagt \"ja\""}} << false << QByteArray("\"sagt \"\"ja\"\"\"\r\n");
        QTest::newRow("Zeilenumbruch LF")
            << QList<QStringList>{{"a\nb"}} << false << QByteArray("\"a\nb\"\r\n");
        QTest::newRow("Zeilenumbruch CR")
            << QList<QStringList>{{"a\rb"}} << false << QByteArray("\"a\rb\"\r\n");
        QTest::newRow("Komma und Blank bleiben")
            << QList<QStringList>{{" 3,5 "}} << false << QByteArray(" 3,5 \r\n");
        QTest::newRow("Umlaut Windows-1252") << QList<QStringList>{{"Gewinn über €"}} << false
                                             << QByteArray("Gewinn \xFC"
                                                           "ber \x80\r\n");
        QTest::newRow("Umlaut UTF-8") << QList<QStringList>{{"Gewinn über €"}} << true
                                      << QByteArray("\xEF\xBB\xBFGewinn \xC3\xBC"
                                                    "ber \xE2\x82\xAC\r\n");
        QTest::newRow("außerhalb der Codepage") << QList<QStringList>{{"Ω"}} << false << QByteArray("?\r\n");
    }
    void csvText() {
        QFETCH(QList<QStringList>, zeilen);
        QFETCH(bool, utf8);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CsvText(zeilen, utf8 ? CsvKodierung::Utf8MitBom : CsvKodierung::Windows1252), bytes);
    }

    void zeilenende_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("leer") << QByteArray() << QStringList();
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("ohne letztes Ende") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("gemischt") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("Leerzeile innen") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("nur Zeilenende") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("LF CR sind zwei") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("UTF-8 mit Marke") << QByteArray("\xEF\xBB\xBF"
                                                       "1,2\r\n\xC3\xA4")
                                         << QStringList{"1,2", "ä"};
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE"
                                                 "1\0,\0"
                                                 "2\0\r\0\n\0",
                                                 12)
                                   << QStringList{"1,2"};
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0"
                                                 "1\0,\0"
                                                 "2\0\n",
                                                 10)
                                   << QStringList{"1,2"};
        QTest::newRow("Windows-1252")
            << QByteArray("\x80 \xE4\x93x\x94") << QStringList{QString::fromUtf8("€ ä“x”")};
        // A mark written twice is one mark; a U+FEFF anywhere else is a character.
        QTest::newRow("UTF-8 doppelte Marke") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                            "1,2")
                                              << QStringList{"1,2"};
        QTest::newRow("nur zwei Marken") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") << QStringList();
        QTest::newRow("U+FEFF am Zeilenanfang") << QByteArray("\xEF\xBB\xBF"
                                                              "1\n\xEF\xBB\xBF"
                                                              "2")
                                                << QStringList{"1", QStringLiteral("\uFEFF") + u'2'};
        QTest::newRow("UTF-16 LE doppelte Marke") << QByteArray("\xFF\xFE\xFF\xFE"
                                                                "1\0",
                                                                6)
                                                  << QStringList{"1"};
        // An incomplete character is a replacement character, at the end as before a line end.
        QTest::newRow("UTF-8 unvollständig")
            << QByteArray("\xEF\xBB\xBF"
                          "a\xF0\nb\xF0")
            << QStringList{QStringLiteral("a\uFFFD"), QStringLiteral("b\uFFFD")};
        QTest::newRow("UTF-16 halbe Einheit am Ende") << QByteArray("\xFF\xFE"
                                                                    "a\0\n\0b",
                                                                    7)
                                                      << QStringList{"a", QStringLiteral("\uFFFD")};
        QTest::newRow("andere Marke danach ist Text")
            << QByteArray("\xEF\xBB\xBF\xFF\xFE") << QStringList{QStringLiteral("\uFFFD\uFFFD")};
    }
    void zeilenende() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, zeilen);
        QCOMPARE(TextDatei::zeilenLesen(datei(bytes)), zeilen);
    }

    void schreibenUndLesen() {
        const QString pfad = ordner.filePath(QStringLiteral("geschrieben.txt"));
        const QStringList zeilen = {QStringLiteral("3,11,17"), QString(), QString::fromUtf8("Grüße €")};
        TextDatei::zeilenSchreiben(pfad, zeilen);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("3,11,17\r\n\r\nGr\xFC\xDF"
                                         "e \x80\r\n"));
        QCOMPARE(TextDatei::zeilenLesen(pfad), zeilen);
    }

    void windows1252Rundreise() {
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle.append(char(b));
        QCOMPARE(Windows1252::kodieren(Windows1252::dekodieren(alle)), alle);
        QCOMPARE(Windows1252::kodieren(QString::fromUtf8("Ω")), QByteArray("?"));
    }

    void fehlendeDatei() {
        const QString pfad = ordner.filePath(QStringLiteral("fehlt.txt"));
        try {
            TextDatei::lesen(pfad);
            QFAIL("keine Ausnahme");
        } catch (const Fehler& f) {
            QVERIFY2(f.text().contains(QStringLiteral("fehlt.txt")), qPrintable(f.text()));
            QVERIFY2(f.text().contains(QStringLiteral("existiert nicht")), qPrintable(f.text()));
        }
    }

    void vollerDatentraegerLaesstAlteDateiGanz_data() {
        QTest::addColumn<int>("grenze");
        QTest::addColumn<int>("groesse");
        QTest::newRow("kein Byte erlaubt") << 0 << 3;
        // Below Qt's write buffer a partial write used to be dropped silently.
        QTest::newRow("klein") << 4096 << 5000;
        QTest::newRow("groß") << 4096 << 100000;
    }
    void vollerDatentraegerLaesstAlteDateiGanz() {
        QFETCH(int, grenze);
        QFETCH(int, groesse);
        const QString pfad = ordner.filePath(QStringLiteral("voll.txt"));
        TextDatei::zeilenSchreiben(pfad, {QStringLiteral("alt")});
        QString text;
        testhilfe::mitDateigrenze(rlim_t(grenze), [&] {
            try {
                TextDatei::bytesSchreiben(pfad, QByteArray(groesse, 'x'));
            } catch (const Fehler& f) {
                text = f.text();
            }
        });
        QVERIFY2(text.contains(QStringLiteral("voll.txt")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("zu groß")), qPrintable(text));
        QCOMPARE(TextDatei::zeilenLesen(pfad), QStringList{QStringLiteral("alt")});
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files).filter(QStringLiteral("voll")).size(), 1);
    }

    void ordnerStattDatei() {
        try {
            TextDatei::lesen(ordner.path());
            QFAIL("keine Ausnahme");
        } catch (const Fehler& f) {
            QVERIFY(f.text().contains(QStringLiteral("Ordner")));
        }
    }
};

REMISATOR_CORE_TEST_MAIN(TstTextdatei)
#include "tst_textdatei.moc"
