#pragma once

#include "core/grund/Version.h"

#include <QString>

#include <array>
#include <cstdint>

namespace core {

inline const QString ProgrammName = QStringLiteral("Remisator");
inline const QString ProgrammVersion = QStringLiteral(REMISATOR_VERSION);

// Caption of the program's windows: name, blank, version.
QString ProgrammTitel();

// Colours as 0xRRGGBB.
using Rgb = std::uint32_t;

// Rank labels, index 1..6 = rank I..VI; index 0 is unused.
inline const std::array<QString, 7> RangText = {
    QString(),
    QStringLiteral("6 Ri."),
    QStringLiteral("5 + ZS"),
    QStringLiteral("5 Ri."),
    QStringLiteral("4 Ri."),
    QStringLiteral("3 + ZS"),
    QStringLiteral("3 Ri."),
};

// Fill colour of the rank column, index 0 for a row without rank.
inline constexpr std::array<Rgb, 7> RangFarbe = {0xFFFEF9, 0xD2A904, 0xEABC06, 0xFAD132,
                                                 0xFCE178, 0xFDECAA, 0xFEF5D3};

// Roman numerals and the odds panel's labels ("I: 6 Ri." ...), index 1..6.
inline const std::array<QString, 7> RangRoemisch = {
    QString(),
    QStringLiteral("I"),
    QStringLiteral("II"),
    QStringLiteral("III"),
    QStringLiteral("IV"),
    QStringLiteral("V"),
    QStringLiteral("VI"),
};
QString QuotenBeschriftung(int rang);

// Sort key of rank 1..6 is the rank itself; a row with 0..2 hits gets 10 + hits.
inline constexpr int SortSchluesselOhneRang = 10;

// Separators probed by the text import, in this order: blank, semicolon, tab, comma.
inline constexpr std::array<QChar, 4> Trenner = {u' ', u';', u'\t', u','};

// Weekday abbreviations, index 1 = Sunday .. 7 = Saturday.
inline const std::array<QString, 8> WochentagKurz = {
    QString(),
    QStringLiteral("So"),
    QStringLiteral("Mo"),
    QStringLiteral("Di"),
    QStringLiteral("Mi"),
    QStringLiteral("Do"),
    QStringLiteral("Fr"),
    QStringLiteral("Sa"),
};

// Index of a rank label in RangText (exact comparison), 0 when none matches.
int RangIndex(QStringView text);

} // namespace core
