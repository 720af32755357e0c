#include "app/TFGewonnen.h"
#include "app/TFStart.h"
#include "settings/Ordner.h"
#include "ui/QtUmgebung.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Creating the main window with all its run-time controls, until it is shown and laid out.
void Hauptfenster_aufbauen(benchmark::State& state) {
    ui::QtUmgebung umgebung;
    const settings::Ordner ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
    ordner.anlegen();
    for (auto _ : state) {
        auto fenster = std::make_unique<TFGewonnen>(umgebung.get(), ordner);
        fenster->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(fenster.get());
        state.PauseTiming();
        fenster.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(Hauptfenster_aufbauen)->Unit(benchmark::kMillisecond);

// The start window from its creation until it is painted.
void Startfenster_zeigen(benchmark::State& state) {
    for (auto _ : state) {
        auto start = std::make_unique<TFStart>();
        start->show();
        start->repaint();
        benchmark::DoNotOptimize(start.get());
        state.PauseTiming();
        start.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(Startfenster_zeigen)->Unit(benchmark::kMillisecond);

} // namespace
