#include "app/TFStart.h"
#include "net/Adressen.h"
#include "net/CurlNetz.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/abbild/TFAbbild.h"
#include "ui/abbild/TFInfo.h"
#include "ui/bausteine/Skin.h"
#include "ui/internet/TFsptag.h"

#include "Testseite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

#include <memory>

using testhilfe::dateiLesen;
using testhilfe::dateiSchreiben;
using testhilfe::FakeUmgebung;
using testhilfe::Hauptfensterhilfe;
namespace namen = ui::namen;

namespace {

const QString Beispiel = QStringLiteral(BEISPIELE) + QStringLiteral("/18092021.sp45");
const QString NichtVerfuegbar = QStringLiteral("Der gewählte Spieltag ist leider nicht verfügbar.");
// The sample matchday of 18.09.2021: its first pairing and the row its draws give.
const QString ErstePaarung = QStringLiteral("SV Nordheim - FC Talbach");
const QStringList Gewinnreihe = {"3", "8", "15", "22", "30", "41", "12"};

void klick(QWidget* w) {
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton);
}

// The real network, but connected whatever the machine's interfaces say.
class Verbunden : public net::CurlNetz {
public:
    using CurlNetz::CurlNetz;
    bool InternetVerbunden() override { return true; }
};

// What the main window shows of a matchday: date, first pairing and the seven boxes.
QStringList gezeigterSpieltag(const QWidget& w) {
    QStringList t{w.findChild<QLabel*>(QString::fromLatin1(namen::LTag))->text(),
                  w.findChild<QWidget*>(QStringLiteral("frPaars1"))
                      ->findChild<QLabel*>(QString::fromLatin1(namen::PPaar))
                      ->text()};
    for (int i = 1; i <= 7; ++i)
        t.append(w.findChild<QWidget*>(QString::fromLatin1(namen::frAnzeige) + QString::number(i))
                     ->findChild<QLineEdit*>(QString::fromLatin1(namen::ETZ))
                     ->text());
    return t;
}

QStringList beispielGezeigt() {
    return QStringList{QStringLiteral("18.09.2021"), ErstePaarung} + Gewinnreihe;
}

} // namespace

// The main window's buttons that open the download, snapshot and about windows and the web pages.
class TstNebenfenster : public QObject {
    Q_OBJECT

