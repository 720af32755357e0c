#include "app/TFGewonnen.h"
#include "app/TFStart.h"
#include "bench/Zufallsreihen.h"
#include "core/spieltag/Quoten.h"
#include "core/spieltag/TSpieltag.h"
#include "settings/Ordner.h"
#include "ui/bausteine/Namen.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/statistik/TFStatistik.h"
#include "ui/umgebung/QtUmgebung.h"

#include <QAction>
#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

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

// From "Statistik über alle Spieltage..." chosen in the row grid's menu until the window shows the
// table: a slip of 1,000,000 rows in the grid, 100 matchdays with their odds in the matchday folder.
void Statistikfenster(benchmark::State& state) {
    ui::QtUmgebung umgebung;
    const settings::Ordner ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
    ordner.anlegen();
    std::mt19937 zufall(99);
    for (int i = 0; i < 100; ++i) {
        core::TSpieltag s;
        s.Datum = 44457 + 7 * i;
        for (int p = 1; p <= core::AnzahlPaarungen; ++p)
            s.Ergebnis[p] = {std::int8_t(zufall() % 5), std::int8_t(zufall() % 5)};
        s.dateiSchreiben(ordner.MatchdayDir + QStringLiteral("%1.sp45").arg(i));
        core::QuotenSpeichern(ordner.MatchdayDir +
                                  core::QuotenDateiname(QDate(1899, 12, 30).addDays(qint64(s.Datum))),
                              {QString(), "1.000,00", "500,00", "100,00", "20,00", "5,00", "2,00"});
    }
    const QString schein = ordner.SlipDir + QStringLiteral("million.txt");
    QFile f(schein);
    const QByteArray reihen = Zufallsreihen(1000000, ',', "\r\n");
    if (!f.open(QIODevice::WriteOnly) || f.write(reihen) != reihen.size())
        qFatal("Benchmark-Datei nicht geschrieben");
    f.close();
    TFGewonnen fenster(umgebung.get(), ordner);
    fenster.SpielscheinEinlesen(schein);
    fenster.show();
    QAction* eintrag = nullptr;
    for (QAction* a : fenster.findChild<ui::ZeilenGitter*>(QString::fromLatin1(ui::namen::G1))->actions())
        if (a->text() == QStringLiteral("Statistik über alle Spieltage..."))
            eintrag = a;
    for (auto _ : state) {
        eintrag->trigger();
        auto* statistik = fenster.findChild<ui::TFStatistik*>();
        while (statistik->laeuft())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        delete statistik;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(Statistikfenster)->Name("Statistikfenster/1000000x100")->Unit(benchmark::kMillisecond);

} // namespace
