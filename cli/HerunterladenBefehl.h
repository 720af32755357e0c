#pragma once

#include "Befehl.h"

namespace cli {

// "herunterladen TT.MM.JJJJ": the matchday of that first day from the publisher's site into the
// matchday folder, on the code of the download window. Prints the stored file; a matchday that is
// not available throws with the reason, the old file untouched.
Befehl HerunterladenBefehl();

} // namespace cli
