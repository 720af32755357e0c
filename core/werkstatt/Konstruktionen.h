#pragma once

#include <QString>

#include <cstdint>
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
    // smallest first; empty when none is known.
    static std::vector<Entwurf> fuer(int n, int k, int t, int m);

    // Whether the rows meet every m-set of 0..n-1 in t numbers (a plain count, for designs of any
    // row size).
    static bool gilt(const std::vector<std::uint64_t>& reihen, int n, int t, int m);
};

} // namespace core