    static ui::TFsptag* herunterladen(const QWidget& w) {
        klick(w.findChild<QToolButton*>(QString::fromLatin1(namen::BFSpTagVerw)));
        return w.findChild<ui::TFsptag*>();
    }
    static void abrufen(const ui::TFsptag* f) {
        klick(f->findChild<QToolButton*>(QString::fromLatin1(namen::Abrufen)));
    }
    // One matchday fetched through the window with the fake network, and the counter after it.
    static void fakeAbruf(Hauptfensterhilfe& h, std::optional<QByteArray> spieltag, bool haken,
                          const QByteArray& zaehler = "1,00\r\n") {
        // The real network makes the scratch folder at its first transfer.
        QDir().mkpath(h.ordner.TempDir);
        ui::TFsptag* f = herunterladen(*h.fenster);
        f->findChild<QCheckBox*>(QString::fromLatin1(namen::SptagSofort))->setChecked(haken);
        h.umgebung.netz.antworteDownload(spieltag);
        h.umgebung.netz.antworteVerbunden(true);
        h.umgebung.netz.erlaubeAufraeumen();
        h.umgebung.netz.antworteDownload(zaehler);
        abrufen(f);
        QVERIFY(h.umgebung.netz.allesVerbraucht());
    }

private slots:
    void initTestCase() {
        ui::Skin::schriftenZuordnen();
        for (const char* v : {"REMISATOR_SEITE", "REMISATOR_CA", "http_proxy", "https_proxy", "all_proxy",
                              "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            qunsetenv(v);
    }

    void einDownloadfenster() {
        Hauptfensterhilfe h;
        h.starten().show();
        ui::TFsptag* f = herunterladen(*h.fenster);
        QVERIFY(f && f->isVisible());
        f->showMinimized();
        QCOMPARE(herunterladen(*h.fenster), f);
        QVERIFY(f->isVisible() && !f->isMinimized());
        klick(f->findChild<QToolButton*>(QString::fromLatin1(namen::SptagSchliessen)));
        QVERIFY(!f->isVisible());
        QCOMPARE(herunterladen(*h.fenster), f);
        QVERIFY(f->isVisible());
        QCOMPARE(h.fenster->findChildren<ui::TFsptag*>().size(), 1);
        QVERIFY(h.umgebung.meldungen.empty());
    }

    void geholtenSpieltagEinlesen_data() {
        QTest::addColumn<bool>("haken");
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QStringList>("gezeigt");
        QTest::addColumn<bool>("fehler");
        const QStringList leer = {"", ""};
        QTest::newRow("mit Haken") << true << dateiLesen(Beispiel) << beispielGezeigt() << false;
        QTest::newRow("ohne Haken") << false << dateiLesen(Beispiel) << leer + QStringList(7, "") << false;
        QTest::newRow("kein Spieltag")
            << true << QByteArray("kein Spieltag") << leer + QStringList(7, "") << true;
    }
    void geholtenSpieltagEinlesen() {
        QFETCH(bool, haken);
        QFETCH(QByteArray, datei);
        QFETCH(QStringList, gezeigt);
        QFETCH(bool, fehler);
        Hauptfensterhilfe h;
        h.starten();
        fakeAbruf(h, datei, haken);
        QCOMPARE(gezeigterSpieltag(*h.fenster), gezeigt);
        QCOMPARE(h.umgebung.meldungen.size(), size_t(fehler ? 1 : 0));
        if (fehler)
            QCOMPARE(h.umgebung.meldungen[0].art, FakeUmgebung::Art::Fehler);
        h.umgebung.nimmMeldungen();
        // Not remembered for the next start.
        QCOMPARE(h.optionen().leseText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spieltag"),
                                       QStringLiteral("fehlt")),
                 QStringLiteral("fehlt"));
    }

    void zaehlerstand_data() {
        QTest::addColumn<bool>("verfuegbar");
        QTest::addColumn<QByteArray>("zaehler");
        QTest::addColumn<QString>("stand");
        QTest::newRow("erste Zeile") << true << QByteArray("1.234,56\r\n7,00\r\n") << "1.234,56";
        QTest::newRow("leere erste Zeile") << true << QByteArray("\r\n1.234,56\r\n") << "";
        QTest::newRow("auch wenn der Spieltag fehlt") << false << QByteArray("88,00\r\n") << "88,00";
    }
    void zaehlerstand() {
        QFETCH(bool, verfuegbar);
        QFETCH(QByteArray, zaehler);
        QFETCH(QString, stand);
        Hauptfensterhilfe h;
        h.starten();
        QCOMPARE(h.finde<QLabel>(namen::leur)->text(), QStringLiteral("0"));
        fakeAbruf(h, verfuegbar ? std::optional<QByteArray>(dateiLesen(Beispiel)) : std::nullopt, false,
                  zaehler);
        QCOMPARE(h.finde<QLabel>(namen::leur)->text(), stand);
        QCOMPARE(h.umgebung.meldungstexte(), verfuegbar ? QString() : QStringLiteral("0:") + NichtVerfuegbar);

        // Kept in the settings and shown after a restart, without any network call.
        h.fenster->close();
        QCOMPARE(
            h.optionen().leseText(QStringLiteral("Wach"), QStringLiteral("Stand"), QStringLiteral("fehlt")),
            stand);
        h.umgebung.zuruecksetzen();
        h.starten();
        QCOMPARE(h.finde<QLabel>(namen::leur)->text(), stand);
        QCOMPARE(h.umgebung.netz.verbindungsfragen + int(h.umgebung.netz.downloads.size()), 0);
    }

    void verweise_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<bool>("verbunden");
        QTest::addColumn<QString>("erwartet"); // the address opened, or the message
        const QString ohne = QStringLiteral("Für den Aufruf %1 muss eine Verbindung zum Internet bestehen.");
        const QString video = QStringLiteral("https://video.example/remisator");
        const QString plus = QStringLiteral("https://remisator.example/remisator-plus/");
        // The donation page is the payment service's; the test checks the button's query on it.
        QTest::newRow("Spende") << "BSpende" << true
                                << QString::fromLatin1(net::Adressen::SpendenSeite) +
                                       QStringLiteral("?hosted_button_id=REMISATOR-SPENDE");
        QTest::newRow("Spende ohne Verbindung") << "BSpende" << false << ohne.arg("der PayPal-Seite");
        QTest::newRow("Video") << "bsSkinSpeedButton10" << true << video;
        QTest::newRow("Video ohne Verbindung") << "bsSkinSpeedButton10" << false << ohne.arg("des Videos");
        QTest::newRow("Das macht das Tool") << "Startfenster" << true << video;
        QTest::newRow("Das macht das Tool ohne Verbindung")
            << "Startfenster" << false << ohne.arg("des Videos");
        QTest::newRow("Label5 geklickt") << "Label5" << true << plus;
        QTest::newRow("Label5 mit der Eingabetaste") << "Label5 Taste" << true << plus;
        QTest::newRow("Label5 ohne Verbindung") << "Label5" << false << ohne.arg("der Seite");
    }
    void verweise() {
        QFETCH(QString, knopf);
        QFETCH(bool, verbunden);
        QFETCH(QString, erwartet);
        Hauptfensterhilfe h;
        h.starten().show();
        TFStart start;
        h.fenster->videoKnopfVerbinden(start.Video);
        h.umgebung.netz.antworteVerbunden(verbunden);
        QLabel* label = h.finde<QLabel>(namen::Label5);
        if (knopf == QStringLiteral("Startfenster")) {
            klick(start.Video);
        } else if (knopf == QStringLiteral("Label5 Taste")) {
            QVERIFY(label->focusPolicy() & Qt::TabFocus);
            QCOMPARE(label->accessibleName(), QStringLiteral("Remisator Plus"));
            label->setFocus();
            QTest::keyClick(label, Qt::Key_Return);
        } else if (knopf == QStringLiteral("Label5")) {
            klick(label);
        } else {
            klick(h.finde<QToolButton>(qPrintable(knopf)));
        }
        QVERIFY(h.umgebung.netz.allesVerbraucht());
        if (verbunden) {
            QCOMPARE(h.umgebung.geoeffneteAdressen, QStringList{erwartet});
            QCOMPARE(h.umgebung.meldungstexte(), QString());
        } else {
            QCOMPARE(h.umgebung.geoeffneteAdressen, QStringList());
            QVERIFY2(h.umgebung.nurMeldung(FakeUmgebung::Art::Information, erwartet),
                     qPrintable(h.umgebung.meldungstexte()));
        }
    }

