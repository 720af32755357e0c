#pragma once

#include "core/grund/TGewinnreihe.h"

#include <QString>

#include <array>

namespace core {

// The texts of the seven winning-row boxes, index 1..7 = box number; index 0 is unused.
using Boxtexte = std::array<QString, 8>;

// A box takes digits only, at most this many: match numbers have two.
inline constexpr int BoxStellen = 2;
bool BoxNimmt(QStringView text);

// Leaving a winning-row box brings the winning row up to date. Box 1..6: Menge and Zahlen are
// rebuilt from all six number boxes in order (an empty box is skipped, a number above 47 lands only
// in Zahlen). Box 7: ZS becomes the number in it, 0 when it is empty. A text that is no integer
// counts as 0.
void BoxVerlassen(TGewinnreihe& reihe, const Boxtexte& boxen, int box);

} // namespace core
