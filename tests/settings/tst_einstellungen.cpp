#include "core/grund/Fehler.h"
#include "core/text/TextDatei.h"
#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "settings/Zuletzt.h"
#include "support/Dateigrenze.h"
#include "support/Dateirechte.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace settings;

class TstEinstellungen : public QObject {
    Q_OBJECT
    QTemporaryDir ordner;
    int n = 0;

    IniDatei neu(const QByteArray& inhalt = QByteArray(), bool anlegen = true) {
        const QString pfad = ordner.filePath(QStringLiteral("optionen%1.ini").arg(++n));
        if (anlegen)
            testhilfe::dateiSchreiben(pfad, inhalt);
        return IniDatei(pfad);
    }
    static QByteArray inhalt(const IniDatei& d) { return testhilfe::dateiLesen(d.pfad()); }

private slots:
    void ganzzahl_data() {
        QTest::addColumn<QByteArray>("wert");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("dezimal") << QByteArray("120") << 120;
        QTest::newRow("negativ") << QByteArray("-8") << -8;
        QTest::newRow("hex klein") << QByteArray("0x64") << 100;
        QTest::newRow("hex groß") << QByteArray("0X1f") << 31;
        QTest::newRow("nur 0x") << QByteArray("0x") << 77;
        QTest::newRow("0x5 ist drei Zeichen") << QByteArray("0x5") << 5;
        QTest::newRow("Buchstaben") << QByteArray("abc") << 77;
        QTest::newRow("leer") << QByteArray("") << 77;
        QTest::newRow("Blanks um den Wert") << QByteArray("  35 ") << 35;
    }
    void ganzzahl() {
        QFETCH(QByteArray, wert);
        QFETCH(int, ergebnis);
        const IniDatei d = neu("[Position]\r\nFEingabe-left=" + wert + "\r\n");
        QCOMPARE(d.leseInt(QStringLiteral("Position"), QStringLiteral("FEingabe-left"), 77), ergebnis);
    }

