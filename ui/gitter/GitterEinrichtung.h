#pragma once

namespace ui {

class ZeilenGitter;

// The width of the row grid's row column as designed; it grows with row numbers that need more.
inline constexpr int G1Reihenbreite = 37;

// Column widths and header texts of the row grid, the result grid and the slip editor's grid.
void G1Einrichten(ZeilenGitter& gitter);
void G2Einrichten(ZeilenGitter& gitter);
void EditorGitterBeschriften(ZeilenGitter& gitter);

// A column beside the number columns that gives the row column room first, down to `kleinste`.
struct Rest {
    int spalte = -1;
    int breite = 0;
    int kleinste = 0;
};
// Column 0 as wide as the largest row number needs, at least `reihe` pixels; what it takes beyond
// that comes from the rest column, then from the six number columns (`zahl` pixels each), so that
// the grid keeps its width. Runs again whenever the rows are replaced.
void ReihenspalteMitwachsen(ZeilenGitter& gitter, int reihe, int zahl, Rest rest);

} // namespace ui
