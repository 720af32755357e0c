#include "Ausgabe.h"

#include <algorithm>

namespace cli {

Ausgabe::Ausgabe(qsizetype block)
    : puffer_(std::make_unique_for_overwrite<char[]>(std::size_t(std::max<qsizetype>(block, 1) + Platz))),
      ende_(puffer_.get()), grenze_(puffer_.get() + std::max<qsizetype>(block, 1)) {}

void Ausgabe::stueckweise(const char* quelle, qsizetype n, const char* zeichen) {
    while (n > 0) {
        const qsizetype k = std::min(n, qsizetype(grenze_ - ende_));
        if (zeichen)
            std::memset(ende_, *zeichen, std::size_t(k));
        else
            std::memcpy(ende_, quelle, std::size_t(k));
        ende_ += k;
        quelle += zeichen ? 0 : k;
        n -= k;
        pruefen();
    }
}

void Ausgabe::abschliessen() {
    if (ende_ != puffer_.get())
        weitergeben();
}

void Ausgabe::weitergeben() {
    abgeben(QByteArrayView(puffer_.get(), ende_ - puffer_.get()));
    ende_ = puffer_.get();
}

} // namespace cli
