#pragma once

#include "net/Netz.h"

namespace net {

// The donation counter: the first line of the publisher's "wach45.txt", fetched into tempDir.
// The empty text without a connection or when the transfer fails; never a message.
QString WachStandHolen(Netz& netz, const QString& tempDir);

} // namespace net
