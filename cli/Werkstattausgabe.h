#pragma once

#include "core/werkstatt/Garantiepruefung.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace cli {

// Numbers given on the command line: each 1..45, none twice. Throws Fehler for any other.
std::vector<int> ZahlenLesen(const QStringList& texte);
QByteArray ZahlenJson(const std::vector<int>& zahlen);
// The rows as numbers, one line each ("1 2 3 4 5 6"), and as a JSON array of arrays.
QString ReihenText(const std::vector<std::uint64_t>& reihen, const std::vector<int>& zahlen);
QByteArray ReihenJson(const std::vector<std::uint64_t>& reihen, const std::vector<int>& zahlen);

// The guarantee table: for m = 0..6 winning numbers among the chosen ones, the hits some row is
// sure to have, the probability of m and the share of the cases per best rank.
QString GarantieTabelle(const core::Garantiepruefung::Ergebnis& e);
// [{"wenn": M, "mindestens": HITS or null}, ...] for M = 0..6
QByteArray GarantieJson(const core::Garantiepruefung::Ergebnis& e);
// [{"wenn": M, "wahrscheinlichkeit": P, "faelle": N, "raenge": [cases of rank I..VI], "kein_gewinn": N}, ...]
QByteArray VerteilungJson(const core::Garantiepruefung::Ergebnis& e);

} // namespace cli
