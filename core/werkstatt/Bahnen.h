#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace core {

// A group of maps of the numbers 0..n-1 onto themselves. A system the group maps onto itself is
// given by one row per orbit, and its t-sets fall into orbits too, so that the search for such a
// system is a search over far fewer rows and sets: the way many of the best known systems were
// found.
class Bahnen {
public:
    using Abbildung = std::array<std::uint8_t, 64>;

    // The rotation of `kreise` cycles of `laenge` numbers each (cycle j holds j*laenge ..
    // j*laenge + laenge - 1), the rest fixed.
    Bahnen(int n, int t, int laenge, int kreise);
    // The maps x -> a*x + b modulo the prime p on 0..p-1, a out of the `ordnung` powers of a
    // primitive root whose order is `ordnung` (a divisor of p - 1), the numbers from p on fixed.
    static Bahnen affin(int n, int t, int p, int ordnung);
    // Whether p is a prime, as affin() needs.
    static bool primzahl(int p);

    // Maps of the group, the identity first.
    int laenge() const { return int(dreh_.size()); }
    // The orbit of each t-set by its colex rank, 0 .. orbits - 1.
    std::int32_t bahn(std::int64_t rang) const { return bahn_[std::size_t(rang)]; }
    std::int32_t anzahl() const { return std::int32_t(vertreter_.size()); }
    // One t-set of the orbit.
    std::uint64_t vertreter(std::int32_t bahn) const { return vertreter_[std::size_t(bahn)]; }
    // The image of the set under map s of the group.
    std::uint64_t drehen(std::uint64_t menge, int s) const;
    // All images of the rows, each once.
    std::vector<std::uint64_t> ausbreiten(const std::vector<std::uint64_t>& reihen) const;

private:
    Bahnen(int n, int t, std::vector<Abbildung> gruppe);
    void bahnenBilden(int n, int t);

    std::vector<Abbildung> dreh_; // dreh_[s][p]
    std::vector<std::int32_t> bahn_;
    std::vector<std::uint64_t> vertreter_;
};

} // namespace core
