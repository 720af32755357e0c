#pragma once

#include "TErgebnis.h"
#include "TPaarung.h"
#include "core/grund/KurzString.h"

#include <QByteArray>
#include <QString>

#include <array>

class QIODevice;

namespace core {

inline constexpr int AnzahlPaarungen = 45;

// A table over the pairings, indexed by pairing number 1..45; index 0 is unused.
template <typename T> using ProPaarung = std::array<T, AnzahlPaarungen + 1>;

// One matchday, the record of 3792 bytes of a matchday file. Date-time values count days since
// 30.12.1899, the fraction being the time of day.
struct TSpieltag {
    static constexpr int Groesse = 3792;

    double Datum = 0;
    ProPaarung<double> Anstoss{}; // 0 when not known
    ProPaarung<TPaarung> Paarung{};
    ProPaarung<KurzString<10>> Tendenz{};
    ProPaarung<TErgebnis> Ergebnis{};
    std::array<char, 49> Rest{}; // not interpreted, written back as read

    // The first Groesse bytes of bytes; throws Fehler when there are fewer.
    static TSpieltag ausBytes(QByteArrayView bytes);
    QByteArray bytes() const;

    // The last whole record of the file; bytes after it are ignored. Throws Fehler naming the
    // file when it cannot be read or holds no whole record.
    static TSpieltag dateiLesen(const QString& pfad);
    // The same from a device of known size; pfad names the file in messages.
    static TSpieltag lesen(QIODevice& geraet, const QString& pfad);
    // Replaces the file by this record alone; a failed write leaves the old file whole.
    void dateiSchreiben(const QString& pfad) const;

    bool operator==(const TSpieltag&) const = default;
};

} // namespace core
