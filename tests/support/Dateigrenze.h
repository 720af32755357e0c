#pragma once

#include <csignal>
#include <sys/resource.h>

namespace testhilfe {

// Runs f while every write past grenze bytes of a file fails, as on a full disk, also for root.
// The limit and the handling of SIGXFSZ are restored afterwards, also when f throws.
template <typename F> void mitDateigrenze(rlim_t grenze, F&& f) {
    struct Zurueck {
        rlimit limit{};
        void (*behandlung)(int) = nullptr;
        ~Zurueck() {
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, behandlung);
        }
    } alt;
    getrlimit(RLIMIT_FSIZE, &alt.limit);
    alt.behandlung = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = alt.limit;
    eng.rlim_cur = grenze;
    setrlimit(RLIMIT_FSIZE, &eng);
    f();
}

} // namespace testhilfe
