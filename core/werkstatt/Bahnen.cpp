#include "Bahnen.h"

#include "core/werkstatt/Kombinatorik.h"

#include <algorithm>
#include <bit>

namespace core {
namespace {

Bahnen::Abbildung identitaet() {
    Bahnen::Abbildung a{};
    for (int p = 0; p < 64; ++p)
        a[std::size_t(p)] = std::uint8_t(p);
    return a;
}

} // namespace

Bahnen::Bahnen(int n, int t, int laenge, int kreise) {
    laenge = std::max(laenge, 1);
    for (int s = 0; s < laenge; ++s) {
        Abbildung a = identitaet();
        for (int p = 0; p < laenge * kreise; ++p)
            a[std::size_t(p)] = std::uint8_t(p / laenge * laenge + (p % laenge + s) % laenge);
        dreh_.push_back(a);
    }
    bahnenBilden(n, t);
}

Bahnen::Bahnen(int n, int t, std::vector<Abbildung> gruppe) : dreh_(std::move(gruppe)) {
    bahnenBilden(n, t);
}

bool Bahnen::primzahl(int p) {
    if (p < 2)
        return false;
    for (int d = 2; d * d <= p; ++d)
        if (p % d == 0)
            return false;
    return true;
}

Bahnen Bahnen::affin(int n, int t, int p, int ordnung) {
    // a primitive root: the smallest number whose powers reach every non-zero rest
    int wurzel = p == 2 ? 1 : 2;
    for (;; ++wurzel) {
        int x = 1, schritte = 0;
        do {
            x = x * wurzel % p;
            ++schritte;
        } while (x != 1);
        if (schritte == p - 1)
            break;
    }
    int faktor = 1;
    for (int i = 0; i < (p - 1) / ordnung; ++i)
        faktor = faktor * wurzel % p;
    std::vector<Abbildung> gruppe;
    for (int a = 1, i = 0; i < ordnung; ++i, a = a * faktor % p)
        for (int b = 0; b < p; ++b) {
            Abbildung m = identitaet();
            for (int x = 0; x < p; ++x)
                m[std::size_t(x)] = std::uint8_t((a * x + b) % p);
            gruppe.push_back(m);
        }
    return Bahnen(n, t, std::move(gruppe));
}

void Bahnen::bahnenBilden(int n, int t) {
    const std::int64_t alle = Kombinatorik::binom(n, t);
    bahn_.assign(std::size_t(alle), -1);
    for (std::int64_t r = 0; r < alle; ++r) {
        if (bahn_[std::size_t(r)] >= 0)
            continue;
        const std::uint64_t menge = Kombinatorik::mengeAus(r, t);
        const std::int32_t neu = std::int32_t(vertreter_.size());
        vertreter_.push_back(menge);
        for (int s = 0; s < laenge(); ++s)
            bahn_[std::size_t(Kombinatorik::rang(drehen(menge, s)))] = neu;
    }
}

std::uint64_t Bahnen::drehen(std::uint64_t menge, int s) const {
    const Abbildung& d = dreh_[std::size_t(s)];
    std::uint64_t bild = 0;
    for (; menge; menge &= menge - 1)
        bild |= std::uint64_t(1) << d[std::size_t(std::countr_zero(menge))];
    return bild;
}

std::vector<std::uint64_t> Bahnen::ausbreiten(const std::vector<std::uint64_t>& reihen) const {
    std::vector<std::uint64_t> alle;
    for (const std::uint64_t r : reihen)
        for (int s = 0; s < laenge(); ++s)
            alle.push_back(drehen(r, s));
    std::sort(alle.begin(), alle.end());
    alle.erase(std::unique(alle.begin(), alle.end()), alle.end());
    return alle;
}

} // namespace core
