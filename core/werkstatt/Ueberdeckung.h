#pragma once

#include "core/werkstatt/Kombinatorik.h"
#include "core/werkstatt/Zufall.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace core {

class Bahnen;

// The local search behind Systembau: b rows of k numbers out of n, and for every m-set of the
// n numbers how many rows meet it in t numbers or more. An m-set no row meets so is open; the
// search moves one number of one row at a time and keeps the counts up to date, so that a move
// costs a few dozen look-ups instead of a recount.
class Ueberdeckung {
public:
    struct Aufgabe {
        int n = 0; // numbers
        int k = 6; // numbers a row
        int t = 3; // hits wanted
        int m = 3; // winning numbers among the n
    };

    // Whether the counts fit (the m-sets and the work of one move stay small enough).
    static bool machbar(Aufgabe a);

    // With `bahnen` (m == t only) the rows are representatives of orbits under the group and
    // the counts are per orbit of t-sets: a row then stands for all its images. The group must
    // outlive the search.
    Ueberdeckung(Aufgabe a, std::uint64_t saat, const Bahnen* bahnen = nullptr);

    const Aufgabe& aufgabe() const { return a_; }
    // Replaces the rows (masks over 0..n-1, k bits each) and counts anew.
    void setzen(std::span<const std::uint64_t> reihen);
    const std::vector<std::uint64_t>& reihen() const { return reihen_; }
    std::int64_t offen() const { return std::int64_t(offen_.size()); }
    std::int64_t mengen() const { return std::int64_t(zahl_.size()); }

    // Drops the row whose loss opens the fewest m-sets.
    void schwaechsteEntfernen();
    // Drops rows that no m-set needs alone, as long as there are such.
    void ueberfluessigeEntfernen();
    // Adds rows greedily until nothing is open: each starts from an open m-set and takes the
    // number that closes the most further ones, until it is full. Stops at `hoechstens` rows
    // when that is above 0.
    void gierigAuffuellen(int hoechstens = 0);

    // Simulated annealing at the present row count: `schritte` moves at most, the temperature
    // falling from t0 to t1 in each round of `runde` moves (rounds go on across calls). Ends early
    // when nothing is open or `halt` is set. Keeps the state with the fewest open m-sets seen at
    // this row count (besteOffen, besteReihen).
    struct Gluehen {
        std::int64_t schritte = 0;
        std::int64_t runde = 0;
        double t0 = 0.6;
        double t1 = 0.05;
    };
    void gluehen(const Gluehen& g, const std::atomic<bool>* halt);
    // Local search with weights: each step takes an open m-set and the best of the moves that
    // close it (open m-sets count by their weight, a move just undone is barred for a while); when
    // no move helps, every open m-set weighs one more, so that the search leaves the valley.
    void suchen(std::int64_t schritte, const std::atomic<bool>* halt);
    // A greedy cover made smaller: whenever nothing is open the weakest row goes, else annealing
    // goes on, until `schritte` steps are done or `stop` says so. The smallest rows that left
    // nothing open.
    std::vector<std::uint64_t> verkleinern(std::int64_t schritte, const Gluehen& g, const std::function<bool()>& stop);
    std::int64_t schritteGesamt() const { return schritteGesamt_; }
    std::int64_t besteOffen() const { return besteOffen_; }
    const std::vector<std::uint64_t>& besteReihen() const { return besteReihen_; }

private:
    // What the counts count: the m-set itself, or its orbit.
    std::int64_t element(std::uint64_t menge) const;
    // An m-set of the counted element, for orbits turned at random.
    std::uint64_t menge(std::int64_t e);
    // The change of open elements (or their weight) that the lists verloren_, gewonnen_ make.
    std::int64_t differenz(bool gewichtet) const;
    std::uint64_t zufall() { return zufall_(); }
    std::uint64_t zufall(std::uint64_t grenze) { return zufall_.unter(grenze); }
    void erhoehen(std::int64_t e);
    void senken(std::int64_t e);
    // The elements that only this row covers (mengen: scratch).
    std::int64_t alleinGedeckt(std::uint64_t reihe, std::vector<std::int64_t>& mengen) const;
    // The m-sets a row covers, by rank.
    void mengenDerReihe(std::uint64_t reihe, std::vector<std::int64_t>& ziel) const;
    // The m-sets that move x -> y in row r opens (verloren) and closes (gewonnen); the change in
    // open sets.
    std::int64_t bewerten(std::uint64_t reihe, int x, int y, bool gewichtet = false);
    void ausfuehren(std::size_t r, int x, int y);
    // The rows that meet an m-set of element e in t-1 numbers, with that m-set: one m-set, or
    // every image of the orbit.
    void kandidatenSammeln(std::int64_t e);
    // A row whose move makes m-set e covered, with the move; false when none exists.
    bool zugFuer(std::int64_t e, std::size_t& r, int& x, int& y);

    Aufgabe a_;
    const Bahnen* bahnen_ = nullptr;
    std::uint64_t alle_ = 0;
    Zufall zufall_;
    Kombinatorik::Rangtafel rangtafel_;
    std::vector<std::uint64_t> reihen_;
    std::vector<std::uint32_t> zahl_;  // rows covering each m-set
    std::vector<std::int32_t> offen_;  // the open m-sets
    std::vector<std::int32_t> stelle_; // their place in offen_, -1 when covered
    std::vector<std::int64_t> verloren_, gewonnen_;
    std::vector<std::uint64_t> teilmengen_; // scratch for the (t-1)-subsets of a row
    std::vector<std::uint64_t> reste_;      // (m-t)-subsets of the numbers outside a row
    // For every number the rows that hold it, as bits: which rows meet a set in t-1 numbers is
    // then a few word operations per 64 rows.
    std::vector<std::vector<std::uint64_t>> punktReihen_;
    void indexAufbauen();
    void indexSetzen(std::size_t r, std::uint64_t reihe, bool an);
    void reiheAnhaengen(std::uint64_t reihe);
    void reiheEntfernen(std::size_t r);
    std::size_t schnittSuchen(std::uint64_t menge, int anzahl, std::uint32_t* aus) const;
    // The m-sets by rank, where they are not too many to keep.
    std::vector<std::uint64_t> mengen_;
    std::vector<std::uint32_t> kandidaten_;
    struct Kandidat {
        std::uint32_t reihe;
        std::uint64_t ziel;
    };
    std::vector<Kandidat> treffer_;
    std::vector<std::uint32_t> gewicht_;
    std::vector<std::int64_t> gesperrt_; // [row * 64 + number]: step until which it may not return
    std::int64_t schritteGesamt_ = 0;
    double temperatur_ = 0;
    std::int64_t besteOffen_ = -1;
    std::vector<std::uint64_t> besteReihen_;
};

} // namespace core
