#pragma once

#include <QByteArray>

namespace cli {

struct Aufruf;

// "auswerten SCHEIN ...": reads the slip, takes the winning row and the odds and runs the
// evaluation as "Gewinn- Prüfung" does.
QByteArray AuswertenAusgeben(const Aufruf& aufruf);

} // namespace cli
