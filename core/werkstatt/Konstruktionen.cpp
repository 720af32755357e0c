#include "Konstruktionen.h"

#include "core/systeme/SystemTabellen.h"
#include "core/systeme/TSystemDef.h"
#include "core/werkstatt/Garantiepruefung.h"

#include <algorithm>
#include <array>
#include <bit>

namespace core {
namespace {

std::uint64_t bit(int p) {
    return std::uint64_t(1) << p;
}

struct Katalogsystem {
    QString name;
    int zahlen = 0;
    std::vector<std::uint64_t> reihen;
    std::array<int, 7> sicher{};
};

// The partial systems of the catalogue with what they guarantee, worked out once.
const std::vector<Katalogsystem>& katalog() {
    static const std::vector<Katalogsystem> k = [] {
        std::vector<Katalogsystem> alle;
        for (int i = ErstesTeilsystem; i <= LetztesTeilsystem; ++i) {
            Katalogsystem s;
            s.name = QString::fromLatin1(System(i).Name.data(), qsizetype(System(i).Name.size()));
            s.zahlen = System(i).Anzahl;
            for (const TeilsystemReihe& r : TeilsystemTabelle(i)) {
                std::uint64_t m = 0;
                for (const std::uint8_t p : r)
                    m |= bit(p - 1);
                s.reihen.push_back(m);
            }
            Garantiepruefung::Optionen o;
            o.verteilung = false;
            o.threads = 1;
            s.sicher = Garantiepruefung::pruefen(s.reihen, s.zahlen, o).sicher;
            alle.push_back(std::move(s));
        }
        return alle;
    }();
    return k;
}

// The design on the numbers 0..n-1 left when the others are taken out: rows that lost numbers
// are filled up with the smallest numbers they lack, and a row that is there twice stays once.
// Every m-set of the rest is an m-set of the whole, so the guarantee carries over.
std::vector<std::uint64_t> induzieren(const std::vector<std::uint64_t>& reihen, int n, int k) {
    const std::uint64_t rest = bit(n) - 1;
    std::vector<std::uint64_t> neu;
    for (std::uint64_t r : reihen) {
        r &= rest;
        for (int p = 0; p < n && std::popcount(r) < k; ++p)
            r |= bit(p);
        neu.push_back(r);
    }
    std::sort(neu.begin(), neu.end());
    neu.erase(std::unique(neu.begin(), neu.end()), neu.end());
    return neu;
}

} // namespace

bool Konstruktionen::gilt(const std::vector<std::uint64_t>& reihen, int n, int t, int m) {
    return Garantiepruefung::garantiePruefen(reihen, n, Garantie{t, m}, 1).loecher == 0;
}

std::vector<Konstruktionen::Entwurf> Konstruktionen::fuer(int n, int k, int t, int m) {
    std::vector<Entwurf> alle;
    if (k == 6)
        for (const Katalogsystem& s : katalog()) {
            if (s.zahlen < n || s.sicher[std::size_t(m)] < t)
                continue;
            Entwurf e;
            e.herkunft = s.zahlen == n ? QStringLiteral("Katalogsystem %1").arg(s.name)
                                       : QStringLiteral("aus dem Katalogsystem %1").arg(s.name);
            e.reihen = induzieren(s.reihen, n, k);
            alle.push_back(std::move(e));
        }
    // Offered only what a count confirms.
    std::erase_if(alle, [&](const Entwurf& e) { return !gilt(e.reihen, n, t, m); });
    std::stable_sort(alle.begin(), alle.end(),
                     [](const Entwurf& a, const Entwurf& b) { return a.reihen.size() < b.reihen.size(); });
    return alle;
}

} // namespace core
