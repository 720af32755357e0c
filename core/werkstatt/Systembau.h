#pragma once

#include "core/werkstatt/Bestwerte.h"
#include "core/werkstatt/Garantie.h"
#include "core/werkstatt/Garantiepruefung.h"

#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace core {

// What to build: rows of six out of the chosen numbers that guarantee "t wenn m".
struct Bauauftrag {
    std::vector<int> zahlen;   // 7..45 different numbers 1..45, any order
    std::vector<int> bank;     // bankers: chosen numbers that stand in every row
    Garantie garantie{3, 3};   // 2 <= t <= 5, t <= m <= 6
    int hoechstens = 0;        // most rows; 0 for no limit
    double sekunden = 10;      // time limit of the search; 0 for none (then `schritte` must end it)
    std::int64_t schritte = 0; // steps of each run at most; 0 for no such budget
    std::uint64_t saat = 1;
    int laeufe = 0;  // independent runs, each with its own stream from the seed; 0: one per thread
    int threads = 0; // 0: as many as the machine has
};

// Where a build stands, for a progress bar.
struct Baustand {
    int reihen = 0;           // rows of the smallest system so far that keeps the guarantee; 0: none yet
    std::int64_t loecher = 0; // with a row limit not reached yet: open m-sets of the best system at it
    double sekunden = 0;
};

struct Bauergebnis {
    std::vector<int> zahlen; // ascending; bit i of a row stands for zahlen[i]
    std::vector<int> bank;
    Garantie garantie;
    std::vector<std::uint64_t> reihen;
    // The check of the rows just built: the guarantee holds exactly when pruefung.loecher == 0.
    Garantiepruefung::Ergebnis pruefung;
    Massstab massstab;
    QString herkunft; // what the search started from
    bool abgebrochen = false;
    bool zeitUm = false; // the time limit ended the search
    double sekunden = 0;
    std::int64_t schritte = 0; // search steps of all runs

    bool garantiert() const { return pruefung.loecher == 0; }
    // Share of the m-sets of the chosen numbers that keep the guarantee.
    double abdeckung() const { return pruefung.abdeckung(); }
    // The rows as numbers, each ascending.
    std::vector<std::array<int, 6>> zahlenreihen() const;
};

// Builds systems. Starts: a greedy cover, the catalogue's designs and what they induce on fewer
// numbers or derive at a number, designs put together by adding a few numbers to a smaller one
// (t >= 3), and for many numbers systems symmetric under a rotation of the numbers or under the
// maps x -> a*x + b modulo a prime (chosen as whole orbits, Bahnenwahl). Then runs of a
// local search on threads shrink them: whenever no m-set is open the weakest row goes, else moves of
// one number repair the rest, with incremental counts of how often each m-set is met. Run 0 (a
// weighted search) starts from the greedy cover, run 1 (annealing) from the smallest start, further
// runs from the others in turn; each run has its own stream of the seed.
//
// Reproducible: the same order, seed and number of runs give the same rows whatever the machine
// and the number of threads, as long as the step budget, the target or nothing ends the search
// (with a step budget the preparation keeps to it as well); a time limit or a cancel that cuts it
// ends it wherever it stands. The search stops at the best known value (or the proven bound):
// beating a record of mathematics in seconds is not to be expected.
//
// Every result has been checked by Garantiepruefung; with a row limit that the guarantee cannot
// be kept in, the result is the system of that size that misses the fewest m-sets.
class Systembau {
public:
    // Above this many rows (by Schönheim's bound) a system is built only with a row limit.
    static constexpr int GrenzeOhneHoechstzahl = 5000;

    // Throws Fehler with the German reason when the order cannot be built; does no other work.
    static void pruefen(const Bauauftrag& auftrag);

    // fortschritt is called on the calling thread: after the greedy cover, every quarter of a
    // second while symmetric systems are sought, after the starts, then every quarter of a second
    // and when the best system changes, and with the result. abbruch
    // may be set from any thread: the build then ends within about a second with the best system so
    // far, checked like any other.
    static Bauergebnis bauen(const Bauauftrag& auftrag,
                             const std::function<void(const Baustand&)>& fortschritt,
                             const std::atomic<bool>* abbruch);
    static Bauergebnis bauen(const Bauauftrag& auftrag);
};

} // namespace core
