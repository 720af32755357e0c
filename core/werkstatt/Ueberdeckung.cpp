#include "Ueberdeckung.h"

#include "core/werkstatt/Bahnen.h"
#include "core/werkstatt/Kombinatorik.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace core {
namespace {

// About 20 bytes an m-set and search: at most some 40 MB each.
constexpr std::int64_t MengenGrenze = std::int64_t(1) << 21;
constexpr std::int64_t ZugGrenze = 4000;

} // namespace

bool Ueberdeckung::machbar(Aufgabe a) {
    if (a.n < 1 || a.n > 63 || a.k < 1 || a.k > 6 || a.t < 1 || a.t > a.k || a.m < a.t || a.m > 6 ||
        a.m > a.n)
        return false;
    if (Kombinatorik::binom(a.n, a.m) > MengenGrenze)
        return false;
    return Kombinatorik::binom(a.k - 1, a.t - 1) * Kombinatorik::binom(a.n - a.k - 1, a.m - a.t) <= ZugGrenze;
}

Ueberdeckung::Ueberdeckung(Aufgabe a, std::uint64_t saat, const Bahnen* bahnen)
    : a_(a), bahnen_(bahnen), zufall_(saat) {
    alle_ = a.n >= 64 ? ~std::uint64_t(0) : Kombinatorik::bit(a.n) - 1;
    zahl_.assign(std::size_t(bahnen ? bahnen->anzahl() : Kombinatorik::binom(a.n, a.m)), 0);
    stelle_.assign(zahl_.size(), -1);
    if (!bahnen && zahl_.size() <= (std::size_t(1) << 21)) {
        // in colex order: each set the next of its size
        mengen_.resize(zahl_.size());
        std::uint64_t m = Kombinatorik::bit(a.m) - 1;
        for (std::size_t e = 0; e < zahl_.size(); ++e) {
            mengen_[e] = m;
            const std::uint64_t t = m | (m - 1);
            m = (t + 1) | (((~t & (t + 1)) - 1) >> (std::countr_zero(m) + 1));
        }
    }
    indexAufbauen();
    offen_.reserve(zahl_.size());
    for (std::size_t e = 0; e < zahl_.size(); ++e) {
        stelle_[e] = std::int32_t(offen_.size());
        offen_.push_back(std::int32_t(e));
    }
}

void Ueberdeckung::indexAufbauen() {
    const std::size_t worte = (reihen_.size() + 64) / 64;
    punktReihen_.assign(std::size_t(a_.n), std::vector<std::uint64_t>(worte, 0));
    for (std::size_t r = 0; r < reihen_.size(); ++r)
        indexSetzen(r, reihen_[r], true);
}

void Ueberdeckung::indexSetzen(std::size_t r, std::uint64_t reihe, bool an) {
    for (; reihe; reihe &= reihe - 1) {
        std::uint64_t& wort = punktReihen_[std::size_t(std::countr_zero(reihe))][r / 64];
        wort = an ? wort | Kombinatorik::bit(int(r % 64)) : wort & ~Kombinatorik::bit(int(r % 64));
    }
}

void Ueberdeckung::reiheAnhaengen(std::uint64_t reihe) {
    const std::size_t r = reihen_.size();
    reihen_.push_back(reihe);
    if (r / 64 >= punktReihen_.front().size())
        for (std::vector<std::uint64_t>& p : punktReihen_)
            p.push_back(0);
    indexSetzen(r, reihe, true);
}

void Ueberdeckung::reiheEntfernen(std::size_t r) {
    const std::size_t letzte = reihen_.size() - 1;
    indexSetzen(r, reihen_[r], false);
    if (r != letzte) {
        indexSetzen(letzte, reihen_[letzte], false);
        indexSetzen(r, reihen_[letzte], true);
        reihen_[r] = reihen_[letzte];
    }
    reihen_.pop_back();
}

