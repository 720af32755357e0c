#include "Bahnen.h"

#include "core/werkstatt/Kombinatorik.h"

#include <algorithm>
#include <bit>

namespace core {

Bahnen::Bahnen(int n, int t, int laenge, int kreise) : n_(n), laenge_(std::max(laenge, 1)), kreise_(kreise) {
    dreh_.resize(std::size_t(laenge_));
    for (int s = 0; s < laenge_; ++s)
        for (int p = 0; p < 64; ++p) {
            int bild = p;
            if (p < laenge_ * kreise_)
                bild = p / laenge_ * laenge_ + (p % laenge_ + s) % laenge_;
            dreh_[std::size_t(s)][std::size_t(p)] = std::uint8_t(bild);
        }
    const std::int64_t alle = Kombinatorik::binom(n, t);
    bahn_.assign(std::size_t(alle), -1);
    for (std::int64_t r = 0; r < alle; ++r) {
        if (bahn_[std::size_t(r)] >= 0)
            continue;
        const std::uint64_t menge = Kombinatorik::mengeAus(r, t);
        const std::int32_t neu = std::int32_t(vertreter_.size());
        vertreter_.push_back(menge);
        for (int s = 0; s < laenge_; ++s)
            bahn_[std::size_t(Kombinatorik::rang(drehen(menge, s)))] = neu;
    }
}

std::uint64_t Bahnen::drehen(std::uint64_t menge, int s) const {
    const std::array<std::uint8_t, 64>& d = dreh_[std::size_t(s)];
    std::uint64_t bild = 0;
    for (; menge; menge &= menge - 1)
        bild |= std::uint64_t(1) << d[std::size_t(std::countr_zero(menge))];
    return bild;
}

std::vector<std::uint64_t> Bahnen::ausbreiten(const std::vector<std::uint64_t>& reihen) const {
    std::vector<std::uint64_t> alle;
    for (const std::uint64_t r : reihen)
        for (int s = 0; s < laenge_; ++s)
            alle.push_back(drehen(r, s));
    std::sort(alle.begin(), alle.end());
    alle.erase(std::unique(alle.begin(), alle.end()), alle.end());
    return alle;
}

} // namespace core
