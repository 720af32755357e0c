#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace core {

class Zeilentabelle;

// The tip rows of a row table as a system the guarantee check takes: rows whose column 1 is not
// empty, six different numbers 1..45 in columns 1..6, as masks over the numbers they use.
struct Tabellenreihen {
    std::vector<int> zahlen;           // ascending
    std::vector<std::uint64_t> reihen; // bit i stands for zahlen[i]; in table order

    // Over the numbers the rows use, or over `zahlen` when given (they must hold every number of
    // the rows). Throws Fehler naming the row that is not six different numbers 1..45.
    static Tabellenreihen aus(const Zeilentabelle& tabelle, std::span<const int> zahlen = {});
};

} // namespace core
