#pragma once

#include "Befehl.h"

namespace cli {

// "statistik SCHEIN --ordner ORDNER": the slip against every matchday of the folder, and how often
// each number was drawn.
Befehl StatistikBefehl();

} // namespace cli
