#pragma once

#include "Befehl.h"

namespace cli {

// "system NAME [ZAHL ...]": the rows of a catalogue entry as a slip, as "System abwickeln" writes
// them; without numbers the placeholders 1..Anzahl stand for themselves.
Befehl SystemBefehl();

// The name of catalogue entry 1..14, and the entry of a name (0 for none).
QString SystemName(int index);
int SystemIndex(const QString& name);

} // namespace cli
