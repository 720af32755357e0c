#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace core {

// Work split over threads while the calling thread reports: `arbeit(i)` runs once for every i in
// 0 .. anzahl - 1 on up to `threads` threads. Meanwhile the calling thread calls `melden` with
// `mutex` held every quarter of a second, and sooner whenever `signal` is notified; `melden` may
// unlock around slow calls. Returns when all the work is done.
void verteilen(int threads, int anzahl, const std::function<void(int)>& arbeit, std::mutex& mutex,
               std::condition_variable& signal,
               const std::function<void(std::unique_lock<std::mutex>&)>& melden);

// Lowers `wert` to `neu` when that is smaller, whatever other threads write meanwhile.
template <typename T>
void senken(std::atomic<T>& wert, T neu) {
    T bisher = wert.load();
    while (neu < bisher && !wert.compare_exchange_weak(bisher, neu)) {
    }
}

} // namespace core
