#pragma once

#include <QByteArray>

#include <cstdint>
#include <random>

// n tip rows of six different numbers 1..45 from a fixed seed, the numbers separated by trenner,
// every row followed by zeilenende.
inline QByteArray Zufallsreihen(int n, char trenner, const char* zeilenende) {
    std::mt19937 zufall(4711);
    QByteArray bytes;
    bytes.reserve(qsizetype(n) * 18);
    for (int r = 0; r < n; ++r) {
        std::uint64_t gezogen = 0;
        for (int k = 0; k < 6;) {
            const int zahl = int(zufall() % 45) + 1;
            if (gezogen >> zahl & 1)
                continue;
            gezogen |= std::uint64_t{1} << zahl;
            if (k++ > 0)
                bytes += trenner;
            bytes += QByteArray::number(zahl);
        }
        bytes += zeilenende;
    }
    return bytes;
}
