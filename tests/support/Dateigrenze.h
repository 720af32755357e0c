#pragma once

#include <csignal>
#include <sys/resource.h>

namespace testhilfe {

// Runs f while every write past grenze bytes of a file fails, as on a full disk, also for root.
template <typename F> void mitDateigrenze(rlim_t grenze, F&& f) {
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    signal(SIGXFSZ, SIG_IGN);
    rlimit eng = alt;
    eng.rlim_cur = grenze;
    setrlimit(RLIMIT_FSIZE, &eng);
    try {
        f();
    } catch (...) {
        setrlimit(RLIMIT_FSIZE, &alt);
        throw;
    }
    setrlimit(RLIMIT_FSIZE, &alt);
}

} // namespace testhilfe
