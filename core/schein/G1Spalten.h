#pragma once

namespace core {

// The columns of the row grid G1 (a Zeilentabelle of Anzahl columns, row 0 the header).
struct G1Spalten {
    static constexpr int Reihe = 0;     // the row label, the number of the tip row
    static constexpr int ErsteZahl = 1; // the six tip numbers, columns 1..6
    static constexpr int LetzteZahl = 6;
    static constexpr int Rang = 7;       // "GKl.": the rank label or the hits of an evaluated row
    static constexpr int Schluessel = 8; // the sort key of the rank, never shown
    static constexpr int Anzahl = 9;
};

} // namespace core
