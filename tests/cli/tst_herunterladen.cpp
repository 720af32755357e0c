#include "cli/Programm.h"
#include "settings/Ordner.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

#include "Testseite.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <memory>

using testhilfe::dateiLesen;
using testhilfe::dateiSchreiben;

namespace {

// One whole record: only such a file replaces a matchday.
const QByteArray Satz = QByteArray("der Spieltag vom 18.09.2021").leftJustified(3792, '\0');

} // namespace

// "remisator-cli herunterladen" against the local test site: in this process, and once as the
// program a user runs.
class TstHerunterladen : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    std::unique_ptr<testseite::Testseite> seite;
    settings::Ordner ordner;

    QString ziel(const QString& name = QStringLiteral("18092021.sp45")) const {
        return ordner.MatchdayDir + name;
    }

private slots:
    void initTestCase() {
        for (const char* v :
             {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            qunsetenv(v);
        const QString seitenOrdner = tmp.filePath(QStringLiteral("seite"));
        QDir().mkpath(seitenOrdner + QStringLiteral("/downloads/spielplaene"));
        dateiSchreiben(seitenOrdner + QStringLiteral("/downloads/spielplaene/18092021.sp45"), Satz);
        const QString ca = tmp.filePath(QStringLiteral("ca.pem"));
        seite = std::make_unique<testseite::Testseite>(seitenOrdner.toStdString(), ca.toStdString());
        qputenv("REMISATOR_SEITE", seite->adresse().c_str());
        qputenv("REMISATOR_CA", ca.toUtf8());
        ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
    }
    void init() {
        seite->regelnLoeschen();
        QDir(ordner.DataRoot).removeRecursively();
    }

    void herunterladen_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("regel");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("aus"); // <Spieltage>/ stands for the matchday folder
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QByteArray>("dateiDanach");
        const QStringList holen = {"herunterladen", "18.09.2021"};
        QTest::newRow("gespeichert") << holen << "" << 0 << "<Spieltage>/18092021.sp45\n"
                                     << "" << Satz;
        QTest::newRow("JSON") << holen + QStringList{"--json"} << "" << 0
                              << "{\"datei\":\"<Spieltage>/18092021.sp45\",\"datum\":\"18.09.2021\"}\n"
                              << "" << Satz;
        QTest::newRow("Fehlerstatus") << holen << "503" << 2 << ""
                                      << "Der Spieltag vom 18.09.2021 ist leider nicht verfügbar.\n\n"
                                         "Der Server antwortet mit dem Status 503.\n"
                                      << QByteArray("alt");
        QTest::newRow("Status 302 ohne Ziel") << holen << "302" << 2 << ""
                                              << "Der Spieltag vom 18.09.2021 ist leider nicht verfügbar.\n\n"
                                                 "Der Server antwortet mit dem Status 302.\n"
                                              << QByteArray("alt");
        QTest::newRow("Wartungsseite")
            << holen << "Seite" << 2 << ""
            << "Der Spieltag vom 18.09.2021 ist leider nicht verfügbar.\n\n"
               "Die Antwort des Servers umfasst 42 Bytes; erwartet sind ganze Sätze zu "
               "je 3.792 Bytes.\n"
            << QByteArray("alt");
        QTest::newRow("abgebrochen") << holen << "kurz" << 2 << ""
                                     << "Der Spieltag vom 18.09.2021 ist leider nicht verfügbar.\n\n"
                                        "Die Übertragung ist abgebrochen.\n"
                                     << QByteArray("alt");
        QTest::newRow("nicht auf der Seite")
            << QStringList{"herunterladen", "25.09.2021", "--json"} << "" << 2 << ""
            << "Der Spieltag vom 25.09.2021 ist leider nicht verfügbar.\n\n"
               "Der Server antwortet mit dem Status 404.\n"
            << QByteArray("alt");
        QTest::newRow("Spieltag-Ordner ist eine Datei")
            << holen << "Ordner" << 2 << ""
            << "E/A-Fehler 20\nDie Datei \"<Spieltage>/18092021.sp45\" kann nicht geschrieben werden.\n\n"
               "Ein Teil des Pfades ist kein Ordner.\n"
            << QByteArray("<fehlt>");
    }
    void herunterladen() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, regel);
        QFETCH(int, code);
        QFETCH(QString, aus);
        QFETCH(QString, fehler);
        QFETCH(QByteArray, dateiDanach);
        const std::string pfad = "/downloads/spielplaene/18092021.sp45";
        if (regel == QStringLiteral("Ordner")) {
            QDir().mkpath(ordner.DataRoot);
            dateiSchreiben(ordner.MatchdayDir.chopped(1), "eine Datei");
        } else {
            QDir().mkpath(ordner.MatchdayDir);
            dateiSchreiben(ziel(), "alt");
            if (regel == QStringLiteral("kurz"))
                seite->kurz(pfad);
            else if (regel == QStringLiteral("Seite"))
                seite->seite(pfad);
            else if (!regel.isEmpty())
                seite->status(pfad, regel.toInt());
        }
        QByteArray ausgabe;
        QByteArray fehlerausgabe;
        QCOMPARE(
            cli::Ausfuehren(QStringList{QStringLiteral("remisator-cli")} + argumente, ausgabe, fehlerausgabe),
            code);
        const QString spieltage = QStringLiteral("<Spieltage>/");
        QCOMPARE(QString::fromUtf8(ausgabe), aus.replace(spieltage, ordner.MatchdayDir));
        QCOMPARE(QString::fromUtf8(fehlerausgabe), fehler.replace(spieltage, ordner.MatchdayDir));
        if (code == 0 && argumente.contains(QStringLiteral("--json")))
            QVERIFY(QJsonDocument::fromJson(ausgabe).isObject());
        QCOMPARE(dateiLesen(ziel()), dateiDanach);
        QVERIFY(!QFileInfo::exists(ziel(QStringLiteral("25092021.sp45"))));
    }

    // A user's first command may come before the program ever ran: the data home it makes is
    // this user's alone, as the program makes it.
    void datenHeimNurFuerDenBenutzer() {
        const QString heim = QFileInfo(QDir::cleanPath(ordner.DataRoot)).path();
        QVERIFY(QDir(heim).removeRecursively());
        QByteArray ausgabe;
        QByteArray fehler;
        QCOMPARE(cli::Ausfuehren({QStringLiteral("remisator-cli"), QStringLiteral("herunterladen"),
                                  QStringLiteral("18.09.2021")},
                                 ausgabe, fehler),
                 0);
        QCOMPARE(QFileInfo(heim).permissions() & 0x7777,
                 QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                                    QFile::WriteUser | QFile::ExeUser));
        QCOMPARE(dateiLesen(ziel()), Satz);
    }

    void falscherAufruf_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        const QString form = QStringLiteral("\"%1\" ist kein Datum der Form TT.MM.JJJJ wie 18.09.2021.");
        QTest::newRow("ohne Datum") << QStringList{} << "Dem Befehl \"herunterladen\" fehlt das Datum.";
        QTest::newRow("zwei Daten")
            << QStringList{"18.09.2021", "25.09.2021"}
            << "Der Befehl \"herunterladen\" nimmt nur ein Datum; \"25.09.2021\" ist zu viel.";
        QTest::newRow("einstellig") << QStringList{"18.9.2021"} << form.arg("18.9.2021");
        QTest::newRow("ISO") << QStringList{"2021-09-18"} << form.arg("2021-09-18");
        QTest::newRow("kein Tag des Kalenders") << QStringList{"31.02.2024"} << form.arg("31.02.2024");
        QTest::newRow("Leerzeichen") << QStringList{" 18.09.2021"} << form.arg(" 18.09.2021");
        QTest::newRow("fremde Option") << QStringList{"18.09.2021", "--nach-rang"}
                                       << "Der Befehl \"herunterladen\" kennt die Option --nach-rang nicht.";
    }
    void falscherAufruf() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const size_t anfragen = seite->anfragen().size();
        QByteArray ausgabe;
        QByteArray fehler;
        QCOMPARE(
            cli::Ausfuehren(QStringList{QStringLiteral("remisator-cli"), QStringLiteral("herunterladen")} +
                                argumente,
                            ausgabe, fehler),
            1);
        QCOMPARE(ausgabe, QByteArray());
        QVERIFY2(QString::fromUtf8(fehler).startsWith(QStringLiteral("remisator-cli: ") + meldung + u'\n'),
                 fehler.constData());
        QCOMPARE(seite->anfragen().size(), anfragen);
    }

    void alsProzess() {
        QProcess p;
        p.start(QStringLiteral(REMISATOR_CLI),
                {QStringLiteral("herunterladen"), QStringLiteral("18.09.2021")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.readAllStandardError(), QByteArray());
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), ziel() + u'\n');
        QCOMPARE(dateiLesen(ziel()), Satz);
        QCOMPARE(seite->anfragen().back().agent, std::string("Remisator"));
    }
};

REMISATOR_CORE_TEST_MAIN(TstHerunterladen)
#include "tst_herunterladen.moc"
