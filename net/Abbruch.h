#pragma once

#include <atomic>
#include <mutex>

namespace net {

// The stop of one transfer. Asked for on any thread, it ends the transfer at once, also while the
// transfer waits for the server: the wait is woken, not run out.
class Abbruch {
public:
    void ausloesen();
    bool ausgeloest() const { return ausgeloest_; }

    // The transfer's wait (a libcurl multi handle) for as long as it may be woken.
    void warteAnmelden(void* multi);
    void warteAbmelden();

private:
    std::atomic<bool> ausgeloest_{false};
    std::mutex sperre_;
    void* multi_ = nullptr;
};

} // namespace net
