#pragma once

// What a system guarantees, counted the slow way: every set of winning numbers in turn, every row
// number by number, every place of the additional number one by one. No masks, no shortcuts.

#include "core/schein/Auswertung.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace testhilfe {

using Zeile = std::vector<int>; // numbers 1..v

struct Naiv {
    std::array<int, 7> sicher{};                         // -1 where m > v
    std::array<std::array<std::int64_t, 7>, 7> faelle{}; // [m][rank], rank 0 = none
    std::int64_t loecher = 0;                            // m-sets with fewer than t hits
    std::vector<std::vector<int>> ersteLoecher;
};

// The next m-set after w (ascending numbers 1..v); false after the last.
inline bool naechsteMenge(std::vector<int>& w, int v) {
    const int m = int(w.size());
    int i = m - 1;
    while (i >= 0 && w[std::size_t(i)] == v - (m - 1 - i))
        --i;
    if (i < 0)
        return false;
    ++w[std::size_t(i)];
    for (int j = i + 1; j < m; ++j)
        w[std::size_t(j)] = w[std::size_t(j - 1)] + 1;
    return true;
}

// `verteilung` also counts the ranks; t, m the guarantee whose holes are counted (m < 0: none).
inline Naiv naivPruefen(const std::vector<Zeile>& reihen, int v, bool verteilung, int t = -1, int m = -1,
                        std::size_t erste = 10) {
    Naiv n;
    std::vector<std::uint64_t> masken;
    for (const Zeile& z : reihen) {
        std::uint64_t maske = 0;
        for (const int x : z)
            maske |= std::uint64_t(1) << x;
        masken.push_back(maske);
    }
    std::vector<int> treffer(reihen.size());
    for (int g = 0; g <= 6; ++g) {
        if (g > v) {
            n.sicher[std::size_t(g)] = -1;
            continue;
        }
        // a draw has 6 - g numbers outside the chosen ones; 45 - v of them exist
        const bool moeglich = 6 - g <= 45 - v;
        int kleinste = 7;
        std::vector<int> w(static_cast<std::size_t>(g));
        for (int i = 0; i < g; ++i)
            w[std::size_t(i)] = i + 1;
        do {
            std::uint64_t gewinn = 0;
            for (const int x : w)
                gewinn |= std::uint64_t(1) << x;
            int beste = 0;
            for (std::size_t i = 0; i < masken.size(); ++i) {
                treffer[i] = std::popcount(masken[i] & gewinn);
                beste = std::max(beste, treffer[i]);
            }
            kleinste = std::min(kleinste, beste);
            if (g == m && beste < t) {
                ++n.loecher;
                if (n.ersteLoecher.size() < erste)
                    n.ersteLoecher.push_back(w);
            }
            if (!verteilung || !moeglich)
                continue;
            // the additional number: each chosen number that did not win, then any of the others
            auto besterRang = [&](int zs) {
                int r = 0;
                for (std::size_t i = 0; i < reihen.size(); ++i) {
                    const bool drin = zs > 0 && (masken[i] >> zs & 1);
                    const int ri = core::Rang(treffer[i], drin);
                    if (ri != 0 && (r == 0 || ri < r))
                        r = ri;
                }
                return r;
            };
            for (int zs = 1; zs <= v; ++zs)
                if (!(gewinn >> zs & 1))
                    ++n.faelle[std::size_t(g)][std::size_t(besterRang(zs))];
            n.faelle[std::size_t(g)][std::size_t(besterRang(0))] += 39 - (v - g);
        } while (naechsteMenge(w, v));
        n.sicher[std::size_t(g)] = kleinste;
    }
    return n;
}

} // namespace testhilfe
