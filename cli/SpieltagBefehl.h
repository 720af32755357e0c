#pragma once

#include "Befehl.h"

namespace cli {

// "spieltag DATEI.sp45": the 45 pairings as their frames show them.
Befehl SpieltagBefehl();

} // namespace cli
