#include "Ueberdeckung.h"

#include "core/werkstatt/Kombinatorik.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace core {
namespace {

constexpr std::int64_t MengenGrenze = std::int64_t(1) << 23;
constexpr std::int64_t ZugGrenze = 4000;

std::uint64_t bit(int p) {
    return std::uint64_t(1) << p;
}

// Every s-subset of `menge`, as masks, appended to ziel.
void teilmengen(std::uint64_t menge, int s, std::vector<std::uint64_t>& ziel) {
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
    int idx[8];
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

// The rows that meet e in exactly `ziel` numbers.
template <int Dummy>
[[gnu::always_inline]] inline std::size_t schnittSuchenT(const std::uint64_t* reihen, std::size_t n,
                                                         std::uint64_t e, int ziel, std::uint32_t* aus) {
    std::size_t c = 0;
    for (std::size_t r = 0; r < n; ++r) {
        aus[c] = std::uint32_t(r);
        c += std::popcount(reihen[r] & e) == ziel ? 1 : 0;
    }
    return c;
}

std::size_t schnittSuchenAllgemein(const std::uint64_t* reihen, std::size_t n, std::uint64_t e, int ziel,
                                   std::uint32_t* aus) {
    return schnittSuchenT<0>(reihen, n, e, ziel, aus);
}

#if defined(__x86_64__) || defined(__i386__)
// With the processor's population count, which the baseline target lacks.
[[gnu::target("popcnt")]] std::size_t schnittSuchenPopcnt(const std::uint64_t* reihen, std::size_t n,
                                                          std::uint64_t e, int ziel, std::uint32_t* aus) {
    return schnittSuchenT<1>(reihen, n, e, ziel, aus);
}
#endif

using Suche = std::size_t (*)(const std::uint64_t*, std::size_t, std::uint64_t, int, std::uint32_t*);

Suche schnittSuchenBest() {
#if defined(__x86_64__) || defined(__i386__)
    return __builtin_cpu_supports("popcnt") ? schnittSuchenPopcnt : schnittSuchenAllgemein;
#else
    return schnittSuchenAllgemein;
#endif
}

const Suche schnittSuchen = schnittSuchenBest();

} // namespace

bool Ueberdeckung::machbar(Aufgabe a) {
    if (a.n < 1 || a.n > 63 || a.k < 1 || a.k > 6 || a.t < 1 || a.t > a.k || a.m < a.t || a.m > 6 ||
        a.m > a.n)
        return false;
    if (Kombinatorik::binom(a.n, a.m) > MengenGrenze)
        return false;
    return Kombinatorik::binom(a.k - 1, a.t - 1) * Kombinatorik::binom(a.n - a.k - 1, a.m - a.t) <= ZugGrenze;
}

Ueberdeckung::Ueberdeckung(Aufgabe a, std::uint64_t saat) : a_(a) {
    alle_ = a.n >= 64 ? ~std::uint64_t(0) : bit(a.n) - 1;
    // splitmix64 fills the state of xoshiro256**
    for (std::uint64_t& s : s_) {
        saat += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = saat;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        s = z ^ (z >> 31);
    }
    binom_.assign(64 * 8, 0);
    for (int p = 0; p < 64; ++p)
        for (int i = 0; i < 8; ++i)
            binom_[std::size_t(p * 8 + i)] =
                std::int32_t(std::min<std::int64_t>(Kombinatorik::binom(p, i), 1 << 30));
    zahl_.assign(std::size_t(Kombinatorik::binom(a.n, a.m)), 0);
    stelle_.assign(zahl_.size(), -1);
    offen_.reserve(zahl_.size());
    for (std::size_t e = 0; e < zahl_.size(); ++e) {
        stelle_[e] = std::int32_t(offen_.size());
        offen_.push_back(std::int32_t(e));
    }
}

std::uint64_t Ueberdeckung::zufall() {
    const std::uint64_t ergebnis = std::rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = std::rotl(s_[3], 45);
    return ergebnis;
}

std::int64_t Ueberdeckung::rang(std::uint64_t menge) const {
    std::int64_t r = 0;
    int i = 1;
    for (; menge; menge &= menge - 1)
        r += binom_[std::size_t(std::countr_zero(menge) * 8 + i++)];
    return r;
}

void Ueberdeckung::erhoehen(std::int64_t e) {
    if (zahl_[std::size_t(e)]++ == 0) {
        const std::int32_t s = stelle_[std::size_t(e)];
        const std::int32_t letzte = offen_.back();
        offen_[std::size_t(s)] = letzte;
        stelle_[std::size_t(letzte)] = s;
        offen_.pop_back();
        stelle_[std::size_t(e)] = -1;
    }
}

void Ueberdeckung::senken(std::int64_t e) {
    if (--zahl_[std::size_t(e)] == 0) {
        stelle_[std::size_t(e)] = std::int32_t(offen_.size());
        offen_.push_back(std::int32_t(e));
    }
}

void Ueberdeckung::mengenDerReihe(std::uint64_t reihe, std::vector<std::int64_t>& ziel) const {
    ziel.clear();
    std::vector<std::uint64_t> innen, aussen;
    for (int j = a_.t; j <= std::min(a_.k, a_.m); ++j) {
        teilmengen(reihe, j, innen);
        teilmengen(alle_ & ~reihe, a_.m - j, aussen);
        for (const std::uint64_t i : innen)
            for (const std::uint64_t o : aussen)
                ziel.push_back(rang(i | o));
    }
}

void Ueberdeckung::setzen(std::span<const std::uint64_t> reihen) {
    std::fill(zahl_.begin(), zahl_.end(), 0);
    offen_.clear();
    for (std::size_t e = 0; e < zahl_.size(); ++e) {
        stelle_[e] = std::int32_t(offen_.size());
        offen_.push_back(std::int32_t(e));
    }
    reihen_.assign(reihen.begin(), reihen.end());
    std::vector<std::int64_t> mengen;
    for (const std::uint64_t r : reihen_) {
        mengenDerReihe(r, mengen);
        for (const std::int64_t e : mengen)
            erhoehen(e);
    }
    besteOffen_ = offen();
    besteReihen_ = reihen_;
}

void Ueberdeckung::schwaechsteEntfernen() {
    if (reihen_.empty())
        return;
    std::vector<std::int64_t> mengen;
    std::size_t beste = 0;
    std::int64_t wenigste = -1;
    std::uint64_t gleiche = 0;
    for (std::size_t r = 0; r < reihen_.size(); ++r) {
        mengenDerReihe(reihen_[r], mengen);
        std::int64_t allein = 0;
        for (const std::int64_t e : mengen)
            allein += zahl_[std::size_t(e)] == 1 ? 1 : 0;
        if (wenigste < 0 || allein < wenigste) {
            wenigste = allein;
            beste = r;
            gleiche = 1;
        } else if (allein == wenigste && zufall(++gleiche) == 0) {
            beste = r;
        }
    }
    mengenDerReihe(reihen_[beste], mengen);
    for (const std::int64_t e : mengen)
        senken(e);
    reihen_[beste] = reihen_.back();
    reihen_.pop_back();
    besteOffen_ = offen();
    besteReihen_ = reihen_;
}

void Ueberdeckung::ueberfluessigeEntfernen() {
    std::vector<std::int64_t> mengen;
    bool weiter = true;
    while (weiter) {
        weiter = false;
        for (std::size_t r = 0; r < reihen_.size(); ++r) {
            mengenDerReihe(reihen_[r], mengen);
            const bool noetig = std::any_of(mengen.begin(), mengen.end(),
                                            [&](std::int64_t e) { return zahl_[std::size_t(e)] == 1; });
            if (noetig)
                continue;
            for (const std::int64_t e : mengen)
                senken(e);
            reihen_[r] = reihen_.back();
            reihen_.pop_back();
            weiter = true;
            break;
        }
    }
    besteOffen_ = offen();
    besteReihen_ = reihen_;
}

void Ueberdeckung::gierigAuffuellen(int hoechstens) {
    std::vector<std::uint64_t> innen, aussen;
    std::vector<std::int64_t> mengen;
    while (!offen_.empty() && (hoechstens <= 0 || int(reihen_.size()) < hoechstens)) {
        const std::uint64_t e = Kombinatorik::mengeAus(offen_[std::size_t(zufall(offen_.size()))], a_.m);
        // t numbers of the open set, then the number that closes most
        std::uint64_t reihe = 0;
        {
            std::vector<int> p = Kombinatorik::positionen(e);
            for (int i = 0; i < a_.t; ++i) {
                const std::size_t j = std::size_t(i) + std::size_t(zufall(p.size() - std::size_t(i)));
                std::swap(p[std::size_t(i)], p[j]);
                reihe |= bit(p[std::size_t(i)]);
            }
        }
        while (std::popcount(reihe) < a_.k) {
            int beste = -1;
            std::int64_t gewinn = -1;
            std::uint64_t gleiche = 0;
            teilmengen(reihe, a_.t - 1, innen);
            for (int p = 0; p < a_.n; ++p) {
                if (reihe & bit(p))
                    continue;
                teilmengen(alle_ & ~(reihe | bit(p)), a_.m - a_.t, aussen);
                std::int64_t g = 0;
                for (const std::uint64_t i : innen)
                    for (const std::uint64_t o : aussen)
                        g += zahl_[std::size_t(rang(i | o | bit(p)))] == 0 ? 1 : 0;
                if (g > gewinn) {
                    gewinn = g;
                    beste = p;
                    gleiche = 1;
                } else if (g == gewinn && zufall(++gleiche) == 0) {
                    beste = p;
                }
            }
            reihe |= bit(beste);
        }
        mengenDerReihe(reihe, mengen);
        for (const std::int64_t x : mengen)
            erhoehen(x);
        reihen_.push_back(reihe);
    }
    besteOffen_ = offen();
    besteReihen_ = reihen_;
}

int Ueberdeckung::bewerten(std::uint64_t reihe, int x, int y) {
    teilmengen(reihe & ~bit(x), a_.t - 1, teilmengen_);
    teilmengen(alle_ & ~(reihe | bit(y)), a_.m - a_.t, reste_);
    verloren_.clear();
    gewonnen_.clear();
    int d = 0;
    for (const std::uint64_t s : teilmengen_)
        for (const std::uint64_t r : reste_) {
            const std::int64_t v = rang(s | r | bit(x));
            const std::int64_t g = rang(s | r | bit(y));
            verloren_.push_back(v);
            gewonnen_.push_back(g);
            d += zahl_[std::size_t(v)] == 1 ? 1 : 0;
            d -= zahl_[std::size_t(g)] == 0 ? 1 : 0;
        }
    return d;
}

void Ueberdeckung::ausfuehren(std::size_t r, int x, int y) {
    for (const std::int64_t e : gewonnen_)
        erhoehen(e);
    for (const std::int64_t e : verloren_)
        senken(e);
    reihen_[r] = (reihen_[r] & ~bit(x)) | bit(y);
}

bool Ueberdeckung::zugFuer(std::int64_t e, std::size_t& r, int& x, int& y) {
    const std::uint64_t menge = Kombinatorik::mengeAus(e, a_.m);
    kandidaten_.resize(reihen_.size() + 1);
    const std::size_t c = schnittSuchen(reihen_.data(), reihen_.size(), menge, a_.t - 1, kandidaten_.data());
    if (c == 0) {
        if (reihen_.empty())
            return false;
        r = std::size_t(zufall(reihen_.size()));
    } else {
        r = kandidaten_[std::size_t(zufall(c))];
    }
    const std::uint64_t reihe = reihen_[r];
    const std::uint64_t weg = reihe & ~menge;
    const std::uint64_t dazu = menge & ~reihe;
    if (!weg || !dazu)
        return false;
    auto waehle = [&](std::uint64_t m) {
        std::uint64_t i = zufall(std::uint64_t(std::popcount(m)));
        while (i--)
            m &= m - 1;
        return std::countr_zero(m);
    };
    x = waehle(weg);
    y = waehle(dazu);
    return true;
}

std::int64_t Ueberdeckung::gewichtet(std::uint64_t reihe, int x, int y) {
    teilmengen(reihe & ~bit(x), a_.t - 1, teilmengen_);
    teilmengen(alle_ & ~(reihe | bit(y)), a_.m - a_.t, reste_);
    std::int64_t d = 0;
    for (const std::uint64_t s : teilmengen_)
        for (const std::uint64_t r : reste_) {
            const std::size_t v = std::size_t(rang(s | r | bit(x)));
            const std::size_t g = std::size_t(rang(s | r | bit(y)));
            d += zahl_[v] == 1 ? gewicht_[v] : 0;
            d -= zahl_[g] == 0 ? gewicht_[g] : 0;
        }
    return d;
}

void Ueberdeckung::suchen(std::int64_t schritte, const std::atomic<bool>* halt) {
    if (reihen_.empty())
        return;
    if (gewicht_.size() != zahl_.size())
        gewicht_.assign(zahl_.size(), 1);
    gesperrt_.resize(reihen_.size() * 64, 0);
    for (std::int64_t schritt = 0; schritt < schritte && !offen_.empty(); ++schritt) {
        if ((schritt & 1023) == 0 && halt && halt->load(std::memory_order_relaxed))
            break;
        const std::int64_t jetzt = ++schritteGesamt_;
        const std::int64_t e = offen_[std::size_t(zufall(offen_.size()))];
        const std::uint64_t menge = Kombinatorik::mengeAus(e, a_.m);
        kandidaten_.resize(reihen_.size() + 1);
        const std::size_t c =
            schnittSuchen(reihen_.data(), reihen_.size(), menge, a_.t - 1, kandidaten_.data());
        std::int64_t bestD = 0;
        std::size_t bestR = 0;
        int bestX = -1, bestY = -1;
        std::uint64_t gleiche = 0;
        for (std::size_t i = 0; i < c; ++i) {
            const std::size_t r = kandidaten_[i];
            const std::uint64_t reihe = reihen_[r];
            for (std::uint64_t dazu = menge & ~reihe; dazu; dazu &= dazu - 1) {
                const int y = std::countr_zero(dazu);
                if (gesperrt_[r * 64 + std::size_t(y)] > jetzt)
                    continue;
                for (std::uint64_t weg = reihe & ~menge; weg; weg &= weg - 1) {
                    const int x = std::countr_zero(weg);
                    const std::int64_t d = gewichtet(reihe, x, y);
                    if (bestX < 0 || d < bestD) {
                        bestD = d;
                        bestR = r;
                        bestX = x;
                        bestY = y;
                        gleiche = 1;
                    } else if (d == bestD && zufall(++gleiche) == 0) {
                        bestR = r;
                        bestX = x;
                        bestY = y;
                    }
                }
            }
        }
        if (bestX < 0)
            continue;
        if (bestD >= 0)
            for (const std::int32_t o : offen_)
                ++gewicht_[std::size_t(o)];
        bewerten(reihen_[bestR], bestX, bestY);
        ausfuehren(bestR, bestX, bestY);
        gesperrt_[bestR * 64 + std::size_t(bestX)] = jetzt + 3 + std::int64_t(zufall(8));
        if (offen() < besteOffen_) {
            besteOffen_ = offen();
            besteReihen_ = reihen_;
        }
    }
}

void Ueberdeckung::gluehen(const Gluehen& g, const std::atomic<bool>* halt) {
    if (reihen_.empty())
        return;
    const std::int64_t runde = std::max<std::int64_t>(g.runde, 1);
    const double faktor = std::pow(g.t1 / g.t0, 1.0 / double(runde));
    for (std::int64_t schritt = 0; schritt < g.schritte && !offen_.empty(); ++schritt) {
        if ((schritt & 1023) == 0 && halt && halt->load(std::memory_order_relaxed))
            break;
        // the temperature falls through each round and starts again; rounds span calls
        temperatur_ = schritteGesamt_ % runde == 0 ? g.t0 : temperatur_ * faktor;
        ++schritteGesamt_;
        const std::int64_t e = offen_[std::size_t(zufall(offen_.size()))];
        std::size_t r = 0;
        int x = 0, y = 0;
        if (!zugFuer(e, r, x, y))
            continue;
        const int d = bewerten(reihen_[r], x, y);
        if (d > 0 && double(zufall() >> 11) * 0x1p-53 >= std::exp(-double(d) / temperatur_))
            continue;
        ausfuehren(r, x, y);
        if (offen() < besteOffen_) {
            besteOffen_ = offen();
            besteReihen_ = reihen_;
        }
    }
}

} // namespace core
