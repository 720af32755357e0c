#pragma once

#include <QByteArray>
#include <QIODevice>

#include <array>

// The complete slip: every row of 6 out of 45, in lexicographic order, comma separated, CR LF after
// every line, as the program writes slips. Written in pieces: the text is 145 MB.
inline constexpr int AlleReihenAnzahl = 8145060;

inline bool AlleReihenSchreiben(QIODevice& ziel) {
    QByteArray stueck;
    std::array<int, 6> z = {1, 2, 3, 4, 5, 6};
    for (;;) {
        for (int k = 0; k < 6; ++k) {
            if (k > 0)
                stueck += ',';
            stueck += QByteArray::number(z[std::size_t(k)]);
        }
        stueck += "\r\n";
        if (stueck.size() >= (1 << 20)) {
            if (ziel.write(stueck) != stueck.size())
                return false;
            stueck.clear();
        }
        // The next subset: raise the last number that can still rise, the ones after it follow it.
        int k = 5;
        while (k >= 0 && z[std::size_t(k)] == 45 - (5 - k))
            --k;
        if (k < 0)
            break;
        ++z[std::size_t(k)];
        for (int j = k + 1; j < 6; ++j)
            z[std::size_t(j)] = z[std::size_t(j - 1)] + 1;
    }
    return ziel.write(stueck) == stueck.size();
}
