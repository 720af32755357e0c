#pragma once

#include "core/grund/TGewinnreihe.h"
#include "core/spieltag/Quoten.h"

#include <QString>

#include <array>
#include <optional>

namespace core {

class Zeilentabelle;

// What one evaluation leaves for the window to show. A text given as nullopt is not written:
// its control keeps what it showed.
struct Auswertung {
    bool gelaufen = false;                            // false: no winning row, nothing was written anywhere
    std::array<int, 7> anzahl{};                      // rows per rank, index 1..6
    bool mitRang = false;                             // at least one row reached a rank
    bool sortiert = false;                            // the rows were sorted by rank
    std::array<std::optional<QString>, 7> anzahlText; // result grid column 1, rows 1..6
    std::array<std::optional<QString>, 7> betragText; // result grid column 2, rows 1..6
    std::optional<QString> gesamtText;                // the total
    double gesamt = 0;                                // the total as a number
    QString fehler;                                   // not empty: the run stopped with this message
};

// Rank of a row by its hits and whether it holds the additional match; 0 for no rank.
constexpr int Rang(int treffer, bool zs) {
    switch (treffer) {
    case 6:
        return 1;
    case 5:
        return zs ? 2 : 3;
    case 4:
        return 4;
    case 3:
        return zs ? 5 : 6;
    default:
        return 0;
    }
}

// Writes rank label and sort key (columns 7 and 8) into every tip row of the row grid whose
// column 1 is not empty, counts the rows per rank and works out counts, amounts and total.
// A number cell equal to zsText (by text) is the additional match. Empty and blank cells are no
// number; numbers outside 0..47 add nothing. A finished run gives all six ranks, also when no row
// has one (counts 0, no amounts, total "0,00"). With nachRangSortieren the rows end sorted by rank.
// A number cell that is no integer stops the run at its row: the rows above keep their new
// columns, nothing is sorted and no result text is given; a sort key that is no integer stops the
// run the same way before any row moves. The odds of a rank are read only when it has rows; a
// text the conversion refuses stops the run there: that rank's count is given, the ranks before
// it in full and the total up to the rank before.
Auswertung Auswerten(Zeilentabelle& g1, Zahlenmenge menge, QStringView zsText, const TQuoten& quoten,
                     bool nachRangSortieren);

// The row part alone: columns 7 and 8 of every tip row, and the rows per rank (index 1..6).
// Throws the conversion error at the first number cell that is no integer.
std::array<int, 7> ReihenBewerten(Zeilentabelle& g1, Zahlenmenge menge, QStringView zsText);

// The texts of an evaluation from its rows per rank (a.anzahl, index 1..6): every rank's count,
// its amount when it has rows and its odds text is an amount, and the total. The odds of a rank
// are read only when it has rows; a text the conversion refuses throws there: that rank's count is
// given, the ranks before it in full and the total up to the rank before.
void BetraegeSetzen(Auswertung& a, const TQuoten& quoten);

// A finished run from the rows per rank alone, as Auswerten gives it without sorting: a refused
// odds text ends up in fehler.
Auswertung RaengeAuswerten(const std::array<int, 7>& anzahl, const TQuoten& quoten);

} // namespace core
