#include "ui/Skin.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The windows are measured offscreen, on a data folder of their own.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir daten;
    qputenv("XDG_DATA_HOME", daten.path().toLocal8Bit());
    QApplication app(argc, argv);
    ui::Skin::anwenden(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
