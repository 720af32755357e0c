#pragma once

namespace core {
class Zeilentabelle;
}

namespace cli {

class Ausgabe;

// The rows of the row grid for output, written to aus as they are made. Slips run to millions of
// rows, so the cells are written from their codes: numbers directly, every other text converted
// once however many cells hold it. The row label of column 0 is given without its padding blanks.

// Aligned UTF-8 text: a header line, then one line per grid row with the label, the six numbers
// and the "GKl." column; the hidden sort key stays hidden as in the window.
void Reihentext(const core::Zeilentabelle& g1, Ausgabe& aus);

// A JSON array with one object per grid row:
// {"reihe": column 0, "zahlen": [columns 1..6], "gkl": column 7, "schluessel": column 8}, all texts.
void ReihenJson(const core::Zeilentabelle& g1, Ausgabe& aus);

} // namespace cli
