#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/spieltag/TSpieltag.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

QByteArray zufallsSatz() {
    std::mt19937 zufall(1);
    QByteArray b(core::TSpieltag::Groesse, '\0');
    for (char& c : b)
        c = char(zufall() & 0xFF);
    return b;
}

void SpieltagEntpackenUndPacken(benchmark::State& state) {
    const QByteArray satz = zufallsSatz();
    for (auto _ : state)
        benchmark::DoNotOptimize(core::TSpieltag::ausBytes(satz).bytes());
}
BENCHMARK(SpieltagEntpackenUndPacken);

void GewinnreiheErmittelnTypisch(benchmark::State& state) {
    std::mt19937 zufall(2);
    core::ProPaarung<core::TErgebnis> ergebnis{};
    for (int i = 1; i <= core::AnzahlPaarungen; ++i)
        ergebnis[i] = {std::int8_t(zufall() % 5), std::int8_t(zufall() % 5)};
    for (auto _ : state)
        benchmark::DoNotOptimize(core::GewinnreiheErmitteln(ergebnis));
}
BENCHMARK(GewinnreiheErmittelnTypisch);

} // namespace
