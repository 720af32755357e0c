#pragma once

#include "net/Netz.h"

#include <optional>

namespace net {

// The donation counter: the first line of the publisher's "wach45.txt", fetched into tempDir, read
// by its byte-order mark, else as UTF-8 when it is valid UTF-8, else as Windows-1252. The empty text
// without a connection or when the transfer fails, never a message; nullopt when the user stopped
// the transfer, so that the counter keeps its text. The program's end throws Abgebrochen.
std::optional<QString> WachStandHolen(Netz& netz, const QString& tempDir);

} // namespace net
