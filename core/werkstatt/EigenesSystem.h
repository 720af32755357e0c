#pragma once

#include "core/werkstatt/Garantie.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace core {

// An own system as the workshop keeps it in a text file, to be played again with any numbers of
// the same count. The file (Windows-1252 or with a byte-order mark, lines ended by CR LF, LF or
// CR):
//
//     Remisator-System 1
//     Name: Mein 22er
//     Zahlen: 22
//     Bank: 1 2               (optional: placeholders that stand in every row)
//     Garantie: 3 wenn 3
//     Reihen: 77
//     1 2 3 4 5 6             (one line per row: six different placeholders 1..Zahlen)
//     ...
//
// The header lines come in this order, the key, a colon and a blank before each value. Blank
// lines may follow the last row, nothing else. Placeholder k stands for the k-th smallest of the
// numbers the system is played with.
struct EigenesSystem {
    static constexpr int HoechstensReihen = 100000;
    static constexpr int NamenLaenge = 60;
    // Large enough for the most rows with wide blanks; a longer file is refused unread.
    static constexpr qint64 HoechstensBytes = 8 * 1024 * 1024;

    QString name;
    int zahlen = 0;
    std::vector<int> bank; // placeholders, ascending
    Garantie garantie;
    std::vector<std::uint64_t> reihen; // bit k-1 for placeholder k

    // Reads the text of a file; throws Fehler with the reason when a line is wrong or, with
    // garantiePruefen, when the rows do not keep the guarantee the file claims.
    static EigenesSystem lesen(QByteArrayView bytes, bool garantiePruefen = true);
    // Reads the file; throws Fehler naming the file and the reason.
    static EigenesSystem dateiLesen(const QString& pfad);

    // The file's bytes: Windows-1252, CR LF after every line, rows ascending. Throws Fehler for a
    // name the file cannot hold.
    QByteArray text() const;
    // Writes the file atomically: a failed write leaves the old file whole.
    void speichern(const QString& pfad) const;
};

} // namespace core
