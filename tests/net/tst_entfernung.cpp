#include "net/Entfernungsskript.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

#include <QProcess>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using net::Entfernungsskript;
using testhilfe::dateiLesen;

// The script that removes the old program after an update: its texts, and runs of the real
// /bin/sh script on a copy of a program.
class TstEntfernung : public QObject {
    Q_OBJECT
private slots:
    void batch() {
        QCOMPARE(Entfernungsskript::batch(QStringLiteral("C:\\Prog\\X\\Remisator.exe"),
                                          QStringLiteral("C:\\Prog\\X\\"),
                                          QStringLiteral("C:\\Temp\\Jürgen\\uis3F.bat")),
                 QByteArray(":Label1\r\n"
                            "del \"C:\\Prog\\X\\Remisator.exe\"\r\n"
                            "if Exist \"C:\\Prog\\X\\Remisator.exe\" goto Label1\r\n"
                            "rmdir \"C:\\Prog\\X\\\"\r\n"
                            "del C:\\Temp\\J\xFCrgen\\uis3F.bat\r\n"));
    }

    void entfernbar_data() {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<bool>("ja");
        QTest::newRow("im Heimatordner") << "/home/anna/Remisator/" << true;
        QTest::newRow("temporär") << "/tmp/x/" << true;
        QTest::newRow("Paket") << "/usr/bin/" << false;
        QTest::newRow("lokal installiert") << "/usr/local/bin/" << false;
        QTest::newRow("opt") << "/opt/remisator/" << false;
        QTest::newRow("Wurzel") << "/" << false;
        QTest::newRow("ähnlicher Name") << "/usrdaten/Remisator/" << true;
        QTest::newRow("Windows") << "C:\\Prog\\X\\" << true;
    }
    void entfernbar() {
        QFETCH(QString, ordner);
        QFETCH(bool, ja);
        QCOMPARE(Entfernungsskript::entfernbar(ordner), ja);
    }

    void skript_data() {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<bool>("dateiBleibt");
        QTest::addColumn<bool>("ordnerBleibt");
        QTest::newRow("leerer Ordner") << "leer" << false << false;
        // Its parent has not yet collected the ended program.
        QTest::newRow("Programm nicht abgeholt") << "zombie" << false << false;
        QTest::newRow("Ordner mit weiterer Datei") << "weitere" << false << true;
        QTest::newRow("Ordner nicht beschreibbar") << "fremd" << true << true;
    }
    void skript() {
        QFETCH(QString, fall);
        QFETCH(bool, dateiBleibt);
        QFETCH(bool, ordnerBleibt);
        QTemporaryDir basis;
        // Blanks, quotes and a dollar sign reach the shell as they are.
        const QString ordner = basis.filePath(QStringLiteral("Pro gramm 'neu' $HOME/"));
        const QString exe = ordner + QStringLiteral("Remisator");
        QVERIFY(QDir().mkpath(ordner));
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), exe));
        if (fall == QStringLiteral("weitere"))
            testhilfe::dateiSchreiben(ordner + QStringLiteral("liesmich.txt"), "x");
        QProcess programm;
        programm.start(exe, {QStringLiteral("30")});
        QVERIFY(programm.waitForStarted(5000));

        const QString skript = basis.filePath(QStringLiteral("uis1.sh"));
        testhilfe::dateiSchreiben(skript, Entfernungsskript::sh(programm.processId(), exe, ordner, skript));
        QFile::setPermissions(skript, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray o = QFile::encodeName(ordner);
        // root may write anywhere: for root the folder belongs to someone else.
        if (fall == QStringLiteral("fremd"))
            QVERIFY(::geteuid() == 0 ? ::chown(o.constData(), 65534, 65534) == 0
                                     : ::chmod(o.constData(), 0555) == 0);

        QProcess lauf;
        lauf.start(skript, {});
        QVERIFY(lauf.waitForStarted(5000));
        // It waits while the program runs.
        QVERIFY(!lauf.waitForFinished(1500));
        QVERIFY(QFileInfo::exists(exe));
        if (fall == QStringLiteral("zombie")) {
            // Killed without running the event loop, which would collect it.
            ::kill(pid_t(programm.processId()), SIGKILL);
            const QString stat = QStringLiteral("/proc/%1/stat").arg(programm.processId());
            for (int i = 0; i < 500 && !dateiLesen(stat).contains(") Z "); ++i)
                ::usleep(10000);
            QVERIFY(dateiLesen(stat).contains(") Z "));
        } else {
            programm.kill();
            QVERIFY(programm.waitForFinished(5000));
        }
        QVERIFY(lauf.waitForFinished(10000));
        QCOMPARE(lauf.exitCode(), 0);

        QCOMPARE(QFileInfo::exists(exe), dateiBleibt);
        QCOMPARE(QFileInfo::exists(ordner), ordnerBleibt);
        QVERIFY(!QFileInfo::exists(skript));
        if (fall == QStringLiteral("fremd"))
            QVERIFY(::geteuid() == 0 ? ::chown(o.constData(), 0, 0) == 0 : ::chmod(o.constData(), 0755) == 0);
    }
};

REMISATOR_CORE_TEST_MAIN(TstEntfernung)
#include "tst_entfernung.moc"
