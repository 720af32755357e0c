#pragma once

#include "core/statistik/Statistik.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace core {

// The stake per row in cents from an amount as a player types it: digits, optionally dots between
// the thousands, and a comma before at most two decimals ("0,50", "1", "1.250,00"); blanks around it
// are dropped. Anything else throws Fehler with the rule.
std::int64_t EinsatzLesen(const QString& text);

// Which matchdays of a statistics count: all, the latest n, or those dated from..to (either end may
// be open). A matchday without a date lies in no from-to period.
struct Zeitraum {
    enum class Art { Alle, Letzte, VonBis };
    Art art = Art::Alle;
    int letzte = 0;
    QDate von;
    QDate bis;
};

// The statistics of the matchdays in the period: the same matchdays in the same order, the numbers'
// frequencies and absences counted over them alone; the files left out stay as they were.
Spieltagsstatistik ImZeitraum(const Spieltagsstatistik& alle, const Zeitraum& zeitraum);

// Stake and winnings of one matchday and the balance after it.
struct Bilanzzeile {
    double einsatz = 0;
    double gewinn = 0;
    double netto = 0;
    double bilanz = 0; // the running net over the matchdays up to this one
};

struct Bilanz {
    std::vector<Bilanzzeile> spieltage; // in the order of the matchdays
    double einsatz = 0;
    double gewinn = 0;
    double netto = 0;
    // The net in percent of the stake; none without a stake.
    std::optional<double> rendite;
    // The longest run of matchdays one after the other on which no row reached a rank.
    int ohneGewinn = 0;
};

// Every matchday costs reihen times the stake per row (in cents).
Bilanz BilanzZiehen(const std::vector<SpieltagsAuswertung>& spieltage, std::int64_t reihen,
                    std::int64_t einsatzJeReihe);

} // namespace core
