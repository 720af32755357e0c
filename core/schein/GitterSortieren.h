#pragma once

namespace core {

class Zeilentabelle;

// Sorts rows 1 .. zeilen - 1 by the integer in column `spalte`, stably, whole rows moving; the
// header row stays. Nothing happens when row 1 holds exactly "---" there. Every key is converted
// before any row moves, so a key that is no integer throws the conversion error and leaves the
// table as it was.
void GitterSortieren(Zeilentabelle& tabelle, int spalte, bool absteigend);

// The row grid's two orders. Each sorts only when row 1 has a key in its column and tells
// whether it sorted: by rank (the hidden key column 8) and back to the order of loading (the row
// labels in column 0).
bool RangSortieren(Zeilentabelle& g1);
bool NummernSortieren(Zeilentabelle& g1);

} // namespace core
