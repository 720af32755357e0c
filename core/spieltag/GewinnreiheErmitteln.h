#pragma once

#include "TSpieltag.h"
#include "core/grund/TGewinnreihe.h"

#include <QList>
#include <QString>

#include <array>

namespace core {

// The winning row derived from the results of a matchday.
struct Gewinnreihenermittlung {
    static constexpr int Plaetze = 7;

    QList<int> L;                           // the ranked pairings, at most seven
    TGewinnreihe Gewinnreihe;               // L1..L6 as Zahlen and Menge, L7 as ZS
    std::array<QString, Plaetze + 1> Boxen; // texts of the boxes 1..7, empty without an entry
};

// Draws rank first, by goals per side from the most down to 0, then results decided by exactly one
// goal, by total goals from the most down to 1; between equal ones the lower pairing number first.
// A result of 10 : 10 (none yet) counts as 0 : 0. A negative goal count never ranks.
Gewinnreihenermittlung GewinnreiheErmitteln(const ProPaarung<TErgebnis>& ergebnis);

} // namespace core