    void abbilderDerAuswertung() {
        Hauptfensterhilfe h;
        const QString schein = dateiSchreiben(h.ordner.SlipDir + QStringLiteral("Schein1.txt"),
                                              "1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n");
        h.starten().show();
        h.fenster->SpielscheinEinlesen(schein);
        QToolButton* abbild = h.finde<QToolButton>(namen::PFoto, namen::Abbild);
        klick(abbild);
        klick(abbild);
        QList<ui::TFAbbild*> fenster = h.fenster->findChildren<ui::TFAbbild*>();
        QCOMPARE(fenster.size(), 2);
        std::sort(fenster.begin(), fenster.end(),
                  [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(fenster[i]->objectName(), QStringLiteral("FAbbild%1").arg(i + 1));
            QCOMPARE(fenster[i]->windowTitle(), QStringLiteral("Schein1"));
            QVERIFY(fenster[i]->isVisible());
            QCOMPARE(fenster[i]->bild().size(), QSize(404, h.finde<QWidget>(namen::PFoto)->height()));
        }
        QVERIFY(h.umgebung.meldungen.empty());
        // An open snapshot ends with the main window.
        const QPointer<ui::TFAbbild> offen(fenster[0]);
        h.fenster.reset();
        QVERIFY(offen.isNull());
    }

    void einInfofenster() {
        Hauptfensterhilfe h;
        h.starten().show();
        klick(h.finde<QToolButton>(namen::Info));
        klick(h.finde<QToolButton>(namen::Info));
        const QList<ui::TFInfo*> fenster = h.fenster->findChildren<ui::TFInfo*>();
        QCOMPARE(fenster.size(), 1);
        QCOMPARE(fenster[0]->objectName(), QStringLiteral("FInfo"));
        QVERIFY(fenster[0]->isVisible());
    }

    // With the real libcurl code against the local test site, as a user tries it by hand.
    void spieltagVonDerTestseite() {
        QTemporaryDir tmp;
        const QString seitenOrdner = tmp.filePath(QStringLiteral("seite"));
        QDir().mkpath(seitenOrdner + QStringLiteral("/downloads/spielplaene"));
        QVERIFY(QFile::copy(Beispiel, seitenOrdner + QStringLiteral("/downloads/spielplaene/18092021.sp45")));
        dateiSchreiben(seitenOrdner + QStringLiteral("/downloads/wach45.txt"), "1.234,56\r\n7,00\r\n");
        const QString ca = tmp.filePath(QStringLiteral("ca.pem"));
        const testseite::Testseite seite(seitenOrdner.toStdString(), ca.toStdString());
        qputenv("REMISATOR_SEITE", seite.adresse().c_str());

        Hauptfensterhilfe h;
        Verbunden netz(h.ordner.ProbeFile, net::Grenzen{}, ca);
        ui::Umgebung umgebung{h.umgebung, h.umgebung, h.umgebung, h.umgebung, netz, h.umgebung};
        TFGewonnen w(umgebung, h.ordner);
        w.show();
        ui::TFsptag* f = herunterladen(w);
        QComboBox* liste = f->findChild<QComboBox*>(QString::fromLatin1(namen::ComboDate2));
        liste->setCurrentIndex(liste->findText(QStringLiteral("18.09.2021")));
        abrufen(f);
        qunsetenv("REMISATOR_SEITE");

        QVERIFY2(h.umgebung.meldungen.empty(), qPrintable(h.umgebung.meldungstexte()));
        QCOMPARE(f->lampe(), ui::TFsptag::Gruen);
        QCOMPARE(gezeigterSpieltag(w), beispielGezeigt());
        QCOMPARE(w.findChild<QLabel*>(QString::fromLatin1(namen::leur))->text(), QStringLiteral("1.234,56"));
        QCOMPARE(dateiLesen(h.ordner.MatchdayDir + QStringLiteral("18092021.sp45")), dateiLesen(Beispiel));
    }

    void testseiteAngehalten() {
        QTemporaryDir tmp;
        const QString ca = tmp.filePath(QStringLiteral("ca.pem"));
        std::string adresse;
        {
            const testseite::Testseite seite(tmp.path().toStdString(), ca.toStdString());
            adresse = seite.adresse();
        }
        qputenv("REMISATOR_SEITE", adresse.c_str());
        Hauptfensterhilfe h;
        dateiSchreiben(h.ordner.MatchdayDir + QStringLiteral("27012024.sp45"), "alter Spieltag");
        Verbunden netz(h.ordner.ProbeFile, net::Grenzen{}, ca);
        ui::Umgebung umgebung{h.umgebung, h.umgebung, h.umgebung, h.umgebung, netz, h.umgebung};
        TFGewonnen w(umgebung, h.ordner);
        w.show();
        ui::TFsptag* f = herunterladen(w);
        QElapsedTimer uhr;
        uhr.start();
        abrufen(f);
        const qint64 dauer = uhr.elapsed();
        qunsetenv("REMISATOR_SEITE");

        QVERIFY2(h.umgebung.nurMeldung(FakeUmgebung::Art::Information, NichtVerfuegbar),
                 qPrintable(h.umgebung.meldungstexte()));
        QCOMPARE(f->lampe(), ui::TFsptag::Rot);
        // Within the connect bound, the counter's attempt included.
        QVERIFY2(dauer < net::Grenzen{}.verbindenMs, qPrintable(QString::number(dauer)));
        QCOMPARE(w.findChild<QLabel*>(QString::fromLatin1(namen::leur))->text(), QString());
        QCOMPARE(dateiLesen(h.ordner.MatchdayDir + QStringLiteral("27012024.sp45")),
                 QByteArray("alter Spieltag"));
    }
};

REMISATOR_TEST_MAIN(TstNebenfenster)
#include "tst_nebenfenster.moc"
