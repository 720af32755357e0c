#include "app/TFGewonnen.h"
#include "net/CurlNetz.h"
#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "settings/Schluessel.h"
#include "support/FakeUmgebung.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/bausteine/Namen.h"
#include "ui/internet/TFNeu.h"
#include "ui/internet/TFUebertragung.h"
#include "ui/internet/TFsptag.h"
#include "ui/internet/Uebertragungsbegleitung.h"

#include "Testseite.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

#include <memory>

using testhilfe::dateiLesen;
using testhilfe::dateiSchreiben;
using testhilfe::FakeUmgebung;
using ui::TFNeu;
using ui::TFsptag;
namespace namen = ui::namen;

namespace {

// The real network, but connected whatever the machine's interfaces say; short bounds.
class Verbunden : public net::CurlNetz {
public:
    Verbunden(const QString& probe, const QString& ca)
        : CurlNetz(probe, net::Grenzen{3000, 2, 20, 1024 * 1024}, ca, net::Grenzen{3000, 1, 20, 64 * 1024}) {}
    bool InternetVerbunden() override { return true; }
};

// Records the programs started and the end, as the fake does, and whether a program was still open
// in this process when it was started: such a file cannot be run.
class Shell : public ui::Shell {
public:
    QStringList gestartet;
    QStringList offen;
    int beendet = 0;
    bool oeffnen(const QString&) override {
        QTest::qFail("keine Adresse erwartet", __FILE__, __LINE__);
        return false;
    }
    bool programmStarten(const QString& programm, bool) override {
        gestartet.append(programm);
        const QFileInfoList fds = QDir(QStringLiteral("/proc/self/fd"))
                                      .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo& fd : fds)
            if (fd.symLinkTarget() == QFileInfo(programm).absoluteFilePath())
                offen.append(programm);
        return true;
    }
    void sofortBeenden() override { ++beendet; }
};

// One record of the version-info file.
QByteArray satz(const QByteArray& version) {
    return (QByteArray(8, '\0') + char(version.size()) + version).leftJustified(24, '\0');
}

// The progress window of the transfer running now, if there is one.
ui::TFUebertragung* fortschritt() {
    for (QWidget* w : QApplication::allWidgets())
        if (auto* u = qobject_cast<ui::TFUebertragung*>(w))
            return u;
    return nullptr;
}

void abbrechenKlicken() {
    QTest::mouseClick(
        fortschritt()->findChild<QPushButton*>(QString::fromLatin1(namen::UebertragungAbbrechen)),
        Qt::LeftButton);
}

const QString Gescheitert =
    QStringLiteral("0:Der Download ist gescheitert. Versuchen Sie es bitte später noch "
                   "einmal oder laden Sie das Update von \"127.0.0.1\" herunter.");

} // namespace

