#pragma once

#include "Befehl.h"

namespace cli {

// "system bauen (ZAHL ... | --anzahl V) --garantie T/M ...": an own system built and proved.
Befehl SystemBauenBefehl();

} // namespace cli
