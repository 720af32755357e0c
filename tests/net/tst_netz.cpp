#include "core/grund/Fehler.h"
#include "net/Abgebrochen.h"
#include "net/Begleitung.h"
#include "net/CurlNetz.h"
#include "net/EAFehler.h"
#include "net/SpieltagHolen.h"
#include "net/WachStand.h"
#include "support/Dateirechte.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

#include "Testseite.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using testhilfe::dateiLesen;
using testhilfe::dateiSchreiben;

namespace {

// Short bounds, so that a stall ends within a second or two.
net::Grenzen testGrenzen() {
    net::Grenzen g;
    g.verbindenMs = 3000;
    g.stockenS = 1;
    g.gesamtS = 20;
    g.hoechstBytes = 100;
    return g;
}

// The real network, but connected whatever the machine's interfaces say.
class Verbunden : public net::CurlNetz {
public:
    using CurlNetz::CurlNetz;
    bool InternetVerbunden() override { return true; }
};

// Shows nothing; after 100 ms of a transfer it does what the test asks with its stop.
class Begleiter : public net::Begleitung {
public:
    std::function<void(const std::function<void()>&)> danach;
    QString datei;
    bool eingaben = false;

    struct Anzeige : net::Begleitung::Anzeige {
        QTimer zeit; // goes with the transfer: never stops a later one
        void stand(qint64, qint64) override {}
    };
    std::unique_ptr<net::Begleitung::Anzeige> beginnen(const QString& d, std::function<void()> abbrechen,
                                                       bool e) override {
        datei = d;
        eingaben = e;
        auto a = std::make_unique<Anzeige>();
        a->zeit.setSingleShot(true);
        QObject::connect(&a->zeit, &QTimer::timeout, [this, abbrechen] {
            if (danach)
                danach(abbrechen);
        });
        a->zeit.start(100);
        return a;
    }
};

int modus(const QString& pfad) {
    struct stat info {};
    return ::lstat(QFile::encodeName(pfad).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

} // namespace

// Downloads with the real libcurl code against the local test site.
class TstNetz : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QString seitenOrdner, privat, probe, ziel;
    std::unique_ptr<testseite::Testseite> seite;
    std::unique_ptr<net::CurlNetz> netz;

    QString url(const QString& pfad) const { return QString::fromStdString(seite->adresse()) + pfad; }

private slots:
    void initTestCase() {
        for (const char* v :
             {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            qunsetenv(v);
        seitenOrdner = tmp.filePath(QStringLiteral("seite"));
        QDir().mkpath(seitenOrdner + QStringLiteral("/downloads/spielplaene"));
        dateiSchreiben(seitenOrdner + QStringLiteral("/drei.txt"), "abc");
        dateiSchreiben(seitenOrdner + QStringLiteral("/vier.txt"), "abcd");
        dateiSchreiben(seitenOrdner + QStringLiteral("/gross.bin"), QByteArray(101, 'g'));
        seite = std::make_unique<testseite::Testseite>(seitenOrdner.toStdString(),
                                                       tmp.filePath(QStringLiteral("ca.pem")).toStdString());
        privat = tmp.filePath(QStringLiteral("privat/"));
        probe = privat + QStringLiteral("tmp.tmp");
        ziel = tmp.filePath(QStringLiteral("ziel.sp45"));
        netz = std::make_unique<net::CurlNetz>(probe, testGrenzen(), tmp.filePath(QStringLiteral("ca.pem")));
    }
    void init() {
        seite->regelnLoeschen();
        dateiSchreiben(ziel, "alt");
    }

    void herunterladen_data() {
        QTest::addColumn<QString>("regel");
        QTest::addColumn<bool>("geholt");
        QTest::addColumn<QByteArray>("zielDanach");
        QTest::addColumn<QByteArray>("probeDanach");
        QTest::newRow("4 Bytes") << "" << true << QByteArray("abcd") << QByteArray("abcd");
        QTest::newRow("3 Bytes") << "/drei.txt" << false << QByteArray("alt") << QByteArray("abc");
        QTest::newRow("Status 404 mit Fehlerseite")
            << "status 404" << false << QByteArray("alt") << QByteArray("<fehlt>");
        QTest::newRow("Status 503") << "status 503" << false << QByteArray("alt") << QByteArray("<fehlt>");
        QTest::newRow("Status 302 ohne Ziel")
            << "status 302" << false << QByteArray("alt") << QByteArray("<fehlt>");
        QTest::newRow("Status 304") << "status 304" << false << QByteArray("alt") << QByteArray("<fehlt>");
        QTest::newRow("nicht auf der Seite")
            << "/fehlt.sp45" << false << QByteArray("alt") << QByteArray("<fehlt>");
        QTest::newRow("abgebrochen") << "kurz" << false << QByteArray("alt") << QByteArray("<fehlt>");
        QTest::newRow("über der Größengrenze")
            << "/gross.bin" << false << QByteArray("alt") << QByteArray("<fehlt>");
        QTest::newRow("Umleitung auf HTTPS") << "kette 1" << true << QByteArray("abcd") << QByteArray("abcd");
        QTest::newRow("fünf Umleitungen") << "kette 5" << true << QByteArray("abcd") << QByteArray("abcd");
        QTest::newRow("sechs Umleitungen")
            << "kette 6" << false << QByteArray("alt") << QByteArray("<fehlt>");
        QTest::newRow("Umleitung auf HTTP") << "http" << false << QByteArray("alt") << QByteArray("<fehlt>");
        QTest::newRow("HTTP-Adresse") << "http direkt" << false << QByteArray("alt") << QByteArray("<fehlt>");
    }
    void herunterladen() {
        QFETCH(QString, regel);
        QFETCH(bool, geholt);
        QFETCH(QByteArray, zielDanach);
        QFETCH(QByteArray, probeDanach);
        QString adresse = url(QStringLiteral("/vier.txt"));
        const QStringList teile = regel.split(u' ');
        const std::string pfad = "/vier.txt";
        if (regel.startsWith(u'/'))
            adresse = url(regel);
        else if (teile[0] == QStringLiteral("status"))
            seite->status(pfad, teile[1].toInt());
        else if (regel == QStringLiteral("kurz"))
            seite->kurz(pfad);
        else if (teile[0] == QStringLiteral("kette")) {
            // /u1 -> /u2 -> ... -> /vier.txt
            const int n = teile[1].toInt();
            for (int i = 1; i <= n; ++i)
                seite->umleiten("/u" + std::to_string(i), i == n ? pfad : "/u" + std::to_string(i + 1));
            adresse = url(QStringLiteral("/u1"));
        } else if (regel == QStringLiteral("http")) {
            seite->umleiten("/u1", "http://127.0.0.1:" + std::to_string(seite->port()) + pfad);
            adresse = url(QStringLiteral("/u1"));
        } else if (regel == QStringLiteral("http direkt")) {
            adresse.replace(QStringLiteral("https:"), QStringLiteral("http:"));
        }
        QDir().mkpath(privat);
        dateiSchreiben(probe, "vorige Probe");

        QCOMPARE(netz->DateiHerunterladen(adresse, ziel), geholt);
        QCOMPARE(dateiLesen(ziel), zielDanach);
        QCOMPARE(dateiLesen(probe), probeDanach);
        QCOMPARE(netz->letzterGrund().isEmpty(), geholt);
    }

    // A file of records is kept only as whole records, at least one: a short page the site answers
    // with in its place keeps the old file.
    void nurGanzeSaetze_data() {
        QTest::addColumn<QByteArray>("inhalt"); // empty: the maintenance page
        QTest::addColumn<int>("satz");
        QTest::addColumn<QString>("grund"); // empty: fetched
        QTest::newRow("ein Satz") << QByteArray(24, 's') << 24 << "";
        QTest::newRow("drei Sätze") << QByteArray(72, 's') << 24 << "";
        QTest::newRow("ein Byte zu viel")
            << QByteArray(25, 's') << 24
            << "Die Antwort des Servers umfasst 25 Bytes; erwartet sind ganze Sätze zu je 24 Bytes.";
        QTest::newRow("kein ganzer Satz")
            << QByteArray(23, 's') << 24
            << "Die Antwort des Servers umfasst 23 Bytes; erwartet sind ganze Sätze zu je 24 Bytes.";
        QTest::newRow("Wartungsseite statt Spieltag")
            << QByteArray() << 3792
            << "Die Antwort des Servers umfasst 42 Bytes; erwartet sind ganze Sätze zu je 3.792 Bytes.";
        QTest::newRow("ein Byte") << QByteArray(1, 's') << 1 << "Der Server hat nur 1 Byte geschickt.";
    }
    void nurGanzeSaetze() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, satz);
        QFETCH(QString, grund);
        if (inhalt.isEmpty())
            seite->seite("/saetze.bin");
        dateiSchreiben(seitenOrdner + QStringLiteral("/saetze.bin"), inhalt.isEmpty() ? "x" : inhalt);
        QCOMPARE(netz->DateiHerunterladen(url(QStringLiteral("/saetze.bin")), ziel, satz), grund.isEmpty());
        QCOMPARE(dateiLesen(ziel), grund.isEmpty() ? inhalt : QByteArray("alt"));
        QCOMPARE(netz->letzterGrund(), grund);
    }

    // "Abbrechen" ends a stalled transfer at once, long before its bound, and keeps the old file.
    void abbrechenEndetSofort_data() {
        QTest::addColumn<bool>("installer");
        QTest::newRow("Datei") << false;
        QTest::newRow("Installer") << true;
    }
    void abbrechenEndetSofort() {
        QFETCH(bool, installer);
        const net::Grenzen lang{3000, 30, 60, 100};
        net::CurlNetz n(probe, lang, tmp.filePath(QStringLiteral("ca.pem")), lang);
        Begleiter begleiter;
        begleiter.danach = [](const std::function<void()>& abbrechen) { abbrechen(); };
        n.begleitenMit(&begleiter);
        seite->stocken("/vier.txt");
        QElapsedTimer uhr;
        uhr.start();
        try {
            if (installer)
                n.UpdateHerunterladen(url(QStringLiteral("/vier.txt")), ziel, {});
            else
                n.DateiHerunterladen(url(QStringLiteral("/vier.txt")), ziel);
            QFAIL("nicht abgebrochen");
        } catch (const net::Abgebrochen& a) {
            QCOMPARE(a.text(), QStringLiteral("Der Download von \"vier.txt\" wurde abgebrochen."));
            QVERIFY(!a.programmende());
        }
        QVERIFY2(uhr.elapsed() < 10000, qPrintable(QString::number(uhr.elapsed())));
        QCOMPARE(begleiter.datei, QStringLiteral("vier.txt"));
        QCOMPARE(begleiter.eingaben, installer);
        QCOMPARE(dateiLesen(ziel), QByteArray("alt"));
        QCOMPARE(QDir(tmp.path()).entryList({QStringLiteral("ziel.sp45*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("ziel.sp45")});
    }

    void stockenEndetInDerFristOhneEinzufrieren() {
        seite->stocken("/vier.txt");
        bool zeitgeberLief = false;
        QTimer::singleShot(100, this, [&] { zeitgeberLief = true; });
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(!netz->DateiHerunterladen(url(QStringLiteral("/vier.txt")), ziel));
        QVERIFY2(uhr.elapsed() < 5000, qPrintable(QString::number(uhr.elapsed())));
        QVERIFY(zeitgeberLief);
        QCOMPARE(netz->letzterGrund(), QStringLiteral("Der Server hat zu lange nichts geschickt."));
        QCOMPARE(dateiLesen(ziel), QByteArray("alt"));
    }

    void anfrageOhneCache() {
        QVERIFY(netz->DateiHerunterladen(url(QStringLiteral("/vier.txt")), ziel));
        const testseite::Testseite::Anfrage a = seite->anfragen().back();
        QCOMPARE(a.pfad, std::string("/vier.txt"));
        QCOMPARE(a.agent, std::string("Remisator"));
        QCOMPARE(a.cacheControl, std::string("no-cache"));
        QCOMPARE(a.pragma, std::string("no-cache"));
    }

    void zertifikatNichtVertraut_data() {
        QTest::addColumn<QString>("ca");
        QTest::newRow("Zertifikate des Systems") << "";
        QTest::newRow("Zertifikat einer anderen Seite") << "andere.pem";
        QTest::newRow("Zertifikatsdatei fehlt") << "fehlt.pem";
    }
    void zertifikatNichtVertraut() {
        QFETCH(QString, ca);
        QTemporaryDir andereOrdner;
        const testseite::Testseite andere(andereOrdner.path().toStdString(),
                                          tmp.filePath(QStringLiteral("andere.pem")).toStdString());
        net::CurlNetz fremd(probe, testGrenzen(), ca.isEmpty() ? QString() : tmp.filePath(ca));
        QVERIFY(!fremd.DateiHerunterladen(url(QStringLiteral("/vier.txt")), ziel));
        QVERIFY2(fremd.letzterGrund().contains(QStringLiteral("Zertifika")),
                 qPrintable(fremd.letzterGrund()));
        QCOMPARE(dateiLesen(ziel), QByteArray("alt"));
    }

    void keinServerLaesstKeineProbe() {
        int port = 0;
        {
            QTemporaryDir leer;
            const testseite::Testseite weg(leer.path().toStdString(),
                                           tmp.filePath(QStringLiteral("weg.pem")).toStdString());
            port = weg.port();
        }
        QDir().mkpath(privat);
        dateiSchreiben(probe, "vorige Probe");
        QVERIFY(!netz->DateiHerunterladen(QStringLiteral("https://127.0.0.1:%1/vier.txt").arg(port), ziel));
        QVERIFY(!QFileInfo::exists(probe));
        QCOMPARE(dateiLesen(ziel), QByteArray("alt"));
    }

    void schreibfehler_data() {
        QTest::addColumn<QString>("zielPfad");
        QTest::addColumn<int>("nummer");
        QTest::newRow("Ordner fehlt") << "fehlt/ziel.sp45" << 2;
        QTest::newRow("Ordner ist eine Datei") << "vier.txt/ziel.sp45" << 20;
        QTest::newRow("Ordner schreibgeschützt") << "nurlesen/ziel.sp45" << 13;
        QTest::newRow("Ziel ist ein Ordner") << "nurlesen" << 21;
    }
    void schreibfehler() {
        QFETCH(QString, zielPfad);
        QFETCH(int, nummer);
        QDir().mkpath(tmp.filePath(QStringLiteral("nurlesen")));
        QFile::setPermissions(tmp.filePath(QStringLiteral("nurlesen")), QFile::ReadOwner | QFile::ExeOwner);
        dateiSchreiben(tmp.filePath(QStringLiteral("vier.txt")), "datei");
        // Root writes into a read-only folder unless its override is dropped.
        std::optional<int> gemeldet;
        QVERIFY(testhilfe::mitDateirechten([&] {
            try {
                netz->DateiHerunterladen(url(QStringLiteral("/vier.txt")), tmp.filePath(zielPfad));
            } catch (const net::EAFehler& f) {
                gemeldet = f.nummer();
                // The number, then the file and the reason, as every failed write names them.
                QCOMPARE(f.text(), QStringLiteral("E/A-Fehler %1\n\n").arg(nummer) + f.ausfuehrlich());
                QVERIFY(f.ausfuehrlich().startsWith(
                    QStringLiteral("Die Datei \"%1\"").arg(tmp.filePath(zielPfad))));
            }
        }));
        QCOMPARE(gemeldet, std::optional<int>(nummer));
    }

    void privaterOrdner_data() {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<bool>("erlaubt");
        QTest::newRow("fehlt") << "" << true;
        QTest::newRow("für andere lesbar") << "0755" << true;
        QTest::newRow("Verweis auf einen Ordner") << "link" << false;
        QTest::newRow("Ordner eines anderen Benutzers") << "fremd" << false;
    }
    void privaterOrdner() {
        QFETCH(QString, vorher);
        QFETCH(bool, erlaubt);
        QTemporaryDir basis;
        QString ordner = basis.filePath(QStringLiteral("r/"));
        const QString woanders = basis.filePath(QStringLiteral("woanders"));
        QDir().mkpath(woanders);
        if (vorher == QStringLiteral("0755") || vorher == QStringLiteral("fremd")) {
            QDir().mkpath(ordner);
            ::chmod(QFile::encodeName(ordner).constData(), 0755);
        }
        if (vorher == QStringLiteral("link"))
            QFile::link(woanders, basis.filePath(QStringLiteral("r")));
        // Only root can give a folder away; any other user finds the root folder another's.
        if (vorher == QStringLiteral("fremd") && geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(ordner).constData(), 65534, 65534), 0);
        else if (vorher == QStringLiteral("fremd"))
            ordner = QDir::rootPath();

        net::CurlNetz n(ordner + QStringLiteral("tmp.tmp"), testGrenzen(),
                        tmp.filePath(QStringLiteral("ca.pem")));
        if (erlaubt) {
            QVERIFY(n.DateiHerunterladen(url(QStringLiteral("/vier.txt")), ziel));
            QCOMPARE(modus(ordner), 0700);
            QCOMPARE(dateiLesen(ordner + QStringLiteral("tmp.tmp")), QByteArray("abcd"));
            QCOMPARE(modus(ordner + QStringLiteral("tmp.tmp")), 0600);
        } else {
            QVERIFY_THROWS_EXCEPTION(core::Fehler,
                                     n.DateiHerunterladen(url(QStringLiteral("/vier.txt")), ziel));
            QVERIFY(QDir(woanders).isEmpty());
            QCOMPARE(dateiLesen(ziel), QByteArray("alt"));
        }
    }

    void dateiGroesseUndLoeschen() {
        QTemporaryDir d;
        dateiSchreiben(d.filePath(QStringLiteral("leer")), "");
        QDir().mkpath(d.filePath(QStringLiteral("baum/ast")));
        dateiSchreiben(d.filePath(QStringLiteral("baum/ast/blatt")), "x");
        QDir().mkpath(d.filePath(QStringLiteral("bleibt")));
        dateiSchreiben(d.filePath(QStringLiteral("bleibt/inhalt")), "x");
        QFile::link(d.filePath(QStringLiteral("bleibt")), d.filePath(QStringLiteral("verweis")));

        QCOMPARE(netz->DateiGroesse(d.filePath(QStringLiteral("leer"))), qint64(0));
        QCOMPARE(netz->DateiGroesse(d.filePath(QStringLiteral("fehlt"))), qint64(-1));
        QVERIFY(netz->DateiLoeschen(d.filePath(QStringLiteral("baum"))));
        QVERIFY(!QFileInfo::exists(d.filePath(QStringLiteral("baum"))));
        QVERIFY(netz->DateiLoeschen(d.filePath(QStringLiteral("verweis"))));
        QVERIFY(!QFileInfo(d.filePath(QStringLiteral("verweis"))).isSymLink());
        QVERIFY(QFileInfo::exists(d.filePath(QStringLiteral("bleibt/inhalt"))));
        QVERIFY(!netz->DateiLoeschen(d.filePath(QStringLiteral("fehlt"))));
    }

    void spieltagHolen() {
        qputenv("REMISATOR_SEITE", url(QStringLiteral("/")).toUtf8());
        const QByteArray satz(3792, 's');
        dateiSchreiben(seitenOrdner + QStringLiteral("/downloads/spielplaene/18092021.sp45"), satz);
        QTemporaryDir spieltage;
        net::Grenzen grenzen = testGrenzen();
        grenzen.hoechstBytes = 4096;
        net::CurlNetz n(probe, grenzen, tmp.filePath(QStringLiteral("ca.pem")));
        const net::GeholterSpieltag g =
            net::SpieltagHolen(n, QStringLiteral("18.09.2021"), spieltage.path() + u'/');
        QVERIFY(g.geholt);
        QCOMPARE(g.pfad, spieltage.path() + QStringLiteral("/18092021.sp45"));
        QCOMPARE(dateiLesen(g.pfad), satz);
        QCOMPARE(seite->anfragen().back().pfad, std::string("/downloads/spielplaene/18092021.sp45"));
        QVERIFY(!net::SpieltagHolen(n, QStringLiteral("25.09.2021"), spieltage.path() + u'/').geholt);
        qunsetenv("REMISATOR_SEITE");
    }

    void wachStand_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("stand");
        QTest::newRow("erste von mehreren Zeilen") << QByteArray("1.234,56\r\n7,00\r\n") << "1.234,56";
        QTest::newRow("leere erste Zeile") << QByteArray("\r\n1.234,56\r\n") << "";
        QTest::newRow("UTF-8 mit Marke") << QByteArray("\xEF\xBB\xBF"
                                                       "99,50 \xE2\x82\xAC\n")
                                         << "99,50 €";
        QTest::newRow("UTF-16 LE mit Marke") << QByteArray("\xFF\xFE"
                                                           "1\0,\0"
                                                           "5\0\r\0\n\0",
                                                           12)
                                             << "1,5";
        QTest::newRow("Windows-1252") << QByteArray("12 \x80") << "12 €";
        QTest::newRow("UTF-8 ohne Marke") << QByteArray("1.234,56 \xE2\x82\xAC\r\n") << "1.234,56 €";
        QTest::newRow("UTF-8, danach anderes") << QByteArray("5 \xE2\x82\xAC\r\n\xE9\r\n") << "5 €";
        QTest::newRow("Fehlerstatus") << QByteArray() << "";
    }
    void wachStand() {
        QFETCH(QByteArray, datei);
        QFETCH(QString, stand);
        qputenv("REMISATOR_SEITE", url(QString()).toUtf8());
        QDir().mkpath(seitenOrdner + QStringLiteral("/downloads"));
        if (datei.isEmpty())
            seite->status("/downloads/wach45.txt", 500);
        else
            dateiSchreiben(seitenOrdner + QStringLiteral("/downloads/wach45.txt"), datei);
        Verbunden v(probe, testGrenzen(), tmp.filePath(QStringLiteral("ca.pem")));
        dateiSchreiben(privat + QStringLiteral("wach45.txt"), "voriger Stand\r\n");
        QCOMPARE(net::WachStandHolen(v, privat).value_or(QStringLiteral("<abgebrochen>")), stand);
        qunsetenv("REMISATOR_SEITE");
    }

    void testseiteAlsProzess() {
        QProcess p;
        p.start(QStringLiteral(TESTSEITE),
                {seitenOrdner, QStringLiteral("--ca"), tmp.filePath(QStringLiteral("p.pem")),
                 QStringLiteral("--status"), QStringLiteral("/drei.txt=410")});
        QVERIFY(p.waitForReadyRead(10000));
        const QString adresse = QString::fromUtf8(p.readLine()).trimmed();
        QVERIFY2(adresse.startsWith(QStringLiteral("https://127.0.0.1:")), qPrintable(adresse));
        net::CurlNetz n(probe, testGrenzen(), tmp.filePath(QStringLiteral("p.pem")));
        QVERIFY(n.DateiHerunterladen(adresse + QStringLiteral("/vier.txt"), ziel));
        QCOMPARE(dateiLesen(ziel), QByteArray("abcd"));
        QVERIFY(!n.DateiHerunterladen(adresse + QStringLiteral("/drei.txt"), ziel));
        QCOMPARE(n.letzterGrund(), QStringLiteral("Der Server antwortet mit dem Status 410."));
        p.terminate();
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(tmp.filePath(QStringLiteral("p.pem"))));
    }

    // The program ends during a stalled transfer: it stops at once, and no other starts. Last, for
    // it ends the event loops of this process.
    void programmendeBeendetAlles() {
        const net::Grenzen lang{3000, 30, 60, 100};
        net::CurlNetz n(probe, lang, tmp.filePath(QStringLiteral("ca.pem")), lang);
        Begleiter begleiter;
        begleiter.danach = [](const std::function<void()>&) { QCoreApplication::exit(0); };
        n.begleitenMit(&begleiter);
        seite->stocken("/vier.txt");
        const auto anfragen = [&] { return seite->anfragen().size(); };
        const size_t vorher = anfragen();
        QElapsedTimer uhr;
        uhr.start();
        for (const QString& pfad : {QStringLiteral("/vier.txt"), QStringLiteral("/drei.txt")}) {
            try {
                n.DateiHerunterladen(url(pfad), ziel);
                QFAIL("nicht abgebrochen");
            } catch (const net::Abgebrochen& a) {
                QVERIFY(a.programmende());
            }
        }
        QVERIFY2(uhr.elapsed() < 10000, qPrintable(QString::number(uhr.elapsed())));
        QCOMPARE(anfragen(), vorher + 1);
        QCOMPARE(dateiLesen(ziel), QByteArray("alt"));
        // exec() starts the loops afresh.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
};

REMISATOR_CORE_TEST_MAIN(TstNetz)
#include "tst_netz.moc"
