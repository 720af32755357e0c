#pragma once

#include "Befehl.h"

namespace cli {

// "--version": the program's version, whatever else the line holds.
Befehl VersionBefehl();

} // namespace cli
