#pragma once

#include <QString>

#include <vector>

namespace core {

// Chosen numbers as a user writes them: separated by blanks, commas or semicolons, each 1..45 and
// none twice, in the order written. Throws Fehler with the German reason for any other.
std::vector<int> ZahlenlisteLesen(const QString& text);
// "3 8 15"
QString ZahlenlisteText(const std::vector<int>& zahlen);

} // namespace core
