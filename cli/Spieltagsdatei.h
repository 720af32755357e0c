#pragma once

#include "core/TSpieltag.h"

#include <QString>

namespace cli {

// The matchday of a file, read as the window reads it. A goal count below 0 is one the program
// never stores (typed results are 0 to 127, 10 : 10 marks none): such a file is refused with the
// message a typed result of that count gets.
core::TSpieltag SpieltagLesen(const QString& pfad);

} // namespace cli
