#include "core/systeme/SystemReihen.h"
#include "core/systeme/TSystemDef.h"
#include "core/werkstatt/Garantiepruefung.h"
#include "core/werkstatt/Systembau.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

std::vector<std::uint64_t> katalogMasken(int index) {
    std::vector<core::SystemReihe> zeilen;
    core::SystemReihenErzeugen(index, core::System(index).Reihen, zeilen);
    std::vector<std::uint64_t> masken;
    for (const core::SystemReihe& z : zeilen) {
        std::uint64_t m = 0;
        for (const std::int32_t p : z)
            m |= std::uint64_t(1) << (p - 1);
        masken.push_back(m);
    }
    return masken;
}

// "26/130" over all sets of up to six of its 26 numbers, every place of the ZS included.
void GarantiePruefen26_130(benchmark::State& state) {
    const std::vector<std::uint64_t> reihen = katalogMasken(13);
    for (auto _ : state) {
        const core::Garantiepruefung::Ergebnis e = core::Garantiepruefung::pruefen(reihen, 26);
        benchmark::DoNotOptimize(e.faelle);
    }
}

// 225 rows drawn at random (fixed seed) over 30 numbers, the same table.
void GarantiePruefen30x225(benchmark::State& state) {
    std::mt19937 zufall(30225);
    std::vector<int> zahlen(30);
    std::iota(zahlen.begin(), zahlen.end(), 0);
    std::vector<std::uint64_t> reihen;
    for (int i = 0; i < 225; ++i) {
        std::shuffle(zahlen.begin(), zahlen.end(), zufall);
        std::uint64_t m = 0;
        for (int k = 0; k < 6; ++k)
            m |= std::uint64_t(1) << zahlen[std::size_t(k)];
        reihen.push_back(m);
    }
    for (auto _ : state) {
        const core::Garantiepruefung::Ergebnis e = core::Garantiepruefung::pruefen(reihen, 30);
        benchmark::DoNotOptimize(e.faelle);
    }
}

// A system for 27 numbers that guarantees 3 right when 3 winning numbers are among them, until
// it has the best known 167 rows (the search stops there), on both cores; counter `reihen`.
void SystembauBis167(benchmark::State& state) {
    core::Bauauftrag auftrag;
    for (int z = 1; z <= 27; ++z)
        auftrag.zahlen.push_back(z);
    auftrag.garantie = {3, 3};
    auftrag.sekunden = 60;
    auftrag.threads = 2;
    std::size_t reihen = 0;
    for (auto _ : state)
        reihen = core::Systembau::bauen(auftrag).reihen.size();
    state.counters["reihen"] = double(reihen);
}

} // namespace

BENCHMARK(SystembauBis167)
    ->Name("Systembau/27_3")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK(GarantiePruefen26_130)
    ->Name("Garantie_pruefen/26_130")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(GarantiePruefen30x225)
    ->Name("Garantie_pruefen/30x225")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
