#include "Verteilung.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace core {

void verteilen(int threads, int anzahl, const std::function<void(int)>& arbeit, std::mutex& mutex,
               std::condition_variable& signal,
               const std::function<void(std::unique_lock<std::mutex>&)>& melden) {
    std::atomic<int> naechste{0};
    int fertig = 0;
    const int helferzahl = std::max(0, std::min(threads, anzahl));
    std::vector<std::thread> helfer;
    for (int h = 0; h < helferzahl; ++h)
        helfer.emplace_back([&] {
            for (int i = naechste++; i < anzahl; i = naechste++)
                arbeit(i);
            const std::lock_guard<std::mutex> sperre(mutex);
            ++fertig;
            signal.notify_all();
        });
    {
        std::unique_lock<std::mutex> sperre(mutex);
        while (fertig < helferzahl) {
            signal.wait_for(sperre, std::chrono::milliseconds(250));
            if (melden)
                melden(sperre);
        }
    }
    for (std::thread& t : helfer)
        t.join();
}

} // namespace core
