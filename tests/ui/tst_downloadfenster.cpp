#include "net/Adressen.h"
#include "settings/Ordner.h"
#include "support/FakeUmgebung.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/bausteine/Namen.h"
#include "ui/internet/TFsptag.h"
#include "ui/internet/WebVerweise.h"
#include "ui/umgebung/Einzelfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QUrlQuery>

using testhilfe::FakeUmgebung;
using ui::TFsptag;
namespace namen = ui::namen;

namespace {

const QString Verfuegbar = QStringLiteral("Der gewählte Spieltag ist leider nicht verfügbar.");

// The colour in the middle of the lamp: 'g' grey, 'G' green, 'R' red.
char lampenfarbe(const QLabel* lampe) {
    const QColor c = lampe->pixmap().toImage().pixelColor(6, 7);
    if (c.green() > c.red() + 60)
        return 'G';
    if (c.red() > c.green() + 60)
        return 'R';
    return qAbs(c.red() - c.green()) < 30 && c.alpha() > 200 ? 'g' : '?';
}

} // namespace

// The matchday download window, driven through its controls with a fake network.
class TstDownloadfenster : public QObject {
    Q_OBJECT

    FakeUmgebung umgebung;
    settings::Ordner ordner;

    template <typename T> static T* finde(const QWidget& w, const char* name) {
        return w.findChild<T*>(QString::fromLatin1(name));
    }
    static void abrufen(const TFsptag& f) {
        QTest::mouseClick(finde<QToolButton>(f, namen::Abrufen), Qt::LeftButton);
    }
    // The donation counter that follows every fetch.
    void zaehlerAntwortet(const QByteArray& datei) {
        umgebung.netz.antworteVerbunden(true);
        umgebung.netz.erlaubeAufraeumen();
        umgebung.netz.antworteDownload(datei);
    }

private slots:
    void initTestCase() {
        qunsetenv("REMISATOR_SEITE");
        ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
        ordner.anlegen();
        QDir().mkpath(ordner.TempDir);
    }
    void init() {
        umgebung.zuruecksetzen();
        umgebung.datum = QDate(2024, 1, 24);
    }
    void cleanup() { umgebung.pruefen(); }

    void datumsliste_data() {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QStringList>("ende");
        QTest::newRow("Mittwoch") << QDate(2024, 1, 24) << 124 << QStringList{"20.01.2024", "27.01.2024"};
        QTest::newRow("Samstag") << QDate(2024, 1, 27) << 125 << QStringList{"27.01.2024", "03.02.2024"};
        QTest::newRow("erster Spieltag")
            << QDate(2021, 9, 18) << 2 << QStringList{"18.09.2021", "25.09.2021"};
        QTest::newRow("Tag davor") << QDate(2021, 9, 17) << 1 << QStringList{"18.09.2021"};
        QTest::newRow("Jahre davor") << QDate(2019, 3, 2) << 1 << QStringList{"18.09.2021"};
    }
    void datumsliste() {
        QFETCH(QDate, heute);
        QFETCH(int, anzahl);
        QFETCH(QStringList, ende);
        umgebung.datum = heute;
        const TFsptag f(umgebung.get(), ordner);
        const QComboBox* liste = finde<QComboBox>(f, namen::ComboDate2);
        QCOMPARE(liste->count(), anzahl);
        QCOMPARE(liste->itemText(0), QStringLiteral("18.09.2021"));
        for (int i = 0; i < ende.size(); ++i)
            QCOMPARE(liste->itemText(anzahl - int(ende.size()) + i), ende[i]);
        QCOMPARE(liste->currentText(), ende.last());
        QCOMPARE(f.lampe(), TFsptag::Grau);
    }

