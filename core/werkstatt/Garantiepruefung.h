#pragma once

#include "core/werkstatt/Garantie.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace core {

// What a set of rows guarantees, proved by visiting every case: every set of up to six winning
// numbers among the chosen ones, and for the rank distribution every place of the additional
// number (ZS). Rows are masks over the positions 0..v-1 of the v chosen numbers (bit i: the
// i-th smallest chosen number), at most six bits each.
class Garantiepruefung {
public:
    // The numbers a draw takes from and the numbers it draws besides the ZS.
    static constexpr int Spiele = 45;
    static constexpr int Gezogen = 6;
    // Rank index 1..6 = I..VI as in RangText; 0 for no win.
    static constexpr int KeinRang = 0;

    struct Optionen {
        // The guarantee whose holes are counted and listed.
        std::optional<Garantie> garantie;
        // Also the distribution of the best rank (costs a second look at some cases).
        bool verteilung = true;
        // How many holes are kept, the first in lexicographic order.
        int ersteLoecher = 10;
        // Worker threads; 0 for as many as the machine has.
        int threads = 0;
        // Set from anywhere to stop; the result then says vollstaendig == false.
        const std::atomic<bool>* abbruch = nullptr;
        // Share of the work done, 0..1; called on the thread that called pruefen.
        std::function<void(double)> fortschritt;
    };

    struct Ergebnis {
        int zahlen = 0;
        int reihen = 0;
        bool vollstaendig = true;
        // For m = 0..6: the hits some row is sure to have when m winning numbers are among the
        // chosen ones (the minimum over all m-sets of the best row's hits); -1 where m > zahlen.
        std::array<int, 7> sicher{};
        // For m = 0..6 and rank 0..6: the cases whose best row wins that rank. A case is an m-set
        // of winning numbers among the chosen ones together with the ZS, one of the 39 numbers
        // not drawn; only counted where m can occur in a draw (wahrscheinlichkeit[m] > 0).
        std::array<std::array<std::int64_t, 7>, 7> faelle{};
        // The hypergeometric probability that a draw of 6 out of 45 has m winning numbers among
        // the chosen ones.
        std::array<double, 7> wahrscheinlichkeit{};

        // The guarantee asked for, the m-sets that miss it and the first of them (masks).
        std::optional<Garantie> garantie;
        std::int64_t loecher = 0;
        std::vector<std::uint64_t> ersteLoecher;

        // Whether "t wenn m" holds; true where m > zahlen, as no case can miss it.
        bool haelt(Garantie g) const;
        // The guarantees worth saying: for each m where the sure hits (two or more) grow, "sicher[m]
        // wenn m"; each holds for more winning numbers too. "22/77": 2 wenn 2, 3 wenn 3.
        std::vector<Garantie> garantien() const;
        // m-sets in all, and the share of them that hold the guarantee asked for.
        std::int64_t mengen() const;
        double abdeckung() const;
        // Cases with m winning numbers among the chosen ones (m-sets times 39).
        std::int64_t faelleMit(int m) const;
        // The share of those cases whose best rank is `rang`.
        double anteil(int m, int rang) const;
        // The probability of `rang` as the best rank of a whole draw.
        double rangWahrscheinlichkeit(int rang) const;
    };

    // Throws Fehler for a count outside 1..45 or a row with a number outside the chosen ones or
    // more than six numbers.
    static Ergebnis pruefen(std::span<const std::uint64_t> reihen, int zahlen, const Optionen& optionen);
    static Ergebnis pruefen(std::span<const std::uint64_t> reihen, int zahlen);

    // Only whether "t wenn m" holds, with the holes: cheaper than the whole table.
    static Ergebnis garantiePruefen(std::span<const std::uint64_t> reihen, int zahlen, Garantie g,
                                    int threads = 0);

    // The catalogue entry 1..14 expanded over its own numbers and checked.
    static Ergebnis katalog(int index, const Optionen& optionen);
    static Ergebnis katalog(int index);

    // The hypergeometric probability of m winning numbers among v chosen ones.
    static double wahrscheinlichkeit(int v, int m);
};

} // namespace core
