#pragma once

#include "core/werkstatt/Kombinatorik.h"
#include "core/werkstatt/Zufall.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace core {

class Bahnen;

// A system the group maps onto itself, chosen as whole orbits of rows: every orbit of t-sets must
// lie in a chosen orbit of rows. That is a set cover of a few hundred orbits, searched the way the
// best set-cover heuristics do: one orbit of rows out and one in per step, the one in being the
// best of all rows through a t-set still open, and open orbits weighing more the longer they stay
// open. Moving a single number of a row (Ueberdeckung) reaches far fewer of the good rows.
class Bahnenwahl {
public:
    // Rows of k out of n under the group of `bahnen`, whose orbits of t-sets must be covered;
    // 3 <= t <= k <= t + 3, and rows of t + 3 numbers only for t = 3.
    static bool machbar(const Bahnen& bahnen, int n, int k);

    // Check machbar first. The group must outlive the search.
    Bahnenwahl(const Bahnen& bahnen, int n, int k);

    // Searches `schritte` steps at most and stops early at `ziel` rows or when `stop` says so;
    // `besser` hears the rows of each smaller cover. Returns the rows (every image) of the
    // smallest cover found; empty when none was.
    std::vector<std::uint64_t> suchen(std::uint64_t saat, std::int64_t schritte, std::int64_t ziel,
                                      const std::function<bool()>& stop,
                                      const std::function<void(std::int64_t)>& besser = {});

private:
    // A chosen orbit of rows.
    struct Wahl {
        std::uint64_t reihe = 0;          // its smallest image
        std::int32_t bilder = 0;          // rows it stands for
        std::int64_t seit = 0;            // step it was chosen at
        std::vector<std::int32_t> bahnen; // the orbits of t-sets in it, each once
    };

    std::int32_t bahn(std::uint64_t menge) const;
    void dazu(std::uint64_t reihe, std::int64_t schritt);
    std::uint64_t weg(std::size_t platz);
    // What leaving out a chosen orbit opens, by weight.
    std::int64_t verlust(const Wahl& w) const;
    // The chosen orbit whose loss weighs least per row, the longest chosen among equals.
    std::size_t schwaechste(std::uint64_t ausser) const;
    // The open weight a row closes, each orbit once.
    std::int64_t genau(std::uint64_t reihe) const;
    // The row through the t-set `basis` that closes most open weight.
    std::uint64_t besteFuer(std::uint64_t basis, std::int64_t schritt);
    // An open orbit of t-sets, as one of its sets mapped at random.
    std::uint64_t offeneMenge();
    std::vector<std::uint64_t> reihen() const;

    const Bahnen& bahnen_;
    int n_, k_, t_;
    Kombinatorik::Rangtafel rangtafel_;
    std::vector<std::uint16_t> dreier_;                   // t = 3: orbit of (x, y, z) in any order
    std::vector<std::uint8_t> kombis_;                    // the t-subsets of a row's k places

    Zufall zufall_{0};
    std::vector<std::int32_t> zahl_;    // chosen orbits of rows covering each orbit of t-sets
    std::vector<std::int64_t> gewicht_; // grows while the orbit stays open
    std::vector<std::int64_t> offenGewicht_;
    std::vector<std::int32_t> offen_, stelle_;
    std::vector<Wahl> auswahl_;
    std::int64_t kosten_ = 0; // rows of the chosen orbits
    // Rows left out lately, not to come back at once: (smallest image, step until which).
    std::vector<std::pair<std::uint64_t, std::int64_t>> gesperrt_;
    std::vector<std::uint64_t> verboten_, bilder_;
    std::vector<std::int64_t> f1_, f2_;
};

} // namespace core