    void aufbau() {
        const TFsptag f(umgebung.get(), ordner);
        QCOMPARE(f.windowTitle(), QStringLiteral("Remisator"));
        QCOMPARE(f.size(), QSize(260, 210));
        QCOMPARE(finde<QLabel>(f, namen::Label18)->text(),
                 QStringLiteral("Datenservice - ohne Verpflichtung, ohne Gewähr"));
        QCOMPARE(finde<QCheckBox>(f, namen::SptagSofort)->text(),
                 QStringLiteral("Heruntergeladenen Spieltag für die Auswertung einlesen"));
        QVERIFY(finde<QCheckBox>(f, namen::SptagSofort)->isChecked());
        QCOMPARE(finde<QToolButton>(f, namen::Abrufen)->size(), QSize(89, 38));
        QCOMPARE(finde<QLabel>(f, namen::Label22)->text(), QStringLiteral("Spieltag (1. Tag)"));
        QCOMPARE(finde<QComboBox>(f, namen::ComboDate2)->width(), 109);
        QCOMPARE(
            finde<QLabel>(f, namen::SptagHinweis)->text(),
            QStringLiteral("Heruntergeladene Spieltage werden automa- tisch im Spieltag-Ordner gespeichert"));
        QCOMPARE(finde<QToolButton>(f, namen::SptagSchliessen)->text(), QStringLiteral("Schließen"));
        QCOMPARE(finde<QToolButton>(f, namen::SptagSchliessen)->size(), QSize(95, 38));
        QCOMPARE(lampenfarbe(finde<QLabel>(f, namen::Image1)), 'g');
        QCOMPARE(finde<QTimer>(f, namen::Timer2)->interval(), 300);
        QVERIFY(!finde<QTimer>(f, namen::Timer2)->isActive());
        QCOMPARE(finde<QTimer>(f, namen::Timer3)->interval(), 5000);
        QVERIFY(finde<QTimer>(f, namen::Timer3)->isActive());
    }

    void abrufen_data() {
        QTest::addColumn<bool>("verfuegbar");
        QTest::addColumn<bool>("haken");
        QTest::addColumn<char>("farbe");
        QTest::newRow("geholt und eingelesen") << true << true << 'G';
        QTest::newRow("geholt, nicht eingelesen") << true << false << 'G';
        QTest::newRow("nicht verfügbar") << false << true << 'R';
    }
    void abrufen() {
        QFETCH(bool, verfuegbar);
        QFETCH(bool, haken);
        QFETCH(char, farbe);
        TFsptag f(umgebung.get(), ordner);
        QSignalSpy gespeichert(&f, &TFsptag::spieltagGespeichert);
        QSignalSpy stand(&f, &TFsptag::zaehlerstand);
        finde<QCheckBox>(f, namen::SptagSofort)->setChecked(haken);
        umgebung.netz.antworteDownload(verfuegbar ? std::optional<QByteArray>("satz") : std::nullopt);
        zaehlerAntwortet("1.234,56\r\n7\r\n");

        abrufen(f);

        const auto& d = umgebung.netz.downloads;
        QCOMPARE(d.size(), size_t(2));
        QCOMPARE(d[0].url, QStringLiteral("https://remisator.example/downloads/spielplaene/27012024.sp45"));
        QCOMPARE(d[0].ziel, ordner.MatchdayDir + QStringLiteral("27012024.sp45"));
        QCOMPARE(d[0].satzgroesse, qint64(3792)); // only whole matchday records replace the file
        QVERIFY(d[0].wartezeiger);
        QCOMPARE(d[1].url, QStringLiteral("https://remisator.example/downloads/wach45.txt"));
        QCOMPARE(d[1].ziel, ordner.TempDir + QStringLiteral("wach45.txt"));
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(lampenfarbe(finde<QLabel>(f, namen::Image1)), farbe);
        QCOMPARE(stand.size(), 1);
        QCOMPARE(stand[0][0].toString(), QStringLiteral("1.234,56"));
        QCOMPARE(gespeichert.size(), verfuegbar ? 1 : 0);
        if (verfuegbar) {
            QCOMPARE(gespeichert[0][0].toString(), ordner.MatchdayDir + QStringLiteral("27012024.sp45"));
            QCOMPARE(gespeichert[0][1].toBool(), haken);
            QCOMPARE(umgebung.meldungstexte(), QString());
        } else {
            QVERIFY(umgebung.nurMeldung(FakeUmgebung::Art::Information, Verfuegbar));
        }
    }

    void zaehlerOhneVerbindungLeer() {
        TFsptag f(umgebung.get(), ordner);
        QSignalSpy stand(&f, &TFsptag::zaehlerstand);
        umgebung.netz.antworteDownload("satz");
        umgebung.netz.antworteVerbunden(false);
        abrufen(f);
        QCOMPARE(stand.size(), 1);
        QCOMPARE(stand[0][0].toString(), QString());
        QCOMPARE(umgebung.netz.downloads.size(), size_t(1));
    }

