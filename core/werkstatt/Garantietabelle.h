#pragma once

#include "core/werkstatt/Garantiepruefung.h"

#include <QStringList>

namespace core {

// The guarantee table as text, the same in the window and on the command line: a line for each
// m = 0..6 winning numbers among the chosen ones.
class Garantietabelle {
public:
    // "sicher", "Wahrscheinlichkeit", the six ranks, "kein Gewinn"
    static QStringList koepfe();
    // The hits some row is sure to have ("3 Ri.", "-" where m cannot occur), the probability of m
    // and the share of the cases per best rank, in German percent ("12,50 %").
    static QStringList zeile(const Garantiepruefung::Ergebnis& e, int m);
};

} // namespace core
