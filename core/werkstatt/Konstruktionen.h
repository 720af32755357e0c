#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace core {

// Systems known from mathematics that a search starts from: the Steiner systems and partial
// systems of the catalogue, the designs they induce on fewer numbers, and classical
// constructions. Every design is checked before it is offered.
class Konstruktionen {
public:
    struct Entwurf {
        QString herkunft;                  // how it was made, for the result ("S(3,6,22)", ...)
        std::vector<std::uint64_t> reihen; // masks over 0..n-1, k numbers each
    };

    // Designs of rows of k numbers out of n in which every m-set meets some row in t numbers,
    // smallest first; empty when none is known. Small parts that must be searched for get
    // `suchschritte` steps each, with a fixed seed; `stop` ends that early. Once a design of at
    // most `genug` rows is known, nothing is put together.
    static std::vector<Entwurf> fuer(int n, int k, int t, int m, std::int64_t suchschritte = 60000,
                                     const std::function<bool()>& stop = {}, std::size_t genug = 0);

    // Whether the rows meet every m-set of 0..n-1 in t numbers (a plain count, for designs of any
    // row size).
    static bool gilt(const std::vector<std::uint64_t>& reihen, int n, int t, int m);
};

} // namespace core
