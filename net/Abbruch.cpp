#include "Abbruch.h"

#include <curl/curl.h>

namespace net {

void Abbruch::ausloesen() {
    ausgeloest_ = true;
    const std::lock_guard<std::mutex> g(sperre_);
    if (multi_)
        curl_multi_wakeup(static_cast<CURLM*>(multi_));
}

void Abbruch::warteAnmelden(void* multi) {
    const std::lock_guard<std::mutex> g(sperre_);
    multi_ = multi;
}

void Abbruch::warteAbmelden() {
    const std::lock_guard<std::mutex> g(sperre_);
    multi_ = nullptr;
}

} // namespace net