// The update window through its buttons, against the local test site with the real libcurl code;
// the shell and the messages are faked.
class TstUpdatefenster : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QString downloads;
    std::unique_ptr<testseite::Testseite> seite;
    FakeUmgebung fake;
    Shell shell;
    std::unique_ptr<Verbunden> netz;
    ui::Uebertragungsbegleitung begleitung{100};
    std::unique_ptr<ui::Umgebung> echt;
    settings::Ordner ordner;
    std::unique_ptr<TFGewonnen> haupt;

    template <typename T> static T* finde(const QWidget* w, const char* name) {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    static void klick(const QWidget* w, const char* name) {
        QTest::mouseClick(finde<QToolButton>(w, name), Qt::LeftButton);
    }
    static bool an(const QWidget* w, const char* name) { return finde<QToolButton>(w, name)->isEnabled(); }
    TFNeu* offen() const { return haupt->findChild<TFNeu*>(); }
    // The main window's update button; the window it opens.
    TFNeu* oeffnen() {
        klick(haupt.get(), namen::VersionPruefen);
        return offen();
    }
    void angeboten(const QByteArray& verinfos) {
        dateiSchreiben(downloads + QStringLiteral("verinfos.rmst"), verinfos);
    }
    // Checked and downloaded: ready to install.
    TFNeu* bereit() {
        angeboten(satz("1.3.0.1"));
        TFNeu* f = oeffnen();
        klick(f, namen::BCalc);
        klick(f, namen::BDown);
        return f;
    }

private slots:
    void initTestCase() {
        for (const char* v :
             {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            qunsetenv(v);
        downloads = tmp.filePath(QStringLiteral("seite/downloads/"));
        QDir().mkpath(downloads);
        dateiSchreiben(downloads + QStringLiteral("wach45.txt"), "12,50\r\n");
        const QString ca = tmp.filePath(QStringLiteral("ca.pem"));
        seite = std::make_unique<testseite::Testseite>(tmp.filePath(QStringLiteral("seite")).toStdString(),
                                                       ca.toStdString());
        qputenv("REMISATOR_SEITE", QByteArray::fromStdString(seite->adresse()));
        ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
        ordner.anlegen();
        netz = std::make_unique<Verbunden>(ordner.ProbeFile, ca);
        netz->begleitenMit(&begleitung);
        echt = std::make_unique<ui::Umgebung>(ui::Umgebung{fake, fake, shell, fake, *netz, fake});
        haupt = std::make_unique<TFGewonnen>(*echt, ordner);
        haupt->show();
    }
    void init() {
        fake.zuruecksetzen();
        shell = Shell();
        seite->regelnLoeschen();
        dateiSchreiben(downloads + QStringLiteral("rmstupdate.run"), "#!/bin/sh\necho neu\n");
        QFile::remove(ordner.optionenDatei());
    }
    void cleanup() {
        fake.pruefen();
        if (TFNeu* f = offen())
            delete f;
    }

    void aufbau() {
        const TFNeu* f = oeffnen();
        QVERIFY(f->isVisible());
        QCOMPARE(f->objectName(), QStringLiteral("FNeu"));
        QCOMPARE(f->windowTitle(), QStringLiteral("Remisator"));
        QCOMPARE(f->size(), QSize(325, 306));
        QVERIFY(f->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(f->frameGeometry().center(), haupt->frameGeometry().center());
        QCOMPARE(finde<QGroupBox>(f, namen::bsSkinGroupBox1)->title(),
                 QStringLiteral("Programmversion auf Aktualität prüfen"));
        const struct {
            const char* name;
            const char* text;
        } texte[] = {
            {namen::NeuLabel1, "Installierte Version"},
            {namen::PiVersion, "1.3.0.0"},
            {namen::NeuLabel2, "Verfügbare Version"},
            {namen::PvVersion, ""},
            {namen::NeuLabel4,
             "Wenn online eine aktuellere Version verfügbar ist, wird der Download-Button aktiv."},
            {namen::NeuLabel3, "Nach dem Download wird der Installations-Button aktiv."},
        };
        for (const auto& t : texte)
            QCOMPARE(finde<QLabel>(f, t.name)->text(), QString::fromUtf8(t.text));
        QCOMPARE(finde<QToolButton>(f, namen::BCalc)->text(), QStringLiteral("Prüfen"));
        QCOMPARE(finde<QToolButton>(f, namen::BDown)->text(), QStringLiteral("Download"));
        QCOMPARE(finde<QToolButton>(f, namen::BSetup)->text(), QStringLiteral("Installation"));
        QCOMPARE(finde<QToolButton>(f, namen::NeuSchliessen)->text(), QStringLiteral("Sch&ließen"));
        QVERIFY(an(f, namen::BCalc));
        QVERIFY(!an(f, namen::BDown));
        QVERIFY(!an(f, namen::BSetup));
        const QProgressBar* balken = finde<QProgressBar>(f, namen::Gauge3);
        QCOMPARE(balken->maximum(), 100);
        QCOMPARE(balken->value(), 0);
        QVERIFY(!balken->isTextVisible());
    }

    void pruefen_data() {
        QTest::addColumn<QByteArray>("verinfos"); // empty: the site answers 404
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("download");
        QTest::addColumn<QString>("meldung");
        const QString kaputt = QStringLiteral("2:Die Versionsinformation des Herausgebers ist beschädigt: ");
        const QString ende = QStringLiteral("\n\nIch breche erst einmal ab.");
        QTest::newRow("gleiche Version") << satz("1.3.0.0") << "1.3.0.0" << false << "";
        QTest::newRow("ältere Version") << satz("1.2.9.9") << "1.2.9.9" << true << "";
        QTest::newRow("drei Sätze") << satz("1.4.0.0") + satz("1.3.0.0") + satz("1.2.0.0") << "1.2.0.0"
                                    << true << "";
        QTest::newRow("Länge 0") << satz("") << "" << true << "";
        // Labels and buttons keep what the check before left; a file of no whole records does
        // not even replace the old one.
        QTest::newRow("kurze Datei") << satz("1.3.0.0").left(20) << "0.9" << true
                                     << "0:Die Prüfung hat leider nicht geklappt.\n";
        QTest::newRow("Auszeichnung") << satz("<h1>9.9</h1>") << "<h1>9.9</h1>" << true << "";
        QTest::newRow("Länge 16")
            << QByteArray(8, '\0') + char(16) + QByteArray(15, '1') << "0.9" << true
            << kaputt + "Die Versionsangabe soll 16 Zeichen lang sein, höchstens 15 sind möglich." + ende;
        QTest::newRow("Prüfung gescheitert")
            << QByteArray() << "0.9" << true << "0:Die Prüfung hat leider nicht geklappt.\n";
    }
    void pruefen() {
        QFETCH(QByteArray, verinfos);
        QFETCH(QString, version);
        QFETCH(bool, download);
        QFETCH(QString, meldung);
        TFNeu* f = oeffnen();
        angeboten(satz("0.9"));
        klick(f, namen::BCalc);
        QCOMPARE(finde<QLabel>(f, namen::PvVersion)->text(), QStringLiteral("0.9"));
        haupt->findChild<QLabel*>(QString::fromLatin1(namen::leur))->setText(QStringLiteral("alt"));
        if (verinfos.isEmpty())
            seite->status("/downloads/verinfos.rmst", 404);
        else
            angeboten(verinfos);

        klick(f, namen::BCalc);

        QCOMPARE(finde<QLabel>(f, namen::PvVersion)->text(), version);
        QCOMPARE(finde<QLabel>(f, namen::PvVersion)->textFormat(), Qt::PlainText);
        QCOMPARE(an(f, namen::BDown), download);
        QVERIFY(!an(f, namen::BSetup));
        QCOMPARE(fake.meldungstexte(), meldung);
        fake.nimmMeldungen();
        // The counter follows every check, a failed one too.
        QCOMPARE(haupt->findChild<QLabel*>(QString::fromLatin1(namen::leur))->text(),
                 QStringLiteral("12,50"));
        QCOMPARE(seite->anfragen().back().pfad, std::string("/downloads/wach45.txt"));
    }

    void keineVerbindung() {
        // The fake network fails on any call but the ones given here.
        TFNeu f(fake.get(), ordner);
        fake.netz.antworteVerbunden(false);
        klick(&f, namen::BCalc);
        fake.netz.antworteVerbunden(true);
        fake.netz.erlaubeAufraeumen();
        fake.netz.antworteDownload(satz("1.2.9.9"));
        fake.netz.antworteVerbunden(false); // the counter
        klick(&f, namen::BCalc);
        fake.netz.antworteVerbunden(false);
        klick(&f, namen::BDown);
        QCOMPARE(fake.meldungstexte(),
                 QStringLiteral("0:Für die Prüfung muss eine Verbindung zum Internet bestehen. | "
                                "0:Für den Download der Installations-Datei muss eine Verbindung "
                                "zum Internet bestehen.\n\nIch breche ab."));
        fake.nimmMeldungen();
        QVERIFY(an(&f, namen::BDown));
        QCOMPARE(fake.netz.downloads.size(), size_t(1));
    }

    void herunterladen_data() {
        QTest::addColumn<QString>("regel");
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<int>("maximum");     // of the progress bar, which shows all 5011 bytes
        QTest::addColumn<QString>("meldung"); // none: fetched
        QTest::addColumn<QByteArray>("danach");
        const QByteArray skript = "#!/bin/sh\n" + QByteArray(5000, '#') + '\n';
        const QByteArray fehlt = "<fehlt>";
        QTest::newRow("Größe bekannt") << "" << skript << 5011 << "" << skript;
        QTest::newRow("Größe unbekannt") << "ohne Länge" << skript << 0 << "" << skript;
        // A failed download keeps the old installer.
        const QByteArray alt = "altes Update";
        QTest::newRow("Status 404") << "404" << skript << -1 << Gescheitert << alt;
        QTest::newRow("abgebrochen") << "kurz" << skript << -1 << Gescheitert << alt;
        QTest::newRow("über der Grenze") << "" << QByteArray(64 * 1024 + 1, 'x') << -1 << Gescheitert << alt;
        // BSetup came on with the first bytes, and goes off again: there is no installer.
        QTest::newRow("über der Grenze, Größe unbekannt")
            << "ohne Länge" << QByteArray(200 * 1024, 'x') << -1 << Gescheitert << alt;
        QTest::newRow("Umleitung auf HTTP") << "http" << skript << -1 << Gescheitert << alt;
        QTest::newRow("stockt") << "stocken" << skript << -1 << Gescheitert << alt;
        QTest::newRow("\"Abbrechen\"") << "Abbrechen" << skript << -1
                                       << "0:Der Download von \"rmstupdate.run\" wurde abgebrochen." << alt;
        QTest::newRow("Datenordner ist eine Datei")
            << "kein Ordner" << skript << -1
            << "2:E/A-Fehler 20\n\nDie Datei \"" +
                   QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                       .filePath(QStringLiteral("Remisator/Update.run")) +
                   "\" kann nicht geschrieben werden.\n\nEin Teil des Pfades ist kein Ordner."
            << QByteArray("altes Update");
    }
    void herunterladen() {
        QFETCH(QString, regel);
        QFETCH(QByteArray, datei);
        QFETCH(int, maximum);
        QFETCH(QString, meldung);
        QFETCH(QByteArray, danach);
        const std::string pfad = "/downloads/rmstupdate.run";
        dateiSchreiben(downloads + QStringLiteral("rmstupdate.run"), datei);
        if (regel == QStringLiteral("ohne Länge"))
            seite->ohneLaenge(pfad);
        else if (regel == QStringLiteral("404"))
            seite->status(pfad, 404);
        else if (regel == QStringLiteral("kurz"))
            seite->kurz(pfad);
        else if (regel == QStringLiteral("stocken") || regel == QStringLiteral("Abbrechen"))
            seite->stocken(pfad);
        else if (regel == QStringLiteral("http"))
            seite->umleiten(pfad,
                            "http://127.0.0.1:" + std::to_string(seite->port()) + "/downloads/wach45.txt");
        const QString ziel = ordner.DataRoot + QStringLiteral("Update.run");
        dateiSchreiben(ziel, "altes Update");
        angeboten(satz("1.2.9.9"));
        TFNeu* f = oeffnen();
        klick(f, namen::BCalc);
        const QString daten = ordner.DataRoot.chopped(1);
        if (regel == QStringLiteral("kein Ordner")) {
            QVERIFY(QDir().rename(daten, daten + QStringLiteral(".weg")));
            dateiSchreiben(daten, "kein Ordner");
        }

        // While it stalls, the window repaints and takes input, but nothing starts a second
        // transfer and the window stays.
        QStringList gesperrt;
        if (regel == QStringLiteral("stocken"))
            QTimer::singleShot(300, f, [&] {
                for (const char* k : {namen::BCalc, namen::BDown, namen::BSetup, namen::NeuSchliessen})
                    if (!an(f, k))
                        gesperrt.append(QString::fromLatin1(k));
                f->close();
            });
        if (regel == QStringLiteral("Abbrechen"))
            QTimer::singleShot(400, f, [] { abbrechenKlicken(); });
        klick(f, namen::BDown);

        if (regel == QStringLiteral("kein Ordner")) {
            QFile::remove(daten);
            QVERIFY(QDir().rename(daten + QStringLiteral(".weg"), daten));
        }
        QVERIFY(offen() == f && f->isVisible());
        if (regel == QStringLiteral("stocken"))
            QCOMPARE(gesperrt, (QStringList{"BCalc", "BDown", "BSetup", "bsSkinSpeedButton1"}));
        QCOMPARE(an(f, namen::BCalc), true);
        QCOMPARE(an(f, namen::NeuSchliessen), true);
        QCOMPARE(an(f, namen::BDown), !meldung.isEmpty());
        QCOMPARE(an(f, namen::BSetup), meldung.isEmpty());
        QCOMPARE(fake.meldungstexte(), meldung);
        fake.nimmMeldungen();
        QCOMPARE(dateiLesen(ziel), danach);
        if (meldung.isEmpty()) {
            QCOMPARE(finde<QProgressBar>(f, namen::Gauge3)->maximum(), maximum);
            QCOMPARE(finde<QProgressBar>(f, namen::Gauge3)->value(), 5011);
            // To be started by hand at once, and by this user alone.
            QCOMPARE(QFileInfo(ziel).permissions() &
                         ~QFile::Permissions(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    void schliessenGibtFrischesFenster() {
        angeboten(satz("1.2.9.9"));
        QPointer<TFNeu> erstes = oeffnen();
        klick(erstes, namen::BCalc);
        QCOMPARE(oeffnen(), erstes.data()); // an open one comes back
        QCOMPARE(haupt->findChildren<TFNeu*>().size(), 1);
        klick(erstes, namen::NeuSchliessen);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(erstes.isNull());

        const TFNeu* zweites = oeffnen();
        QVERIFY(zweites && zweites->isVisible());
        QCOMPARE(finde<QLabel>(zweites, namen::PvVersion)->text(), QString());
        QVERIFY(!an(zweites, namen::BDown));
        QVERIFY(!an(zweites, namen::BSetup));
    }

    // Clicks made while a fetch runs are dropped, not run afterwards.
    void eingabenWaehrendEinesAbrufsVerfallen() {
        QDir().mkpath(downloads + QStringLiteral("spielplaene"));
        const std::string pfad = "/downloads/spielplaene/27012024.sp45";
        dateiSchreiben(downloads + QStringLiteral("spielplaene/27012024.sp45"), QByteArray(12, 's'));
        seite->tropfen(pfad, 50);
        klick(haupt.get(), namen::BFSpTagVerw);
        TFsptag* f = haupt->findChild<TFsptag*>();
        int geklickt = 0;
        for (const int ms : {150, 300})
            QTimer::singleShot(ms, f, [&] {
                ++geklickt;
                klick(f, namen::Abrufen);
            });
        klick(f, namen::Abrufen);
        QCOMPARE(geklickt, 2);
        const auto anfragen = seite->anfragen();
        QCOMPARE(
            std::count_if(anfragen.begin(), anfragen.end(), [&](const auto& a) { return a.pfad == pfad; }),
            1);
        // Twelve bytes are no matchday.
        QVERIFY(fake.nurMeldung(FakeUmgebung::Art::Information,
                                QStringLiteral("Der gewählte Spieltag ist leider nicht verfügbar.")));
        f->close();
    }

    // A fetch that takes a while shows what it fetches; "Abbrechen" ends it at once, as a failed
    // fetch that says so; the old file stays, and the counter is not fetched.
    void fortschrittsfensterBrichtAb() {
        QDir().mkpath(downloads + QStringLiteral("spielplaene"));
        const std::string pfad = "/downloads/spielplaene/27012024.sp45";
        seite->stocken(pfad);
        const QString datei = ordner.MatchdayDir + QStringLiteral("27012024.sp45");
        dateiSchreiben(datei, "alter Spieltag");
        klick(haupt.get(), namen::BFSpTagVerw);
        TFsptag* f = haupt->findChild<TFsptag*>();
        QStringList gesehen;
        QTimer::singleShot(600, f, [&] {
            ui::TFUebertragung* u = fortschritt();
            if (!u || !u->isVisible())
                return;
            gesehen << u->windowTitle()
                    << u->findChild<QLabel*>(QString::fromLatin1(namen::LDownload))->text()
                    << u->findChild<QLabel*>(QString::fromLatin1(namen::LBytes))->text();
            abbrechenKlicken();
        });
        klick(f, namen::Abrufen);
        QCOMPARE(gesehen, (QStringList{"Remisator", "Die Datei \"27012024.sp45\" wird heruntergeladen.",
                                       "10 Bytes von 64 Bytes empfangen"}));
        QVERIFY2(fake.nurMeldung(FakeUmgebung::Art::Information,
                                 QStringLiteral("Der Download von \"27012024.sp45\" wurde abgebrochen.")),
                 qPrintable(fake.meldungstexte()));
        QCOMPARE(f->lampe(), TFsptag::Rot);
        QCOMPARE(seite->anfragen().back().pfad, pfad);
        QCOMPARE(dateiLesen(datei), QByteArray("alter Spieltag"));
        QVERIFY(!fortschritt());
        f->close();
    }

    void installieren_data() {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QString>("meldung"); // after the question
        QTest::addColumn<bool>("beendet");
        const QString d = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                              .filePath(QStringLiteral("Remisator/"));
        const QString p = QCoreApplication::applicationDirPath() + u'/';
        // A shell runs the installer; a double click in a file manager may only open it.
        const QString befehl = "mit dem Befehl \"sh '" + d + "Update.run'\" in einem Terminal";
        QTest::newRow("Ja") << "" << true << "" << true;
        QTest::newRow("Nein")
            << "" << false
            << "0:Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update "
               "manuell " +
                   befehl +
                   " starten.\n\nZuvor muss das Programm geschlossen und die Programm-Datei "
                   "im Verzeichnis " +
                   p + " gelöscht werden."
            << false;
        QTest::newRow("Installer fehlt") << "fehlt" << true
                                         << "0:Update konnte nicht gestartet werden. Bitte schließen Sie das "
                                            "Programm und starten Sie das Update manuell " +
                                                befehl + "."
                                         << false;
        QTest::newRow("Einstellungen nicht speicherbar")
            << "ordner" << true
            << "2:In " + d +
                   "Einstellungen/optionen.ini kann nicht geschrieben werden\n\nEin Teil des Pfades ist kein "
                   "Ordner."
            << false;
    }
    void installieren() {
        QFETCH(QString, fall);
        QFETCH(bool, ja);
        QFETCH(QString, meldung);
        QFETCH(bool, beendet);
        haupt->findChild<QCheckBox*>(QString::fromLatin1(namen::cbSofort))->setChecked(false);
        TFNeu* f = bereit();
        QVERIFY(an(f, namen::BSetup));
        const QString installer = ordner.DataRoot + QStringLiteral("Update.run");
        // Executable as soon as it has arrived, for the command the messages name.
        QVERIFY(QFileInfo(installer).permissions() & QFile::ExeOwner);
        if (fall == QStringLiteral("fehlt"))
            QFile::remove(installer);
        if (fall == QStringLiteral("ordner")) {
            QDir(ordner.SettingsDir).removeRecursively();
            dateiSchreiben(ordner.SettingsDir.chopped(1), "kein Ordner");
        }
        fake.antworteFrage(ja);

        klick(f, namen::BSetup);

        if (fall == QStringLiteral("ordner")) {
            QFile::remove(ordner.SettingsDir.chopped(1));
            ordner.anlegen();
        }
        QCOMPARE(fake.meldungen.size(), meldung.isEmpty() ? size_t(1) : size_t(2));
        QCOMPARE(fake.meldungen[0].text,
                 QStringLiteral(
                     "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen "
                     "werden. Die Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief "
                     "läuft, bitte das Update manuell mit dem Befehl \"sh '") +
                     ordner.DataRoot +
                     QStringLiteral("Update.run'\" in einem Terminal starten.\n\nSoll fortgefahren werden?"));
        if (!meldung.isEmpty())
            QVERIFY2(fake.meldungstexte().endsWith(meldung), qPrintable(fake.meldungstexte()));
        fake.nimmMeldungen();
        QCOMPARE(shell.beendet, int(beendet));
        QCOMPARE(shell.gestartet.size(), beendet ? 2 : 0);
        if (!beendet)
            return;
        // Stored before the end: the options as closing stores them.
        const settings::IniDatei optionen(ordner.optionenDatei());
        QCOMPARE(settings::lesen(optionen, settings::schluessel::Sofort), false);
        QCOMPARE(settings::lesen(optionen, settings::schluessel::SofortQ), true);
        QCOMPARE(settings::lesen(optionen, settings::schluessel::Stand), QStringLiteral("12,50"));
        QCOMPARE(shell.gestartet[0], installer);
        QVERIFY(QFileInfo(installer).permissions() & QFile::ExeOwner);
        const QFileInfo skript(shell.gestartet[1]);
        QCOMPARE(skript.path() + u'/', ordner.TempDir);
        QVERIFY(skript.fileName().startsWith(QStringLiteral("uis")) &&
                skript.suffix() == QStringLiteral("sh"));
        QVERIFY(skript.permissions() & QFile::ExeOwner);
        QCOMPARE(shell.offen, QStringList());
        const QByteArray text = dateiLesen(skript.filePath());
        QVERIFY(text.startsWith("#!/bin/sh\n"));
        QVERIFY(text.contains("\npid=" + QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
        QVERIFY(
            text.contains("\nexe='" + QFile::encodeName(QCoreApplication::applicationFilePath()) + "'\n"));
        QFile::remove(skript.filePath());
    }
};

REMISATOR_TEST_MAIN(TstUpdatefenster)
#include "tst_updatefenster.moc"