// A three-bit counter per row over the numbers of the set, then the rows whose count is `anzahl`.
std::size_t Ueberdeckung::schnittSuchen(std::uint64_t menge, int anzahl, std::uint32_t* aus) const {
    int p[64];
    int c = 0;
    for (; menge; menge &= menge - 1)
        p[c++] = std::countr_zero(menge);
    std::size_t gefunden = 0;
    const std::size_t worte = (reihen_.size() + 63) / 64;
    for (std::size_t w = 0; w < worte; ++w) {
        std::uint64_t c0 = 0, c1 = 0, c2 = 0;
        for (int i = 0; i < c; ++i) {
            const std::uint64_t x = punktReihen_[std::size_t(p[i])][w];
            const std::uint64_t u0 = c0 & x;
            c0 ^= x;
            const std::uint64_t u1 = c1 & u0;
            c1 ^= u0;
            c2 |= u1;
        }
        std::uint64_t treffer =
            ((anzahl & 1) ? c0 : ~c0) & ((anzahl & 2) ? c1 : ~c1) & ((anzahl & 4) ? c2 : ~c2);
        if (w == worte - 1 && reihen_.size() % 64)
            treffer &= Kombinatorik::bit(int(reihen_.size() % 64)) - 1;
        for (; treffer; treffer &= treffer - 1)
            aus[gefunden++] = std::uint32_t(w * 64 + std::size_t(std::countr_zero(treffer)));
    }
    return gefunden;
}

std::int64_t Ueberdeckung::element(std::uint64_t menge) const {
    const std::int64_t r = rangtafel_.rang(menge);
    return bahnen_ ? bahnen_->bahn(r) : r;
}

std::uint64_t Ueberdeckung::menge(std::int64_t e) {
    if (!bahnen_)
        return mengen_.empty() ? Kombinatorik::mengeAus(e, a_.m) : mengen_[std::size_t(e)];
    return bahnen_->drehen(bahnen_->vertreter(std::int32_t(e)),
                           int(zufall(std::uint64_t(bahnen_->laenge()))));
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
        Kombinatorik::teilmengen(reihe, j, innen);
        Kombinatorik::teilmengen(alle_ & ~reihe, a_.m - j, aussen);
        for (const std::uint64_t i : innen)
            for (const std::uint64_t o : aussen)
                ziel.push_back(element(i | o));
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
    indexAufbauen();
    std::vector<std::int64_t> mengen;
    for (const std::uint64_t r : reihen_) {
        mengenDerReihe(r, mengen);
        for (const std::int64_t e : mengen)
            erhoehen(e);
    }
    besteOffen_ = offen();
    besteReihen_ = reihen_;
}

std::int64_t Ueberdeckung::alleinGedeckt(std::uint64_t reihe, std::vector<std::int64_t>& mengen) const {
    mengenDerReihe(reihe, mengen);
    // an orbit may be met several times by the same row
    std::sort(mengen.begin(), mengen.end());
    std::int64_t allein = 0;
    for (std::size_t i = 0; i < mengen.size();) {
        std::size_t j = i;
        while (j < mengen.size() && mengen[j] == mengen[i])
            ++j;
        allein += zahl_[std::size_t(mengen[i])] == j - i ? 1 : 0;
        i = j;
    }
    return allein;
}

