#pragma once

#include "Befehl.h"

#include <QList>

namespace cli {

// The commands of remisator-cli in the order of the help, the switches last. The parser, the help
// and the run know no other: a new command is a file that declares its entry, and a line here.
const QList<Befehl>& Befehle();

} // namespace cli
