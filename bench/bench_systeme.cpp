#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Zeilentabelle.h"
#include "core/systeme/SystemReihen.h"

#include <benchmark/benchmark.h>

namespace {

// Digits 7 pixels, a blank 3: the widths of the grid's font at 96 dpi, near enough.
class Ziffernmass : public core::Textmass {
public:
    int breite(QStringView text) const override {
        int summe = 0;
        for (const QChar c : text)
            summe += c == u' ' ? 3 : 7;
        return summe;
    }
    bool ziffernGleichBreit() const override { return true; }
};

// "System abwickeln" for "013": 1,716 rows expanded and written with their labels into a row table
// that held the 29 empty rows of the program's start.
void SystemAbwickeln013(benchmark::State& state) {
    core::Zahlenmenge kreuze;
    for (const int z : {2, 4, 8, 11, 15, 19, 23, 27, 31, 35, 38, 42, 44})
        kreuze.hinzufuegen(z);
    const Ziffernmass mass;
    core::Zeilentabelle g1(9, 30);
    std::vector<core::SystemReihe> reihen;
    std::vector<std::uint8_t> zahlen;
    for (auto _ : state) {
        g1.setZeilen(30);
        QString text = core::SystemAbwickeln(7, kreuze, g1, 37, mass, reihen, zahlen);
        benchmark::DoNotOptimize(text);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 1716);
}

} // namespace

BENCHMARK(SystemAbwickeln013)->Name("System_abwickeln/013")->Unit(benchmark::kMicrosecond);
