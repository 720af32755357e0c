#pragma once

#include "core/grund/Grossfeld.h"
#include "core/grund/TGewinnreihe.h"

#include <array>
#include <cstdint>
#include <vector>

namespace core {

class Zeilentabelle;

// One winning row as the evaluation of many matchdays takes it.
struct Ziehung {
    Zahlenmenge gewinn;
    int zs = -1; // the additional number, -1 for none
};

// The tip rows of a row grid as number masks, built once, so that a winning row costs a popcount
// per row. Exactly what ReihenBewerten counts for an additional number written as plain digits
// ("12", the box of a matchday): a cell holding that very text is the additional match and no
// number, while the same number written otherwise (" 12", "012", "+12") is a number. Hence two
// masks per row: the numbers in plain digits and those in any other form.
class Reihenmasken {
public:
    static constexpr int KeinZs = -1;

    // The rows whose column 1 is not empty, number columns 1..6. Throws the conversion error at
    // the first number cell of such a row that is no integer, as the evaluation stops there.
    static Reihenmasken aus(const Zeilentabelle& g1);

    int reihen() const { return int(kanonisch_.size()); }

    // Rows per rank, index 1..6 (index 0 stays 0), as ReihenBewerten counts them with the box text
    // QString::number(zs); zs outside 0..47 stands for an empty box.
    std::array<int, 7> bewerten(Zahlenmenge gewinn, int zs) const;
    // The same for many winning rows, in passes over the rows that take several rows each.
    std::vector<std::array<int, 7>> bewerten(const std::vector<Ziehung>& ziehungen) const;
    // How many winning rows one pass takes.
    static constexpr int JeDurchgang = 8;

private:
    Grossfeld<std::uint64_t> kanonisch_;
    Grossfeld<std::uint64_t> anders_; // empty when no row has a number in another form
};

} // namespace core