    void schreibfehlerBeendetDenAbruf() {
        TFsptag f(umgebung.get(), ordner);
        QSignalSpy gespeichert(&f, &TFsptag::spieltagGespeichert);
        QSignalSpy stand(&f, &TFsptag::zaehlerstand);
        umgebung.netz.antworteSchreibfehler(13);
        abrufen(f);
        // The number as designed, then the file and the reason.
        QVERIFY2(umgebung.nurMeldung(FakeUmgebung::Art::Fehler,
                                     QStringLiteral("E/A-Fehler 13\n\nDie Datei \"") + ordner.MatchdayDir +
                                         QStringLiteral("27012024.sp45\" kann nicht geschrieben werden.\n\n"
                                                        "Zugriff verweigert.")),
                 qPrintable(umgebung.meldungstexte()));
        QCOMPARE(f.lampe(), TFsptag::Grau);
        QVERIFY(!finde<QTimer>(f, namen::Timer2)->isActive());
        QCOMPARE(gespeichert.size() + stand.size(), 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // A stopped fetch is a failed one that says so; it ends the command. A stopped counter keeps
    // its text and lets the matchday be read.
    void abgebrochen_data() {
        QTest::addColumn<bool>("zaehler");
        QTest::newRow("Spieltag abgebrochen") << false;
        QTest::newRow("Zähler abgebrochen") << true;
    }
    void abgebrochen() {
        QFETCH(bool, zaehler);
        TFsptag f(umgebung.get(), ordner);
        QSignalSpy gespeichert(&f, &TFsptag::spieltagGespeichert);
        QSignalSpy stand(&f, &TFsptag::zaehlerstand);
        if (zaehler) {
            umgebung.netz.antworteDownload("satz");
            umgebung.netz.antworteVerbunden(true);
            umgebung.netz.erlaubeAufraeumen();
        }
        umgebung.netz.antworteAbbruch();
        abrufen(f);
        QCOMPARE(f.lampe(), zaehler ? TFsptag::Gruen : TFsptag::Rot);
        QVERIFY(finde<QTimer>(f, namen::Timer2)->isActive());
        QCOMPARE(stand.size(), 0);
        QCOMPARE(gespeichert.size(), zaehler ? 1 : 0);
        QCOMPARE(umgebung.netz.downloads.size(), zaehler ? size_t(2) : size_t(1));
        if (!zaehler)
            QVERIFY2(
                umgebung.nurMeldung(FakeUmgebung::Art::Information,
                                    QStringLiteral("Der Download von \"27012024.sp45\" wurde abgebrochen.")),
                qPrintable(umgebung.meldungstexte()));
    }

    void programmendeZeigtNichts() {
        TFsptag f(umgebung.get(), ordner);
        umgebung.netz.antworteAbbruch(true);
        abrufen(f);
        QCOMPARE(umgebung.meldungstexte(), QString());
        QCOMPARE(umgebung.netz.downloads.size(), size_t(1));
    }

    void lampeBlinktFuenfSekunden() {
        TFsptag f(umgebung.get(), ordner);
        QTimer* blinken = finde<QTimer>(f, namen::Timer2);
        QTimer* ende = finde<QTimer>(f, namen::Timer3);
        QLabel* lampe = finde<QLabel>(f, namen::Image1);
        ende->stop(); // as after the first five seconds of the window
        umgebung.netz.antworteDownload("satz");
        zaehlerAntwortet("1\r\n");
        abrufen(f);
        QVERIFY(blinken->isActive() && ende->isActive());
        QVERIFY(!lampe->isHidden());
        QVERIFY(QMetaObject::invokeMethod(blinken, "timeout"));
        QVERIFY(lampe->isHidden());
        QVERIFY(QMetaObject::invokeMethod(blinken, "timeout"));
        QVERIFY(!lampe->isHidden());

        // A second fetch changes the colour but not the end of the blinking.
        QTest::qWait(400);
        const int rest = ende->remainingTime();
        umgebung.netz.antworteDownload(std::nullopt);
        zaehlerAntwortet("1\r\n");
        abrufen(f);
        QVERIFY(umgebung.nurMeldung(FakeUmgebung::Art::Information, Verfuegbar));
        QCOMPARE(f.lampe(), TFsptag::Rot);
        QVERIFY2(ende->remainingTime() <= rest,
                 qPrintable(QStringLiteral("%1 > %2").arg(ende->remainingTime()).arg(rest)));

        QTRY_COMPARE_WITH_TIMEOUT(f.lampe(), TFsptag::Grau, 6000);
        QVERIFY(!blinken->isActive() && !ende->isActive());
        QVERIFY(!lampe->isHidden());
        QCOMPARE(lampenfarbe(lampe), 'g');
    }

    void schliessenVersteckt() {
        auto* haupt = new QWidget;
        haupt->setGeometry(100, 100, 900, 600);
        // as the main window's download button opens it
        ui::Einzelfenster<TFsptag> fenster;
        const auto oeffnen = [&] {
            return fenster.oeffnen([&] { return new TFsptag(umgebung.get(), ordner, haupt); });
        };
        QPointer<TFsptag> f = oeffnen();
        QVERIFY(f->isVisible());
        QVERIFY((f->frameGeometry().center() - haupt->frameGeometry().center()).manhattanLength() <= 4);
        umgebung.datum = QDate(2024, 3, 2);
        QTest::mouseClick(finde<QToolButton>(*f, namen::SptagSchliessen), Qt::LeftButton);
        QVERIFY(f && !f->isVisible());
        oeffnen();
        QVERIFY(f->isVisible());
        QCOMPARE(finde<QComboBox>(*f, namen::ComboDate2)->currentText(), QStringLiteral("27.01.2024"));
        QCOMPARE(haupt->findChildren<TFsptag*>().size(), 1);
        delete haupt;
    }

    void verweise_data() {
        QTest::addColumn<QString>("verweis");
        QTest::addColumn<bool>("verbunden");
        QTest::addColumn<QString>("meldung");
        const QString ohne = QStringLiteral("Für den Aufruf %1 muss eine Verbindung zum Internet bestehen.");
        QTest::newRow("Spende") << "spende" << true << "";
        QTest::newRow("Spende ohne Verbindung") << "spende" << false << ohne.arg("der PayPal-Seite");
        QTest::newRow("Video") << "video" << true << "";
        QTest::newRow("Video ohne Verbindung") << "video" << false << ohne.arg("des Videos");
        QTest::newRow("Plus") << "plus" << true << "";
        QTest::newRow("Plus ohne Verbindung") << "plus" << false << ohne.arg("der Seite");
        const QString ohneBrowser = QStringLiteral(
            "Es ließ sich kein Web-Browser öffnen. Bitte rufen Sie die Seite selbst auf:\n\n%1");
        QTest::newRow("Video ohne Browser")
            << "video" << true << ohneBrowser.arg("https://video.example/remisator");
        QTest::newRow("Plus ohne Browser")
            << "plus" << true << ohneBrowser.arg("https://remisator.example/remisator-plus/");
    }
    void verweise() {
        QFETCH(QString, verweis);
        QFETCH(bool, verbunden);
        QFETCH(QString, meldung);
        ui::WebVerweise v(umgebung.get());
        umgebung.netz.antworteVerbunden(verbunden);
        // Without a browser the address is shown, to be copied.
        umgebung.ohneBrowser = verbunden && !meldung.isEmpty();
        if (verweis == QStringLiteral("spende"))
            v.spendenSeiteOeffnen();
        else if (verweis == QStringLiteral("video"))
            v.videoOeffnen();
        else
            v.plusSeiteOeffnen();
        QCOMPARE(umgebung.geoeffneteAdressen.size(), verbunden ? 1 : 0);
        if (!meldung.isEmpty()) {
            QVERIFY2(umgebung.nurMeldung(FakeUmgebung::Art::Information, meldung),
                     qPrintable(umgebung.meldungstexte()));
            return;
        }
        QCOMPARE(umgebung.meldungstexte(), QString());
        const QUrl url(umgebung.geoeffneteAdressen[0]);
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        if (verweis == QStringLiteral("spende")) {
            QCOMPARE(url.path(), QStringLiteral("/donate/"));
            QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("hosted_button_id")),
                     QString::fromLatin1(net::Adressen::SpendenKnopf));
        } else if (verweis == QStringLiteral("video")) {
            QCOMPARE(url.toString(), QStringLiteral("https://video.example/remisator"));
        } else {
            QCOMPARE(url.toString(), QStringLiteral("https://remisator.example/remisator-plus/"));
        }
    }

    void plusSeiteAufAndererSeite() {
        qputenv("REMISATOR_SEITE", "https://127.0.0.1:8443/");
        ui::WebVerweise v(umgebung.get());
        umgebung.netz.antworteVerbunden(true);
        v.plusSeiteOeffnen();
        qunsetenv("REMISATOR_SEITE");
        QCOMPARE(umgebung.geoeffneteAdressen,
                 QStringList{QStringLiteral("https://127.0.0.1:8443/remisator-plus/")});
    }
};

REMISATOR_TEST_MAIN(TstDownloadfenster)
#include "tst_downloadfenster.moc"
