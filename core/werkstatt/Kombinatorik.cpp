#include "Kombinatorik.h"

#include <algorithm>
#include <bit>

namespace core {

const Kombinatorik::Tabelle& Kombinatorik::tabelle() {
    static const Tabelle t = [] {
        Tabelle b{};
        for (std::size_t n = 0; n < Grenze; ++n) {
            b[n][0] = 1;
            for (std::size_t k = 1; k <= n; ++k)
                b[n][k] = b[n - 1][k - 1] + (k < n ? b[n - 1][k] : 0);
        }
        return b;
    }();
    return t;
}

std::int64_t Kombinatorik::rang(std::uint64_t menge) {
    std::int64_t r = 0;
    int i = 1;
    while (menge) {
        r += binom(std::countr_zero(menge), i++);
        menge &= menge - 1;
    }
    return r;
}

void Kombinatorik::teilmengen(std::uint64_t menge, int s, std::vector<std::uint64_t>& ziel) {
    ziel.clear();
    int p[64];
    int c = 0;
    for (std::uint64_t x = menge; x; x &= x - 1)
        p[c++] = std::countr_zero(x);
    if (s < 0 || s > c)
        return;
    if (s == 0) {
        ziel.push_back(0);
        return;
    }
    int idx[64];
    for (int i = 0; i < s; ++i)
        idx[i] = i;
    while (true) {
        std::uint64_t m = 0;
        for (int i = 0; i < s; ++i)
            m |= bit(p[idx[i]]);
        ziel.push_back(m);
        int i = s - 1;
        while (i >= 0 && idx[i] == c - s + i)
            --i;
        if (i < 0)
            return;
        ++idx[i];
        for (int j = i + 1; j < s; ++j)
            idx[j] = idx[j - 1] + 1;
    }
}

std::uint64_t Kombinatorik::mengeAus(std::int64_t rang, int k) {
    std::uint64_t menge = 0;
    for (int i = k; i >= 1; --i) {
        int p = i - 1;
        while (binom(p + 1, i) <= rang)
            ++p;
        rang -= binom(p, i);
        menge |= std::uint64_t(1) << p;
    }
    return menge;
}

std::vector<int> Kombinatorik::positionen(std::uint64_t menge) {
    std::vector<int> p;
    while (menge) {
        p.push_back(std::countr_zero(menge));
        menge &= menge - 1;
    }
    return p;
}

std::int64_t Kombinatorik::schoenheim(int v, int k, int t) {
    if (t <= 0)
        return v > 0 ? 1 : 0;
    if (t > k || k <= 0)
        return 0; // no row of k numbers holds t of them
    std::int64_t schranke = 1;
    for (int i = t - 1; i >= 0; --i) {
        const std::int64_t zaehler = std::int64_t(v - i) * schranke;
        const std::int64_t nenner = k - i;
        schranke = (zaehler + nenner - 1) / nenner;
    }
    return schranke;
}

std::int64_t Kombinatorik::zaehlschranke(int v, int k, int t, int m) {
    std::int64_t jeReihe = 0;
    for (int j = t; j <= std::min(k, m); ++j)
        jeReihe += binom(k, j) * binom(v - k, m - j);
    if (jeReihe == 0)
        return 0;
    return (binom(v, m) + jeReihe - 1) / jeReihe;
}

} // namespace core
