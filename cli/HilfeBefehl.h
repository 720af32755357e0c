#pragma once

#include "Befehl.h"

namespace cli {

// "-h", "--help": the full help, whatever else the line holds.
Befehl HilfeBefehl();

} // namespace cli