    void wahrheitswert_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<bool>("vorgabe");
        QTest::addColumn<bool>("ergebnis");
        QTest::newRow("abc gibt Vorgabe") << QByteArray("sofort=abc") << true << true;
        QTest::newRow("2 ist wahr") << QByteArray("sofort=2") << true << true;
        QTest::newRow("0 ist falsch") << QByteArray("sofort=0") << true << false;
        QTest::newRow("1 ist wahr") << QByteArray("sofort=1") << false << true;
        QTest::newRow("fehlend gibt Vorgabe") << QByteArray("anders=0") << true << true;
        QTest::newRow("fehlend falsch") << QByteArray("anders=1") << false << false;
    }
    void wahrheitswert() {
        QFETCH(QByteArray, zeile);
        QFETCH(bool, vorgabe);
        QFETCH(bool, ergebnis);
        const IniDatei d = neu("[Auswertung]\r\n" + zeile + "\r\n");
        QCOMPARE(d.leseBool(QStringLiteral("Auswertung"), QStringLiteral("sofort"), vorgabe), ergebnis);
    }

    void grossKleinschreibung() {
        const IniDatei d = neu("[position]\r\nfgewonnen-LEFT=120\r\n");
        QCOMPARE(d.leseInt(QStringLiteral("Position"), QStringLiteral("FGewonnen-left"), 0), 120);
        d.schreibeInt(QStringLiteral("POSITION"), QStringLiteral("FGewonnen-left"), 5);
        QCOMPARE(inhalt(d), QByteArray("[position]\r\nFGewonnen-left=5\r\n"));
    }

    void text() {
        const IniDatei d = neu("[Wach]\r\nStand=1.234,56\r\n[ZumStartEinlesen]\r\nSpieltag=\r\n");
        QCOMPARE(d.leseText(QStringLiteral("Wach"), QStringLiteral("Stand"), QStringLiteral("0")),
                 QStringLiteral("1.234,56"));
        QCOMPARE(
            d.leseText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spieltag"), QStringLiteral("x")),
            QString());
        QCOMPARE(d.leseText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spielschein"),
                            QStringLiteral("x")),
                 QStringLiteral("x"));
        // a key of another section is not found
        QCOMPARE(d.leseText(QStringLiteral("Wach"), QStringLiteral("Spieltag"), QStringLiteral("v")),
                 QStringLiteral("v"));
    }

    void langerText() {
        const IniDatei d = neu();
        d.schreibeText(QStringLiteral("A"), QStringLiteral("k"), QString(3000, u'x'));
        QCOMPARE(d.leseText(QStringLiteral("A"), QStringLiteral("k"), QString()).size(), 2047);
    }

    void schreibenLegtAnUndErsetzt() {
        const IniDatei d = neu(QByteArray(), false);
        QVERIFY(!d.existiert());
        d.schreibeBool(QStringLiteral("Auswertung"), QStringLiteral("sofort"), true);
        d.schreibeBool(QStringLiteral("Auswertung"), QStringLiteral("sofortQ"), true);
        d.schreibeText(QStringLiteral("Wach"), QStringLiteral("Stand"), QStringLiteral("0"));
        QCOMPARE(inhalt(d), QByteArray("[Auswertung]\r\nsofort=1\r\nsofortQ=1\r\n[Wach]\r\nStand=0\r\n"));
        d.schreibeBool(QStringLiteral("Auswertung"), QStringLiteral("sofort"), false);
        d.schreibeInt(QStringLiteral("Auswertung"), QStringLiteral("neu"), 3);
        QCOMPARE(inhalt(d),
                 QByteArray("[Auswertung]\r\nsofort=0\r\nsofortQ=1\r\nneu=3\r\n[Wach]\r\nStand=0\r\n"));
    }

    void fremdeZeilenBleiben() {
        const IniDatei d = neu("; Kommentar\r\n[Position]\r\nFGewonnen-left=1\r\n\r\n[Wach]\r\nStand=9\r\n");
        d.schreibeInt(QStringLiteral("Position"), QStringLiteral("FGewonnen-top"), 2);
        QCOMPARE(inhalt(d), QByteArray("; "
                                       "Kommentar\r\n[Position]\r\nFGewonnen-left=1\r\nFGewonnen-top="
                                       "2\r\n\r\n[Wach]\r\nStand=9\r\n"));
    }

    // The last ten, newest first; one opened again moves up; the kinds apart; other keys stay.
    void zuletztGeoeffnet() {
        const IniDatei d = neu("[Zuletzt]\r\nSpieltag1=/t/a.sp45\r\n[Wach]\r\nStand=9\r\n");
        const Zuletzt scheine(d, Zuletzt::Spielscheine);
        for (int i = 1; i <= 12; ++i)
            scheine.merken(QStringLiteral("/s/%1.txt").arg(i));
        scheine.merken(QStringLiteral("/s/5.txt"));
        QCOMPARE(scheine.liste(), QStringList({"/s/5.txt", "/s/12.txt", "/s/11.txt", "/s/10.txt", "/s/9.txt",
                                               "/s/8.txt", "/s/7.txt", "/s/6.txt", "/s/4.txt", "/s/3.txt"}));
        scheine.entfernen(QStringLiteral("/s/12.txt"));
        QCOMPARE(scheine.liste().size(), 9);
        QCOMPARE(scheine.liste().at(1), QStringLiteral("/s/11.txt"));
        QCOMPARE(Zuletzt(d, Zuletzt::Spieltage).liste(), QStringList{"/t/a.sp45"});
        QVERIFY(inhalt(d).endsWith("Spielschein10=\r\n[Wach]\r\nStand=9\r\n"));
    }

    void fensterposition() {
        const IniDatei d = neu(QByteArray(), false);
        FensterpositionSpeichern(d, QStringLiteral("FGewonnen"), 120, 35);
        QCOMPARE(inhalt(d), QByteArray("[Position]\r\nFGewonnen-left=120\r\nFGewonnen-top=35\r\n"));
        QCOMPARE(d.leseInt(QStringLiteral("Position"), QStringLiteral("FGewonnen-top"), 70), 35);
    }

    void fehlendeDateiGibtVorgaben() {
        const IniDatei d = neu(QByteArray(), false);
        QCOMPARE(d.leseInt(QStringLiteral("Position"), QStringLiteral("FGewonnen-top"), 70), 70);
        QCOMPARE(d.leseBool(QStringLiteral("Auswertung"), QStringLiteral("sofortQ"), true), true);
        QCOMPARE(d.leseText(QStringLiteral("Wach"), QStringLiteral("Stand"), QStringLiteral("0")),
                 QStringLiteral("0"));
    }

    // The design's text, then the system's reason.
    void nichtBeschreibbar_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("grund");
        QTest::newRow("Ordner fehlt") << "fehlt/optionen.ini"
                                      << "Die Datei oder der Ordner existiert nicht.";
        QTest::newRow("ein Ordner statt der Datei") << "ordner.ini"
                                                    << "Der Name bezeichnet einen Ordner.";
    }
    void nichtBeschreibbar() {
        QFETCH(QString, datei);
        QFETCH(QString, grund);
        QDir(ordner.path()).mkdir(QStringLiteral("ordner.ini"));
        const IniDatei d(ordner.filePath(datei));
        try {
            d.schreibeInt(QStringLiteral("Position"), QStringLiteral("x"), 1);
            QFAIL("keine Ausnahme");
        } catch (const core::Fehler& f) {
            QCOMPARE(f.text(),
                     QStringLiteral("In %1 kann nicht geschrieben werden\n\n%2").arg(d.pfad(), grund));
        }
    }

    // A write the system refuses (here: no byte may be written) leaves the old file whole.
    void verweigertesSchreibenLaesstAlteDateiGanz() {
        QTemporaryDir eng;
        const IniDatei d(eng.filePath(QStringLiteral("optionen.ini")));
        d.schreibeText(QStringLiteral("Wach"), QStringLiteral("Stand"), QStringLiteral("7"));
        QString meldung;
        testhilfe::mitDateigrenze(0, [&] {
            try {
                d.schreibeText(QStringLiteral("Wach"), QStringLiteral("Stand"), QStringLiteral("8"));
            } catch (const core::Fehler& f) {
                meldung = f.text();
            }
        });
        QCOMPARE(
            meldung,
            QStringLiteral("In %1 kann nicht geschrieben werden\n\nDie Datei ist zu groß.").arg(d.pfad()));
        QCOMPARE(inhalt(d), QByteArray("[Wach]\r\nStand=7\r\n"));
        QCOMPARE(QDir(eng.path()).entryList(QDir::Files), QStringList{QStringLiteral("optionen.ini")});
    }

    // A file that exists but cannot be read is not taken as empty and rewritten with one key.
    void unlesbareDateiWirdNichtUeberschrieben() {
        const QByteArray alt("[Wach]\r\nStand=7\r\n[Auswertung]\r\nsofort=0\r\n");
        const IniDatei d = neu(alt);
        QVERIFY(QFile::setPermissions(d.pfad(), QFile::WriteOwner));
        QString meldung;
        bool gelesen = true;
        QVERIFY(testhilfe::mitDateirechten([&] {
            gelesen = d.leseBool(QStringLiteral("Auswertung"), QStringLiteral("sofort"), true);
            try {
                d.schreibeText(QStringLiteral("Wach"), QStringLiteral("Stand"), QStringLiteral("8"));
            } catch (const core::Fehler& f) {
                meldung = f.text();
            }
        }));
        QFile::setPermissions(d.pfad(), QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(gelesen); // reading gives the default
        QCOMPARE(meldung, QStringLiteral("In %1 kann nicht geschrieben werden\n\n"
                                         "Die Datei kann nicht gelesen werden: Zugriff verweigert.\n"
                                         "Sie bleibt, wie sie ist, damit keine Einstellung verloren geht.")
                              .arg(d.pfad()));
        QCOMPARE(inhalt(d), alt);
    }

    // Written as UTF-8, so that any file name survives; read by the mark, else UTF-8, else the
    // 8-bit code page of older files.
    void kodierung_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("wert");
        QTest::newRow("UTF-8") << QByteArray("[A]\r\nk=\xC5\x81\xC3\xB3"
                                             "d\xC5\xBA.txt\r\n")
                               << QStringLiteral("\u0141\u00F3d\u017A.txt");
        QTest::newRow("Windows-1252") << QByteArray("[A]\r\nk=Gr\xFC\xDF"
                                                    "e \x80\r\n")
                                      << QStringLiteral("Gr\u00FC\u00DF"
                                                        "e \u20AC");
        QTest::newRow("UTF-8 mit Marke")
            << QByteArray("\xEF\xBB\xBF[A]\r\nk=\xC3\xA4\r\n") << QStringLiteral("\u00E4");
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE[\0A\0]\0\n\0k\0=\0\xE4\0", 16)
                                   << QStringLiteral("\u00E4");
        QTest::newRow("ASCII") << QByteArray("[A]\nk=x\n") << QStringLiteral("x");
    }
    void kodierung() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, wert);
        const IniDatei d = neu(bytes);
        QCOMPARE(d.leseText(QStringLiteral("A"), QStringLiteral("k"), QString()), wert);
        // Any write leaves the file in UTF-8, every value kept.
        d.schreibeInt(QStringLiteral("B"), QStringLiteral("n"), 1);
        QCOMPARE(inhalt(d), "[A]\r\nk=" + wert.toUtf8() + "\r\n[B]\r\nn=1\r\n");
        QCOMPARE(d.leseText(QStringLiteral("A"), QStringLiteral("k"), QString()), wert);
    }

    void nichtLateinischerDateiname() {
        const IniDatei d = neu(QByteArray(), false);
        const QString pfad = QStringLiteral("/home/k/Spielscheine/\u0141\u00F3d\u017A.txt");
        d.schreibeText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spielschein"), pfad);
        QCOMPARE(inhalt(d), QByteArray("[ZumStartEinlesen]\r\nSpielschein=/home/k/Spielscheine/"
                                       "\xC5\x81\xC3\xB3"
                                       "d\xC5\xBA.txt\r\n"));
        QCOMPARE(d.leseText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spielschein"), QString()),
                 pfad);
    }

    void ordnerpfade() {
        const Ordner o = Ordner::ermitteln(QStringLiteral("/opt/prog"));
        const QString daten = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
        QCOMPARE(o.ProgramDir, QStringLiteral("/opt/prog/"));
        QCOMPARE(o.DataRoot, daten + QStringLiteral("/Remisator/"));
        QCOMPARE(o.SlipDir, o.DataRoot + QStringLiteral("Spielscheine/"));
        QCOMPARE(o.MatchdayDir, o.DataRoot + QStringLiteral("Spieltage/"));
        QCOMPARE(o.SettingsDir, o.DataRoot + QStringLiteral("Einstellungen/"));
        QCOMPARE(o.ShotsDir, o.DataRoot + QStringLiteral("shots/"));
        QCOMPARE(o.ProbeFile, o.TempDir + QStringLiteral("tmp.tmp"));
        QCOMPARE(o.TempDir,
                 QString::fromLocal8Bit(qgetenv("TMPDIR")) + QStringLiteral("/remisator-%1/").arg(geteuid()));
        QCOMPARE(o.optionenDatei(), o.SettingsDir + QStringLiteral("optionen.ini"));
        QVERIFY(!QDir(o.DataRoot).exists());
        o.anlegen();
        for (const QString& d : {o.DataRoot, o.ShotsDir, o.SlipDir, o.MatchdayDir, o.SettingsDir})
            QVERIFY2(QDir(d).exists(), qPrintable(d));
    }

    void fehlendesDatenHeimWirdAngelegt() {
        // A new user: the XDG data home and its parent do not exist yet.
        const QByteArray vorher = qgetenv("XDG_DATA_HOME");
        QTemporaryDir wurzel;
        const QString heim = wurzel.path() + QStringLiteral("/.local/share");
        qputenv("XDG_DATA_HOME", heim.toLocal8Bit());
        const Ordner o = Ordner::ermitteln(QStringLiteral("/usr/bin"));
        qputenv("XDG_DATA_HOME", vorher);
        o.anlegen();
        for (const QString& d : {o.DataRoot, o.ShotsDir, o.SlipDir, o.MatchdayDir, o.SettingsDir})
            QVERIFY2(QDir(d).exists(), qPrintable(d));
        QCOMPARE(QFile::permissions(heim) & 0x0077, QFile::Permissions());
    }
};

REMISATOR_CORE_TEST_MAIN(TstEinstellungen)
#include "tst_einstellungen.moc"
