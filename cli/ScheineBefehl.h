#pragma once

#include <QByteArray>

namespace cli {

struct Aufruf;

// "scheine SCHEIN...": every slip against one winning row, as "auswerten" takes it.
QByteArray ScheineAusgeben(const Aufruf& aufruf);

} // namespace cli
