#pragma once

namespace ui {

class ZeilenGitter;

// Column widths and header texts of the row grid, the result grid and the slip editor's grid.
void G1Einrichten(ZeilenGitter& gitter);
void G2Einrichten(ZeilenGitter& gitter);
void EditorGitterBeschriften(ZeilenGitter& gitter);

} // namespace ui