void Ueberdeckung::schwaechsteEntfernen() {
    if (reihen_.empty())
        return;
    std::vector<std::int64_t> mengen;
    std::size_t beste = 0;
    std::int64_t wenigste = -1;
    std::uint64_t gleiche = 0;
    for (std::size_t r = 0; r < reihen_.size(); ++r) {
        const std::int64_t allein = alleinGedeckt(reihen_[r], mengen);
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
    reiheEntfernen(beste);
    besteOffen_ = offen();
    besteReihen_ = reihen_;
}

void Ueberdeckung::ueberfluessigeEntfernen() {
    std::vector<std::int64_t> mengen;
    bool weiter = true;
    while (weiter) {
        weiter = false;
        for (std::size_t r = 0; r < reihen_.size(); ++r) {
            if (alleinGedeckt(reihen_[r], mengen) > 0)
                continue;
            for (const std::int64_t e : mengen)
                senken(e);
            reiheEntfernen(r);
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
        const std::uint64_t e = menge(offen_[std::size_t(zufall(offen_.size()))]);
        // t numbers of the open set, then the number that closes most
        std::uint64_t reihe = 0;
        {
            std::vector<int> p = Kombinatorik::positionen(e);
            for (int i = 0; i < a_.t; ++i) {
                const std::size_t j = std::size_t(i) + std::size_t(zufall(p.size() - std::size_t(i)));
                std::swap(p[std::size_t(i)], p[j]);
                reihe |= Kombinatorik::bit(p[std::size_t(i)]);
            }
        }
        while (std::popcount(reihe) < a_.k) {
            int beste = -1;
            std::int64_t gewinn = -1;
            std::uint64_t gleiche = 0;
            Kombinatorik::teilmengen(reihe, a_.t - 1, innen);
            for (int p = 0; p < a_.n; ++p) {
                if (reihe & Kombinatorik::bit(p))
                    continue;
                Kombinatorik::teilmengen(alle_ & ~(reihe | Kombinatorik::bit(p)), a_.m - a_.t, aussen);
                std::int64_t g = 0;
                for (const std::uint64_t i : innen)
                    for (const std::uint64_t o : aussen)
                        g += zahl_[std::size_t(element(i | o | Kombinatorik::bit(p)))] == 0 ? 1 : 0;
                if (g > gewinn) {
                    gewinn = g;
                    beste = p;
                    gleiche = 1;
                } else if (g == gewinn && zufall(++gleiche) == 0) {
                    beste = p;
                }
            }
            reihe |= Kombinatorik::bit(beste);
        }
        mengenDerReihe(reihe, mengen);
        for (const std::int64_t x : mengen)
            erhoehen(x);
        reiheAnhaengen(reihe);
    }
    besteOffen_ = offen();
    besteReihen_ = reihen_;
}

std::int64_t Ueberdeckung::bewerten(std::uint64_t reihe, int x, int y, bool gewichtet) {
    Kombinatorik::teilmengen(reihe & ~Kombinatorik::bit(x), a_.t - 1, teilmengen_);
    Kombinatorik::teilmengen(alle_ & ~(reihe | Kombinatorik::bit(y)), a_.m - a_.t, reste_);
    verloren_.clear();
    gewonnen_.clear();
    for (const std::uint64_t s : teilmengen_)
        for (const std::uint64_t r : reste_) {
            verloren_.push_back(element(s | r | Kombinatorik::bit(x)));
            gewonnen_.push_back(element(s | r | Kombinatorik::bit(y)));
        }
    return differenz(gewichtet);
}

std::int64_t Ueberdeckung::differenz(bool gewichtet) const {
    auto gewicht = [&](std::int64_t e) -> std::int64_t { return gewichtet ? gewicht_[std::size_t(e)] : 1; };
    std::int64_t d = 0;
    if (!bahnen_) {
        // sets with x and sets with y: never the same, each once
        for (const std::int64_t e : verloren_)
            d += zahl_[std::size_t(e)] == 1 ? gewicht(e) : 0;
        for (const std::int64_t e : gewonnen_)
            d -= zahl_[std::size_t(e)] == 0 ? gewicht(e) : 0;
        return d;
    }
    // Orbits: one may lose and gain several times over; count what each ends with.
    std::pair<std::int64_t, int> aenderung[64];
    std::size_t n = 0;
    for (const std::int64_t e : verloren_)
        aenderung[n++] = {e, -1};
    for (const std::int64_t e : gewonnen_)
        aenderung[n++] = {e, +1};
    std::sort(aenderung, aenderung + n);
    for (std::size_t i = 0; i < n;) {
        const std::int64_t e = aenderung[i].first;
        int netto = 0;
        for (; i < n && aenderung[i].first == e; ++i)
            netto += aenderung[i].second;
        const std::int64_t vorher = zahl_[std::size_t(e)];
        if (vorher > 0 && vorher + netto == 0)
            d += gewicht(e);
        else if (vorher == 0 && netto > 0)
            d -= gewicht(e);
    }
    return d;
}

void Ueberdeckung::ausfuehren(std::size_t r, int x, int y) {
    for (const std::int64_t e : gewonnen_)
        erhoehen(e);
    for (const std::int64_t e : verloren_)
        senken(e);
    punktReihen_[std::size_t(x)][r / 64] &= ~Kombinatorik::bit(int(r % 64));
    punktReihen_[std::size_t(y)][r / 64] |= Kombinatorik::bit(int(r % 64));
    reihen_[r] = (reihen_[r] & ~Kombinatorik::bit(x)) | Kombinatorik::bit(y);
}

void Ueberdeckung::kandidatenSammeln(std::int64_t e) {
    treffer_.clear();
    kandidaten_.resize(reihen_.size() + 1);
    const int drehungen = bahnen_ ? bahnen_->laenge() : 1;
    const std::uint64_t basis =
        bahnen_ ? bahnen_->vertreter(std::int32_t(e))
                : (mengen_.empty() ? Kombinatorik::mengeAus(e, a_.m) : mengen_[std::size_t(e)]);
    for (int s = 0; s < drehungen; ++s) {
        const std::uint64_t ziel = bahnen_ ? bahnen_->drehen(basis, s) : basis;
        const std::size_t c = schnittSuchen(ziel, a_.t - 1, kandidaten_.data());
        for (std::size_t i = 0; i < c; ++i)
            treffer_.push_back({kandidaten_[i], ziel});
    }
}

bool Ueberdeckung::zugFuer(std::int64_t e, std::size_t& r, int& x, int& y) {
    if (reihen_.empty())
        return false;
    kandidatenSammeln(e);
    std::uint64_t ziel = 0;
    if (treffer_.empty()) {
        r = std::size_t(zufall(reihen_.size()));
        ziel = menge(e);
    } else {
        const Kandidat& k = treffer_[std::size_t(zufall(treffer_.size()))];
        r = k.reihe;
        ziel = k.ziel;
    }
    const std::uint64_t reihe = reihen_[r];
    const std::uint64_t weg = reihe & ~ziel;
    const std::uint64_t dazu = ziel & ~reihe;
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
        kandidatenSammeln(e);
        std::int64_t bestD = 0;
        std::size_t bestR = 0;
        int bestX = -1, bestY = -1;
        std::uint64_t gleiche = 0;
        for (const Kandidat& k : treffer_) {
            const std::size_t r = k.reihe;
            const std::uint64_t reihe = reihen_[r];
            const std::uint64_t ziel = k.ziel;
            for (std::uint64_t dazu = ziel & ~reihe; dazu; dazu &= dazu - 1) {
                const int y = std::countr_zero(dazu);
                if (gesperrt_[r * 64 + std::size_t(y)] > jetzt)
                    continue;
                for (std::uint64_t weg = reihe & ~ziel; weg; weg &= weg - 1) {
                    const int x = std::countr_zero(weg);
                    const std::int64_t d = bewerten(reihe, x, y, true);
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

std::vector<std::uint64_t> Ueberdeckung::verkleinern(std::int64_t schritte, const Gluehen& g,
                                                     const std::function<bool()>& stop) {
    gierigAuffuellen();
    ueberfluessigeEntfernen();
    std::vector<std::uint64_t> bestes = reihen_;
    while (schritteGesamt_ < schritte && !(stop && stop())) {
        if (offen_.empty()) {
            bestes = reihen_;
            if (bestes.size() <= 1)
                break;
            schwaechsteEntfernen();
            continue;
        }
        gluehen(g, nullptr);
    }
    return bestes;
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
        const std::int64_t d = bewerten(reihen_[r], x, y);
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
