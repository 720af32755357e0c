#pragma once

#if __has_include(<QApplication>)
#include <QApplication>
#endif
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

namespace testhilfe {

// Every test program gets its own data home and temporary folder, and runs without a display.
struct TestOrdner {
    QTemporaryDir wurzel{QDir::tempPath() + QStringLiteral("/remisator-test-XXXXXX")};
    TestOrdner() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
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
