#pragma once

#include "core/werkstatt/Konstruktionen.h"
#include "core/werkstatt/Ueberdeckung.h"

#include <QElapsedTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace core {

// Systems that a group of maps of the numbers maps onto itself, sought under every group that
// fits the numbers: rotations of up to four cycles (for 2 wenn 2 also many short ones) with a few
// numbers fixed, and for t >= 3 the maps x -> a*x + b modulo a prime. For many numbers they are
// often a far better start than any greedy cover.
//
// For t >= 3 the search goes in two rounds: a short one over every group, then, where they are
// ahead of the other starts, the groups that got furthest (which fits best differs from cell to
// cell) go on while the clock allows, up to 85 % of the time, so that the search from the starts
// keeps the rest. Reproducible like Systembau: the same seed and step budget give the same rows.
class Symmetriesuche {
public:
    struct Rahmen {
        Ueberdeckung::Aufgabe aufgabe; // m = t
        std::int64_t ziel = 0;         // rows that end the search
        std::int64_t andere = 0;       // rows of the smallest other start
        std::uint64_t saat = 1;
        int threads = 1;
        double grenzeNs = 0;       // the clock of the whole build; 0 for none
        std::int64_t schritte = 0; // step budget of each search; 0 for none
    };

    // Whether symmetric systems are worth seeking: many numbers, m = t, and the smallest other
    // start above the target.
    static bool lohnt(const Ueberdeckung::Aufgabe& a, std::int64_t andere, std::int64_t ziel);

    // `uhr` is the build's clock, `vorbei` says when the build is over. `melden` is called on the
    // calling thread every quarter of a second with the rows of the smallest system so far, the
    // other starts included. Returns the valid systems found, one per group, each with where it
    // comes from.
    static std::vector<Konstruktionen::Entwurf> suchen(const Rahmen& rahmen, const QElapsedTimer& uhr,
                                                       const std::function<bool()>& vorbei,
                                                       const std::function<void(std::int64_t)>& melden);
};

} // namespace core
