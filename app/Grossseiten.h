#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace app {

// On a virtual machine the first touch of every 4 KiB page is dear, and the grid's row header keeps
// 8 bytes a row in the ordinary heap (65 MB for the complete slip). glibc gives its large blocks
// transparent huge pages only when told so at process start: the program therefore starts itself
// once more with that setting where the kernel gives huge pages on request.

// The value of GLIBC_TUNABLES to start again with, or nothing when a new start gains nothing: the
// setting is there already (or was set otherwise by the user), or the kernel's mode
// (/sys/kernel/mm/transparent_hugepage/enabled) is not "[madvise]".
std::optional<std::string> GrossseitenEinstellung(const char* bisher, std::string_view thpModus);

// Called first in main: starts the program once more with the setting, keeping arguments and
// process id; after that new start it takes the setting out of the environment again so that
// programs started from here (the browser, an installer) get the user's own. Nothing happens where
// the new start is not possible.
void MitGrossseitenStarten(char** argv);

} // namespace app
