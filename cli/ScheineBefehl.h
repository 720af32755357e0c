#pragma once

#include "Befehl.h"

namespace cli {

// "scheine SCHEIN...": every slip against one winning row, as "auswerten" takes it.
Befehl ScheineBefehl();

} // namespace cli
