#pragma once

#include <QString>

#include <cstdint>

namespace core {

// An amount with two decimals in German notation, thousands grouped by dots, decimal comma
// (1234.5 -> "1.234,50"); an exact half rounds away from zero, whatever the system locale.
QString Betragstext(double betrag);

// A whole number with German thousands grouping (1716 -> "1.716").
QString Ganzzahltext(std::int64_t zahl);

// A count of bytes: "1 Byte", "3.792 Bytes".
QString Bytetext(std::int64_t anzahl);

} // namespace core
