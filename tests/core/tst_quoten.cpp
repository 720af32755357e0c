#include "core/grund/Fehler.h"
#include "core/spieltag/Quoten.h"
#include "support/Prozessmass.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

using namespace core;

class TstQuoten : public QObject {
    Q_OBJECT
    QTemporaryDir ordner;

    QString datei(const QByteArray& inhalt) {
        static int n = 0;
        return testhilfe::dateiSchreiben(ordner.filePath(QStringLiteral("q%1.quo").arg(++n)), inhalt);
    }

private slots:
    void quoteLesen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<double>("betrag");
        QTest::newRow("Tausenderpunkt") << "1.234,50" << true << 1234.5;
        QTest::newRow("ganz") << "12" << true << 12.0;
        QTest::newRow("Blank als Trenner") << "2 500" << true << 2500.0;
        QTest::newRow("getippt") << "1234,5" << true << 1234.5;
        QTest::newRow("Millionen") << "1.234.567,80" << true << 1234567.8;
        QTest::newRow("Cent") << "0,01" << true << 0.01;
        QTest::newRow("Komma am Ende") << "12," << true << 12.0;
        QTest::newRow("Komma vorn") << ",5" << true << 0.5;
        QTest::newRow("Punkte überall") << ".1.2.,.5." << true << 12.5;
        QTest::newRow("Euro") << "12 €" << false << 0.0;
        QTest::newRow("Minus") << "-12" << false << 0.0;
        QTest::newRow("Tab") << "12\t" << false << 0.0;
        QTest::newRow("Buchstabe") << "1O" << false << 0.0;
        QTest::newRow("leer") << "" << false << 0.0;
        QTest::newRow("nur Punkte") << "..." << false << 0.0;
        QTest::newRow("Punkte und Blanks") << " . . " << false << 0.0;
    }
    void quoteLesen() {
        QFETCH(QString, text);
        QFETCH(bool, gueltig);
        QFETCH(double, betrag);
        const std::optional<double> wert = QuoteLesen(text);
        QCOMPARE(wert.has_value(), gueltig);
        if (gueltig)
            QCOMPARE(*wert, betrag);
    }

    void quoteLesenFehler_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("drei Kommas") << "1,2,3"
                                     << "'1,2,3' ist kein gültiger Gleitkommawert";
        QTest::newRow("ohne Punkte und Blanks") << "1.2 3,4,5"
                                                << "'123,4,5' ist kein gültiger Gleitkommawert";
        QTest::newRow("nur ein Komma") << " , "
                                       << "',' ist kein gültiger Gleitkommawert";
    }
    void quoteLesenFehler() {
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        try {
            QuoteLesen(text);
            QFAIL("kein Fehler");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(), meldung);
        }
    }

    void speichernUndLaden() {
        const TQuoten quoten = {QString(), "1.234.567,80", "98.765,40", "4.321,00",
                                "55,20",   "12,10",        QString()};
        const QString pfad = ordner.filePath(QStringLiteral("25.01.2024.quo"));
        QuotenSpeichern(pfad, quoten);
        QCOMPARE(testhilfe::dateiLesen(pfad),
                 QByteArray("1.234.567,80\r\n98.765,40\r\n4.321,00\r\n55,20\r\n12,10\r\n\r\n"));
        const auto geladen = QuotenLaden(pfad);
        QVERIFY(geladen);
        QCOMPARE(geladen->zeilen,
                 (QStringList{"1.234.567,80", "98.765,40", "4.321,00", "55,20", "12,10", QString()}));
        QCOMPARE(geladen->dateiname, QStringLiteral("25.01.2024.quo"));
        QCOMPARE(geladen->fehler(), QString());
    }

    void laden_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("acht Zeilen") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n")
                                     << QStringList{"1", "2", "3", "4", "5", "6"} << QString();
        QTest::newRow("vier Zeilen") << QByteArray("10\n20\n30\n40") << QStringList{"10", "20", "30", "40"}
                                     << "Listenindex überschreitet das Maximum (4)";
        QTest::newRow("leer") << QByteArray() << QStringList{} << "Listenindex überschreitet das Maximum (0)";
        QTest::newRow("Marke und CR") << QByteArray("\xEF\xBB\xBF"
                                                    "1,5\r\r\r\r\r9\r")
                                      << QStringList{"1,5", "", "", "", "", "9"} << QString();
        QTest::newRow("doppelte Marke") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                      "1,5\n2\n3\n4\n5\n6")
                                        << QStringList{"1,5", "2", "3", "4", "5", "6"} << QString();
        QTest::newRow("nur zwei Marken") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") << QStringList{}
                                         << "Listenindex überschreitet das Maximum (0)";
    }
    void laden() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, zeilen);
        QFETCH(QString, fehler);
        const auto geladen = QuotenLaden(datei(bytes));
        QVERIFY(geladen);
        QCOMPARE(geladen->zeilen, zeilen);
        QCOMPARE(geladen->fehler(), fehler);
    }

    // Only the six lines the boxes take are read, not the rest of a long file.
    void liestNurDenAnfang() {
        const QString pfad = ordner.filePath(QStringLiteral("lang.quo"));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const QByteArray stueck = QByteArray("1.234,50\r\n").repeated(100000);
            for (int i = 0; i < 32; ++i)
                QCOMPARE(f.write(stueck), stueck.size());
        }
        const qint64 vorher = testhilfe::gelesen();
        const auto geladen = QuotenLaden(pfad);
        const qint64 gelesen = testhilfe::gelesen() - vorher;
        QVERIFY(geladen);
        QCOMPARE(geladen->zeilen, QStringList(6, QStringLiteral("1.234,50")));
        QVERIFY2(gelesen < 4 << 20, qPrintable(QString::number(gelesen)));
    }

    // A line that does not end within 1 KiB is no odds line: the reader stops there, whatever the
    // file's size, and says so.
    void zeileOhneEnde_data() {
        QTest::addColumn<QByteArray>("anfang");
        QTest::addColumn<int>("zeile");
        QTest::newRow("gleich die erste") << QByteArray() << 1;
        QTest::newRow("die dritte") << QByteArray("1,00\r\n2,00\r\n") << 3;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE") << 1;
    }
    void zeileOhneEnde() {
        QFETCH(QByteArray, anfang);
        QFETCH(int, zeile);
        const QString pfad = ordner.filePath(QStringLiteral("ohne.quo"));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(anfang);
            const QByteArray stueck(1 << 20, '7');
            for (int i = 0; i < 16; ++i)
                QCOMPARE(f.write(stueck), stueck.size());
        }
        const qint64 vorher = testhilfe::gelesen();
        QString meldung;
        try {
            QuotenLaden(pfad);
        } catch (const Fehler& f) {
            meldung = f.text();
        }
        QVERIFY2(testhilfe::gelesen() - vorher < 1 << 20,
                 qPrintable(QString::number(testhilfe::gelesen() - vorher)));
        QCOMPARE(meldung,
                 QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n\nIhre Zeile %2 ist länger als "
                                "1.024 Bytes.")
                     .arg(pfad)
                     .arg(zeile));
    }

    // A first text that would read back as a byte-order mark is not written.
    void speichernWieMarke_data() {
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QString>("anfang");
        QTest::newRow("UTF-8") << "ï»¿12"
                               << "ï»¿";
        QTest::newRow("UTF-16 LE") << "ÿþ"
                                   << "ÿþ";
        QTest::newRow("UTF-16 BE") << "þÿ1"
                                   << "þÿ";
    }
    void speichernWieMarke() {
        QFETCH(QString, quote);
        QFETCH(QString, anfang);
        const QString pfad = datei("alt\r\n");
        try {
            QuotenSpeichern(pfad, {QString(), quote, "2", "3", "4", "5", "6"});
            QFAIL("kein Fehler");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(),
                     QStringLiteral("Die Quote des Rangs I beginnt mit \"%1\". Am Anfang einer Datei "
                                    "gelten diese Zeichen als Kennung einer Zeichenkodierung; die "
                                    "Quote käme so nicht wieder zurück.\n\nIch breche erst einmal ab.")
                         .arg(anfang));
        }
        QCOMPARE(testhilfe::dateiLesen(pfad), QByteArray("alt\r\n"));
        // Further down the file, or alone, the same characters are text like any other.
        QuotenSpeichern(pfad, {QString(), "ÿ", quote, "", "", "", ""});
        QCOMPARE(QuotenLaden(pfad)->zeilen, (QStringList{"ÿ", quote, "", "", "", ""}));
    }

    void nichtsZuLaden() {
        QVERIFY(!QuotenLaden(QString()));
        QVERIFY(!QuotenLaden(ordner.filePath(QStringLiteral("01.01.2000.quo"))));
    }

    void dateiname_data() {
        QTest::addColumn<QDate>("datum");
        QTest::addColumn<double>("datumswert"); // as a matchday file stores the date
        QTest::addColumn<QString>("name");
        QTest::newRow("Januar") << QDate(2024, 1, 25) << 45316.0 << "25.01.2024.quo";
        QTest::newRow("einstellig") << QDate(2023, 12, 2) << 45262.75 << "02.12.2023.quo";
        QTest::newRow("kein Datum") << QDate() << std::nan("") << ".quo";
    }
    void dateiname() {
        QFETCH(QDate, datum);
        QFETCH(double, datumswert);
        QFETCH(QString, name);
        QCOMPARE(QuotenDateiname(datum), name);
        QCOMPARE(QuotenDateiname(datumswert), name);
    }
};

REMISATOR_CORE_TEST_MAIN(TstQuoten)
#include "tst_quoten.moc"
