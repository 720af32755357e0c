#include "Bahnenwahl.h"

#include "core/werkstatt/Bahnen.h"
#include "core/werkstatt/Kombinatorik.h"

#include <algorithm>
#include <bit>

namespace core {

bool Bahnenwahl::machbar(const Bahnen& bahnen, int n, int k) {
    const int t = std::popcount(bahnen.vertreter(0));
    return n <= 63 && bahnen.anzahl() <= 65535 && t >= 3 && k >= t && k - t <= 3 && (k - t < 3 || t == 3);
}

Bahnenwahl::Bahnenwahl(const Bahnen& bahnen, int n, int k)
    : bahnen_(bahnen), n_(n), k_(k), t_(std::popcount(bahnen.vertreter(0))), f1_(64), f2_(64 * 64) {
    for (unsigned m = 0; m < (1u << k_); ++m)
        if (std::popcount(m) == t_)
            kombis_.push_back(std::uint8_t(m));
    if (t_ != 3)
        return;
    dreier_.assign(std::size_t(n_ * n_ * n_), 0);
    for (int x = 0; x < n_; ++x)
        for (int y = x + 1; y < n_; ++y)
            for (int z = y + 1; z < n_; ++z) {
                const auto e = std::uint16_t(bahn(Kombinatorik::bit(x) | Kombinatorik::bit(y) | Kombinatorik::bit(z)));
                for (const auto& [a, b, c] : {std::array{x, y, z}, std::array{x, z, y}, std::array{y, x, z},
                                              std::array{y, z, x}, std::array{z, x, y}, std::array{z, y, x}})
                    dreier_[std::size_t((a * n_ + b) * n_ + c)] = e;
            }
}

std::int32_t Bahnenwahl::bahn(std::uint64_t menge) const {
    return bahnen_.bahn(rangtafel_.rang(menge));
}

void Bahnenwahl::dazu(std::uint64_t reihe, std::int64_t schritt) {
    Wahl w;
    bilder_.clear();
    for (int s = 0; s < bahnen_.laenge(); ++s)
        bilder_.push_back(bahnen_.drehen(reihe, s));
    std::sort(bilder_.begin(), bilder_.end());
    w.bilder = std::int32_t(std::unique(bilder_.begin(), bilder_.end()) - bilder_.begin());
    w.reihe = bilder_.front();
    w.seit = schritt;
    for (const std::uint64_t m : Kombinatorik::teilmengen(reihe, t_))
        w.bahnen.push_back(bahn(m));
    std::sort(w.bahnen.begin(), w.bahnen.end());
    w.bahnen.erase(std::unique(w.bahnen.begin(), w.bahnen.end()), w.bahnen.end());
    for (const std::int32_t e : w.bahnen)
        if (zahl_[std::size_t(e)]++ == 0) {
            const std::int32_t s = stelle_[std::size_t(e)], letzte = offen_.back();
            offen_[std::size_t(s)] = letzte;
            stelle_[std::size_t(letzte)] = s;
            offen_.pop_back();
            stelle_[std::size_t(e)] = -1;
        }
    kosten_ += w.bilder;
    auswahl_.push_back(std::move(w));
}

std::uint64_t Bahnenwahl::weg(std::size_t platz) {
    const Wahl w = std::move(auswahl_[platz]);
    auswahl_[platz] = std::move(auswahl_.back());
    auswahl_.pop_back();
    for (const std::int32_t e : w.bahnen)
        if (--zahl_[std::size_t(e)] == 0) {
            stelle_[std::size_t(e)] = std::int32_t(offen_.size());
            offen_.push_back(e);
        }
    kosten_ -= w.bilder;
    return w.reihe;
}

std::int64_t Bahnenwahl::verlust(const Wahl& w) const {
    std::int64_t v = 0;
    for (const std::int32_t e : w.bahnen)
        v += zahl_[std::size_t(e)] == 1 ? gewicht_[std::size_t(e)] : 0;
    return v;
}

std::size_t Bahnenwahl::schwaechste(std::uint64_t ausser) const {
    std::size_t beste = auswahl_.size();
    std::int64_t bv = 0;
    for (std::size_t i = 0; i < auswahl_.size(); ++i) {
        const Wahl& w = auswahl_[i];
        if (w.reihe == ausser)
            continue;
        const std::int64_t v = verlust(w);
        if (beste == auswahl_.size()) {
            beste = i;
            bv = v;
            continue;
        }
        const Wahl& b = auswahl_[beste];
        const std::int64_t l = v * b.bilder, r = bv * w.bilder;
        if (l < r || (l == r && w.seit < b.seit)) {
            beste = i;
            bv = v;
        }
    }
    return beste;
}

std::int64_t Bahnenwahl::genau(std::uint64_t reihe) const {
    int p[8];
    int k = 0;
    for (std::uint64_t x = reihe; x; x &= x - 1)
        p[k++] = std::countr_zero(x);
    std::int32_t gesehen[32];
    int n = 0;
    std::int64_t g = 0;
    for (const std::uint8_t kombi : kombis_) {
        std::int32_t rang = 0;
        int i = 1;
        for (std::uint8_t x = kombi; x; x &= std::uint8_t(x - 1))
            rang += rangtafel_.binom(p[std::countr_zero(x)], i++);
        const std::int32_t e = bahnen_.bahn(rang);
        if (offenGewicht_[std::size_t(e)] == 0 || std::find(gesehen, gesehen + n, e) != gesehen + n)
            continue;
        gesehen[n++] = e;
        g += offenGewicht_[std::size_t(e)];
    }
    return g;
}

// The row is `basis` plus r = k - t further numbers. What it closes is summed from the t-sets
// with j of those numbers: f1_ for one, f2_ for two, the triple itself for three (t = 3).
std::uint64_t Bahnenwahl::besteFuer(std::uint64_t basis, std::int64_t schritt) {
    const int r = k_ - t_;
    for (std::size_t e = 0; e < zahl_.size(); ++e)
        offenGewicht_[e] = zahl_[e] == 0 ? gewicht_[e] : 0;
    verboten_.clear();
    for (const auto& [reihe, bis] : gesperrt_)
        if (bis > schritt)
            for (int s = 0; s < bahnen_.laenge(); ++s)
                if (const std::uint64_t bild = bahnen_.drehen(reihe, s); (bild & basis) == basis)
                    verboten_.push_back(bild & ~basis);
    const std::vector<int> c = Kombinatorik::positionen((Kombinatorik::bit(n_) - 1) & ~basis);
    const std::int64_t f0 = offenGewicht_[std::size_t(bahn(basis))];
    const std::vector<std::uint64_t> ohne1 = Kombinatorik::teilmengen(basis, t_ - 1);
    for (const int x : c) {
        std::int64_t s = 0;
        for (const std::uint64_t m : ohne1)
            s += offenGewicht_[std::size_t(bahn(m | Kombinatorik::bit(x)))];
        f1_[std::size_t(x)] = s;
    }
    const std::vector<std::uint64_t> ohne2 = Kombinatorik::teilmengen(basis, t_ - 2);
    const std::vector<int> tp = Kombinatorik::positionen(basis);
    for (std::size_t a = 0; a < c.size() && r >= 2; ++a)
        for (std::size_t b = a + 1; b < c.size(); ++b) {
            std::int64_t s = 0;
            if (t_ == 3) {
                const std::size_t xy = std::size_t(c[a] * n_ + c[b]);
                for (const int p : tp)
                    s += offenGewicht_[dreier_[std::size_t(p * n_ * n_) + xy]];
            } else {
                for (const std::uint64_t m : ohne2)
                    s += offenGewicht_[std::size_t(bahn(m | Kombinatorik::bit(c[a]) | Kombinatorik::bit(c[b])))];
            }
            f2_[std::size_t(c[a] * 64 + c[b])] = s;
        }

    // The sums count an open orbit twice when two t-sets of the row lie in it: such rows cover
    // less than they seem to, so a row that may win is counted once more exactly, and a row whose
    // sum ties with the best only when the draw among equals would take it.
    std::uint64_t beste = 0;
    std::int64_t bg = -1;
    std::uint64_t gleiche = 0;
    auto nehmen = [&](std::uint64_t rest, std::int64_t g) {
        if (g < bg || std::find(verboten_.begin(), verboten_.end(), rest) != verboten_.end())
            return;
        if (g == bg && zufall_.unter(++gleiche) != 0)
            return;
        const std::int64_t genaue = genau(basis | rest);
        if (genaue > bg) {
            bg = genaue;
            beste = rest;
            gleiche = 1;
        } else if (genaue == bg && (g == bg || zufall_.unter(++gleiche) == 0)) {
            beste = rest;
        }
    };
    const std::size_t m = c.size();
    if (r == 0)
        nehmen(0, f0);
    for (std::size_t a = 0; a < m && r >= 1; ++a) {
        const int x = c[a];
        const std::int64_t g1 = f0 + f1_[std::size_t(x)];
        if (r == 1) {
            nehmen(Kombinatorik::bit(x), g1);
            continue;
        }
        for (std::size_t b = a + 1; b < m; ++b) {
            const int y = c[b];
            const std::int64_t g2 = g1 + f1_[std::size_t(y)] + f2_[std::size_t(x * 64 + y)];
            if (r == 2) {
                nehmen(Kombinatorik::bit(x) | Kombinatorik::bit(y), g2);
                continue;
            }
            const std::uint16_t* xy = dreier_.data() + (x * n_ + y) * n_;
            for (std::size_t d = b + 1; d < m; ++d) {
                const int z = c[d];
                const std::int64_t g = g2 + f1_[std::size_t(z)] + f2_[std::size_t(x * 64 + z)] +
                                       f2_[std::size_t(y * 64 + z)] + offenGewicht_[xy[z]];
                if (g >= bg)
                    nehmen(Kombinatorik::bit(x) | Kombinatorik::bit(y) | Kombinatorik::bit(z), g);
            }
        }
    }
    return bg < 0 ? 0 : basis | beste;
}

std::uint64_t Bahnenwahl::offeneMenge() {
    const std::int32_t e = offen_[std::size_t(zufall_.unter(offen_.size()))];
    return bahnen_.drehen(bahnen_.vertreter(e), int(zufall_.unter(std::uint64_t(bahnen_.laenge()))));
}

std::vector<std::uint64_t> Bahnenwahl::reihen() const {
    std::vector<std::uint64_t> r;
    for (const Wahl& w : auswahl_)
        r.push_back(w.reihe);
    return r;
}

std::vector<std::uint64_t> Bahnenwahl::suchen(std::uint64_t saat, std::int64_t schritte, std::int64_t ziel,
                                              const std::function<bool()>& stop,
                                              const std::function<void(std::int64_t)>& besser) {
    const std::size_t anzahl = std::size_t(bahnen_.anzahl());
    zufall_ = Zufall(saat);
    zahl_.assign(anzahl, 0);
    gewicht_.assign(anzahl, 1);
    offenGewicht_.assign(anzahl, 1);
    offen_.clear();
    stelle_.assign(anzahl, -1);
    for (std::size_t e = 0; e < anzahl; ++e) {
        stelle_[e] = std::int32_t(offen_.size());
        offen_.push_back(std::int32_t(e));
    }
    auswahl_.clear();
    kosten_ = 0;
    gesperrt_.clear();

    // a greedy cover, then the orbits nothing needs go
    while (!offen_.empty()) {
        const std::uint64_t reihe = besteFuer(offeneMenge(), 0);
        if (!reihe)
            return {};
        dazu(reihe, 0);
    }
    for (std::size_t i = 0; i < auswahl_.size();)
        if (verlust(auswahl_[i]) == 0)
            weg(i);
        else
            ++i;
    std::vector<std::uint64_t> bestes = reihen();
    std::int64_t besteKosten = kosten_;
    std::uint64_t zuletzt = 0;
    for (std::int64_t schritt = 1; schritt <= schritte && besteKosten > ziel; ++schritt) {
        if ((schritt & 15) == 0 && stop && stop())
            break;
        while (offen_.empty() && !auswahl_.empty()) {
            if (kosten_ < besteKosten) {
                besteKosten = kosten_;
                bestes = reihen();
                if (besser)
                    besser(besteKosten);
                if (besteKosten <= ziel)
                    break;
            }
            weg(schwaechste(0));
        }
        if (besteKosten <= ziel || auswahl_.empty())
            break;
        // one out (not the one just taken in), one in through an open t-set
        if (const std::size_t platz = schwaechste(zuletzt); platz < auswahl_.size())
            gesperrt_.push_back({weg(platz), schritt + 2});
        std::erase_if(gesperrt_, [&](const auto& g) { return g.second <= schritt; });
        if (const std::uint64_t rein = besteFuer(offeneMenge(), schritt)) {
            dazu(rein, schritt);
            zuletzt = auswahl_.back().reihe;
        }
        for (const std::int32_t o : offen_)
            ++gewicht_[std::size_t(o)];
    }
    if (offen_.empty() && kosten_ < besteKosten)
        bestes = reihen();
    return bahnen_.ausbreiten(bestes);
}

} // namespace core
