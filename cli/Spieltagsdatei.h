#pragma once

#include "core/spieltag/TSpieltag.h"

#include <QString>

namespace cli {

// The matchday of a file, read as the window reads it: the same reader, so that a goal count
// below 0 is shown with its sign and plays no part in the winning row, as in the window.
core::TSpieltag SpieltagLesen(const QString& pfad);

} // namespace cli
