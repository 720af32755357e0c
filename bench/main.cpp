#include "bench/Offscreen.h"

#include <benchmark/benchmark.h>

// The windows are measured offscreen, on a data folder of their own.
int main(int argc, char** argv) {
    const Offscreen offscreen(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
