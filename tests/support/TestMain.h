#pragma once

#if __has_include(<QApplication>)
#include <QApplication>
#endif
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace testhilfe {

// Every test program gets its own data home and temporary folder, and runs without a display, on
// one screen of 1024 x 768 pixels: the smallest the windows are laid out for.
struct TestOrdner {
    QTemporaryDir wurzel{QDir::tempPath() + QStringLiteral("/remisator-test-XXXXXX")};
    TestOrdner() {
        const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
        if (plattform.isEmpty() || plattform == "offscreen") {
            QFile bildschirm(wurzel.filePath(QStringLiteral("bildschirm.json")));
            if (bildschirm.open(QIODevice::WriteOnly))
                bildschirm.write(R"({"screens": [{"name": "Bildschirm", "x": 0, "y": 0, "width": 1024,
                                     "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            bildschirm.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(bildschirm.fileName()));
        }
        QDir(wurzel.path()).mkpath(QStringLiteral("daten"));
        QDir(wurzel.path()).mkpath(QStringLiteral("tmp"));
        qputenv("XDG_DATA_HOME", (wurzel.path() + QStringLiteral("/daten")).toLocal8Bit());
        qputenv("TMPDIR", (wurzel.path() + QStringLiteral("/tmp")).toLocal8Bit());
    }
};

} // namespace testhilfe

#define REMISATOR_TEST_MAIN(Klasse)                                                                          \
    int main(int argc, char** argv) {                                                                        \
        testhilfe::TestOrdner ordner;                                                                        \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        Klasse test;                                                                                         \
        return QTest::qExec(&test, argc, argv);                                                              \
    }

#define REMISATOR_CORE_TEST_MAIN(Klasse)                                                                     \
    int main(int argc, char** argv) {                                                                        \
        testhilfe::TestOrdner ordner;                                                                        \
        QCoreApplication app(argc, argv);                                                                    \
        Klasse test;                                                                                         \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
