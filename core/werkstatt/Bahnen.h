#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace core {

// A cyclic group on the numbers 0..n-1: `kreise` cycles of `laenge` numbers each (cycle j holds
// j*laenge .. j*laenge + laenge - 1) and the rest fixed. A system the group maps onto itself is
// given by one row per orbit, and its t-sets fall into orbits too, so that the search for such a
// system is a search over far fewer rows and sets: the way many of the best known systems were
// found.
class Bahnen {
public:
    Bahnen(int n, int t, int laenge, int kreise);

    int laenge() const { return laenge_; }
    int kreise() const { return kreise_; }
    int festpunkte() const { return n_ - laenge_ * kreise_; }
    // The orbit of each t-set by its colex rank, 0 .. orbits - 1.
    std::int32_t bahn(std::int64_t rang) const { return bahn_[std::size_t(rang)]; }
    std::int32_t anzahl() const { return std::int32_t(vertreter_.size()); }
    // One t-set of the orbit.
    std::uint64_t vertreter(std::int32_t bahn) const { return vertreter_[std::size_t(bahn)]; }
    // The set moved s steps along the cycles.
    std::uint64_t drehen(std::uint64_t menge, int s) const;
    // All images of the rows, each once.
    std::vector<std::uint64_t> ausbreiten(const std::vector<std::uint64_t>& reihen) const;

private:
    int n_, laenge_, kreise_;
    std::vector<std::array<std::uint8_t, 64>> dreh_; // dreh_[s][p]
    std::vector<std::int32_t> bahn_;
    std::vector<std::uint64_t> vertreter_;
};

} // namespace core
