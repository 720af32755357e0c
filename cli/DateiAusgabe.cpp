#include "DateiAusgabe.h"

namespace cli {

void DateiAusgabe::abgeben(QByteArrayView block) {
    if (!fehler_)
        fehler_ = std::fwrite(block.data(), 1, std::size_t(block.size()), ziel_) != std::size_t(block.size());
}

bool DateiAusgabe::fehlerfrei() {
    abschliessen();
    if (!fehler_)
        fehler_ = std::fflush(ziel_) != 0;
    return !fehler_;
}

} // namespace cli
