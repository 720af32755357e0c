#pragma once

#include "Befehl.h"

namespace cli {

// "auswerten SCHEIN ...": reads the slip, takes the winning row and the odds and runs the
// evaluation as "Gewinn- Prüfung" does. Writes only once all of that has succeeded.
Befehl AuswertenBefehl();

} // namespace cli
