#pragma once

#include "Zeilentabelle.h"

#include <cstdint>
#include <vector>

namespace core {

// What the pool texts of a table stand for in a number column of a tip row, each text worked
// out once however many cells hold it.
class Zahlzellen {
public:
    static constexpr std::int8_t KeineZahl = -3;     // the conversion refuses the text
    static constexpr std::int8_t Blanks = -2;        // blanks only: no number
    static constexpr std::int8_t AusserBereich = -1; // an integer outside 0..47: adds nothing

    explicit Zahlzellen(const Zeilentabelle& t) : t_(t), klassen_(t.poolGroesse(), Unbekannt) {}

    // For a pool cell: the number 0..47 its text stands for, or one of the values above.
    std::int8_t klasse(Zeilentabelle::Zelle z) {
        std::int8_t& k = klassen_[Zeilentabelle::poolIndex(z)];
        if (k == Unbekannt)
            k = bestimmen(z);
        return k;
    }

private:
    static constexpr std::int8_t Unbekannt = -4;
    std::int8_t bestimmen(Zeilentabelle::Zelle z) const;

    const Zeilentabelle& t_;
    std::vector<std::int8_t> klassen_;
};

} // namespace core
