#pragma once

#include "core/grund/TGewinnreihe.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace core {

// The cross board as the pattern file keeps it: 45 bytes for the number boxes 1..45, then 14 for
// the system boxes of catalogue entries 1..14; 1 = ticked.
struct Kreuzmuster {
    static constexpr int Groesse = 59;

    Zahlenmenge Zahlen;             // ticked numbers 1..45
    std::array<bool, 15> Systeme{}; // index 1..14; index 0 unused

    bool operator==(const Kreuzmuster&) const = default;
};

// The first 59 bytes of `bytes`; any byte other than 0 counts as ticked. Fewer than 59 bytes
// throw Fehler naming `datei`.
Kreuzmuster KreuzmusterLesen(const QByteArray& bytes, const QString& datei);
QByteArray KreuzmusterPacken(const Kreuzmuster& muster);

} // namespace core
