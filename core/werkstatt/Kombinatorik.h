#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace core {

// Counting helpers of the system workshop. A set of positions 0..63 is a 64-bit mask.
class Kombinatorik {
public:
    static constexpr int Grenze = 64;

    // The set of position p alone.
    static constexpr std::uint64_t bit(int p) { return std::uint64_t(1) << p; }

    // n over k, exact in 64 bits for n < 64; 0 for k < 0 or k > n.
    static std::int64_t binom(int n, int k) {
        if (k < 0 || n < 0 || k > n || n >= Grenze)
            return 0;
        return tabelle()[std::size_t(n)][std::size_t(k)];
    }

    // The place of a set among all sets of its size in colex order: sum of binom(p_i, i + 1) over
    // its positions p_0 < p_1 < ... . Sets over 0..n-1 of size k get 0 .. binom(n, k) - 1.
    static std::int64_t rang(std::uint64_t menge);
    // The set of size k at that place, the inverse of rang.
    static std::uint64_t mengeAus(std::int64_t rang, int k);

    // The positions of a mask, ascending.
    static std::vector<int> positionen(std::uint64_t menge);
    // Every subset of size s of a set, in place of what ziel held.
    static void teilmengen(std::uint64_t menge, int s, std::vector<std::uint64_t>& ziel);
    static std::vector<std::uint64_t> teilmengen(std::uint64_t menge, int s) {
        std::vector<std::uint64_t> ziel;
        teilmengen(menge, s, ziel);
        return ziel;
    }

    // Schönheim's lower bound for covering all t-sets of v points with k-sets:
    // ceil(v/k * ceil((v-1)/(k-1) * ... ceil((v-t+1)/(k-t+1)))); 0 where t > k.
    static std::int64_t schoenheim(int v, int k, int t);
    // A lower bound for "t wenn m" with m > t: every m-set must meet some row in t points, and a row
    // does so for at most sum_{j>=t} binom(k,j) binom(v-k,m-j) of them.
    static std::int64_t zaehlschranke(int v, int k, int t, int m);

    // Colex ranks of sets of up to 7 positions for the searches' inner loops: the binomials in a
    // plain table, without the checks of binom(). Each search keeps its own copy (2 KB).
    class Rangtafel {
    public:
        Rangtafel() {
            for (std::size_t i = 0; i < t_.size(); ++i)
                for (std::size_t p = 0; p < 64; ++p)
                    t_[i][p] = std::int32_t(Kombinatorik::binom(int(p), int(i)));
        }
        // p over i, for i <= 7
        std::int32_t binom(int p, int i) const { return t_[std::size_t(i)][std::size_t(p)]; }
        std::int32_t rang(std::uint64_t menge) const {
            std::int32_t r = 0;
            for (std::size_t i = 1; menge; menge &= menge - 1)
                r += t_[i++][std::size_t(std::countr_zero(menge))];
            return r;
        }

    private:
        std::array<std::array<std::int32_t, 64>, 8> t_{};
    };

private:
    using Tabelle = std::array<std::array<std::int64_t, Grenze>, Grenze>;
    static const Tabelle& tabelle();
};

} // namespace core
