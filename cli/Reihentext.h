#pragma once

#include <QByteArray>

namespace core {
class Zeilentabelle;
}

namespace cli {

// The row grid as aligned UTF-8 text: a header line, then one line per grid row with the row
// label (without its padding), the six numbers and the "GKl." column. Slips run to a million
// rows, so the cells are written from their codes, not as texts one by one.
QByteArray Reihentext(const core::Zeilentabelle& g1);

} // namespace cli
