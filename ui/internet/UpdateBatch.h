#pragma once

#include <QString>

namespace settings {
struct Ordner;
}

namespace ui {

struct Umgebung;

// Writes the script that removes the old program exe once the program has ended, starts it
// hidden and ends the program at once. The installer runs already: where the script cannot be
// written or started, the program says that the old file stays, and ends all the same.
void UpdateBatchStarten(Umgebung& umgebung, const settings::Ordner& ordner, const QString& exe);

} // namespace ui
