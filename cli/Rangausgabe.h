#pragma once

#include "core/schein/Auswertung.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>

namespace cli {

// The six ranks of an evaluation: [{"gkl": "6 Ri.", "anzahl": int, "gewinn": "..." or null}, ...]
QJsonArray RaengeJson(const core::Auswertung& a);
// The total as shown, "0,00" when the run wrote none.
QString GesamtText(const core::Auswertung& a);

// For tables with one column per rank: the rank labels, and an evaluation's counts (empty when the
// run wrote none).
QStringList RangKoepfe();
QStringList RangAnzahlen(const core::Auswertung& a);

} // namespace cli
