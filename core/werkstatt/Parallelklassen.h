#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace core {

// Classes of blocks of up to three numbers out of 0..n-1 in which every class holds every number
// and every pair lies in a block of some class: a resolvable cover of the pairs by triples. Two
// such families on two parts of the numbers join the parts with few rows.
class Parallelklassen {
public:
    // Blocks a class has: ceil(n / 3).
    static int bloecke(int n) { return (n + 2) / 3; }
    // The fewest classes that can hold every pair.
    static int mindestens(int n);
    // `klassen` classes (masks of their blocks), found by annealing from the seed, first among
    // classes that are turns of one class where the numbers allow; empty when `schritte` steps or
    // `stop` end the search first.
    static std::vector<std::vector<std::uint64_t>> suchen(int n, int klassen, std::int64_t schritte,
                                                          std::uint64_t saat,
                                                          const std::function<bool()>& stop = {});
};

} // namespace core
