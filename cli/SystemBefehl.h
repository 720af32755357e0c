#pragma once

#include "Befehl.h"

namespace cli {

// "system NAME [ZAHL ...]": the rows of a catalogue entry as a slip, as "System abwickeln" writes
// them; without numbers the placeholders 1..Anzahl stand for themselves.
Befehl SystemBefehl();

} // namespace cli
