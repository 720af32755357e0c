#pragma once

#include "Befehl.h"

namespace cli {

// "system pruefen (NAME | --schein DATEI) [ZAHL ...]": what a system guarantees, proved.
Befehl SystemPruefenBefehl();

} // namespace cli
