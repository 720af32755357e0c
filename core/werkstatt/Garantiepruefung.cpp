#include "Garantiepruefung.h"

#include "core/grund/Fehler.h"
#include "core/systeme/SystemReihen.h"
#include "core/systeme/TSystemDef.h"
#include "core/werkstatt/Kombinatorik.h"

#include <algorithm>
#include <bit>
#include <thread>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace core {
namespace {

// The numbers besides the six drawn: the ZS is one of them.
constexpr int Nichtgezogen = Garantiepruefung::Spiele - Garantiepruefung::Gezogen;
// Rows are padded to whole vectors of hit counters.
constexpr int Breite = 16;

// What every worker reads: one byte per row and chosen number (1 where the row holds it).
struct Vorgabe {
    int v = 0;
    int rp = 0; // rows, padded
    int tiefste = 6;
    std::vector<std::uint8_t> spalten;
    std::vector<std::uint64_t> reihen;
    int t = -1;
    int m = -1;
    std::size_t erste = 0;
    std::array<bool, 7> verteilen{};
    const std::atomic<bool>* abbruch = nullptr;

    const std::uint8_t* spalte(int p) const { return spalten.data() + std::size_t(p) * std::size_t(rp); }
    bool abgebrochen() const { return abbruch && abbruch->load(std::memory_order_relaxed); }
};

struct Summe {
    std::array<int, 7> sicher;
    std::array<std::array<std::int64_t, 7>, 7> faelle{};
    std::int64_t loecher = 0;

    Summe() { sicher.fill(7); }
    void dazu(const Summe& s) {
        for (std::size_t m = 0; m < 7; ++m) {
            sicher[m] = std::min(sicher[m], s.sicher[m]);
            for (std::size_t r = 0; r < 7; ++r)
                faelle[m][r] += s.faelle[m][r];
        }
        loecher += s.loecher;
    }
};

// ziel = quelle + spalte, byte by byte; returns the largest count.
inline int addieren(std::uint8_t* ziel, const std::uint8_t* quelle, const std::uint8_t* spalte, int rp) {
#ifdef __SSE2__
    __m128i mx = _mm_setzero_si128();
    for (int i = 0; i < rp; i += Breite) {
        const __m128i h = _mm_add_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(quelle + i)),
                                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(spalte + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i), h);
        mx = _mm_max_epu8(mx, h);
    }
    mx = _mm_max_epu8(mx, _mm_srli_si128(mx, 8));
    mx = _mm_max_epu8(mx, _mm_srli_si128(mx, 4));
    mx = _mm_max_epu8(mx, _mm_srli_si128(mx, 2));
    mx = _mm_max_epu8(mx, _mm_srli_si128(mx, 1));
    return _mm_cvtsi128_si32(mx) & 0xFF;
#else
    std::uint8_t mx = 0;
    for (int i = 0; i < rp; ++i) {
        ziel[i] = std::uint8_t(quelle[i] + spalte[i]);
        mx = std::max(mx, ziel[i]);
    }
    return mx;
#endif
}

// The union of the rows with exactly x hits.
inline std::uint64_t vereinigung(const std::uint8_t* h, int x, const std::uint64_t* reihen, int rp) {
    std::uint64_t u = 0;
#ifdef __SSE2__
    const __m128i xx = _mm_set1_epi8(char(x));
    for (int i = 0; i < rp; i += Breite) {
        unsigned bits = unsigned(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(h + i)), xx)));
        while (bits) {
            u |= reihen[i + std::countr_zero(bits)];
            bits &= bits - 1;
        }
    }
#else
    for (int i = 0; i < rp; ++i)
        if (h[i] == x)
            u |= reihen[i];
#endif
    return u;
}

// One worker: walks sets of chosen numbers depth first, each set's hit counters one vector add
// away from its parent's.
class Lauf {
public:
    Lauf(const Vorgabe& g, Summe& s) : g_(g), s_(s), h_(std::size_t(7) * std::size_t(g.rp), 0) {}

    // The empty set and the sets of one number.
    void wurzel(std::vector<std::uint64_t>& loecher) {
        liste_ = &loecher;
        bewerten(0, 0, 0);
        if (g_.tiefste < 1)
            return;
        for (int p = 0; p < g_.v; ++p)
            bewerten(1, std::uint64_t(1) << p, addieren(h(1), h(0), g_.spalte(p), g_.rp));
    }

    // Every set whose two smallest numbers are a1 < a2.
    void aufgabe(int a1, int a2, std::vector<std::uint64_t>& loecher) {
        liste_ = &loecher;
        addieren(h(1), h(0), g_.spalte(a1), g_.rp);
        const int mx = addieren(h(2), h(1), g_.spalte(a2), g_.rp);
        knoten(2, (std::uint64_t(1) << a1) | (std::uint64_t(1) << a2), a2, mx);
    }

private:
    std::uint8_t* h(int tiefe) { return h_.data() + std::size_t(tiefe) * std::size_t(g_.rp); }

    void knoten(int tiefe, std::uint64_t w, int letzte, int mx) {
        bewerten(tiefe, w, mx);
        if (tiefe >= g_.tiefste)
            return;
        if (tiefe == 3 && g_.abgebrochen())
            return;
        std::uint8_t* ziel = h(tiefe + 1);
        const std::uint8_t* quelle = h(tiefe);
        for (int p = letzte + 1; p < g_.v; ++p) {
            const int mxp = addieren(ziel, quelle, g_.spalte(p), g_.rp);
            knoten(tiefe + 1, w | (std::uint64_t(1) << p), p, mxp);
        }
    }

    void bewerten(int tiefe, std::uint64_t w, int mx) {
        const std::size_t d = std::size_t(tiefe);
        s_.sicher[d] = std::min(s_.sicher[d], mx);
        if (tiefe == g_.m && mx < g_.t) {
            ++s_.loecher;
            if (liste_->size() < g_.erste)
                liste_->push_back(w);
        }
        if (!g_.verteilen[d])
            return;
        auto& f = s_.faelle[d];
        switch (mx) {
        case 6:
            f[1] += Nichtgezogen;
            break;
        case 5: {
            // 5 + ZS when the ZS is the sixth number of a row with five hits
            const int c = std::popcount(vereinigung(h(tiefe), 5, g_.reihen.data(), g_.rp) & ~w);
            f[2] += c;
            f[3] += Nichtgezogen - c;
            break;
        }
        case 4:
            f[4] += Nichtgezogen;
            break;
        case 3: {
            const int c = std::popcount(vereinigung(h(tiefe), 3, g_.reihen.data(), g_.rp) & ~w);
            f[5] += c;
            f[6] += Nichtgezogen - c;
            break;
        }
        default:
            f[0] += Nichtgezogen;
        }
    }

    const Vorgabe& g_;
    Summe& s_;
    std::vector<std::uint8_t> h_; // hit counters per depth
    std::vector<std::uint64_t>* liste_ = nullptr;
};

void zahlenPruefen(std::span<const std::uint64_t> reihen, int zahlen) {
    if (zahlen < 1 || zahlen > Garantiepruefung::Spiele)
        throw Fehler(QStringLiteral("Ein System braucht 1 bis 45 Zahlen, nicht %1.").arg(zahlen));
    const std::uint64_t erlaubt = (std::uint64_t(1) << zahlen) - 1;
    for (std::size_t i = 0; i < reihen.size(); ++i) {
        if (reihen[i] & ~erlaubt)
            throw Fehler(
                QStringLiteral("Reihe %1 enthält eine Zahl, die nicht zu den %2 Zahlen des Systems gehört.")
                    .arg(i + 1)
                    .arg(zahlen));
        if (std::popcount(reihen[i]) > Garantiepruefung::Gezogen)
            throw Fehler(QStringLiteral("Reihe %1 hat mehr als sechs Zahlen.").arg(i + 1));
    }
}

int threadzahl(int gewuenscht) {
    if (gewuenscht > 0)
        return gewuenscht;
    return std::max(1, int(std::thread::hardware_concurrency()));
}

Garantiepruefung::Ergebnis ausfuehren(std::span<const std::uint64_t> reihen, int zahlen,
                                      const Garantiepruefung::Optionen& o, int tiefste) {
    zahlenPruefen(reihen, zahlen);
    Garantiepruefung::Ergebnis e;
    e.zahlen = zahlen;
    e.reihen = int(reihen.size());
    e.garantie = o.garantie;
    for (int m = 0; m <= 6; ++m)
        e.wahrscheinlichkeit[std::size_t(m)] = Garantiepruefung::wahrscheinlichkeit(zahlen, m);

    // The same row twice changes no best row.
    std::vector<std::uint64_t> eigen(reihen.begin(), reihen.end());
    std::sort(eigen.begin(), eigen.end());
    eigen.erase(std::unique(eigen.begin(), eigen.end()), eigen.end());

    Vorgabe g;
    g.v = zahlen;
    g.rp = std::max(Breite, (int(eigen.size()) + Breite - 1) / Breite * Breite);
    g.tiefste = std::min(tiefste, zahlen);
    g.reihen = eigen;
    g.reihen.resize(std::size_t(g.rp), 0);
    g.spalten.assign(std::size_t(zahlen) * std::size_t(g.rp), 0);
    for (std::size_t r = 0; r < eigen.size(); ++r)
        for (const int p : Kombinatorik::positionen(eigen[r]))
            g.spalten[std::size_t(p) * std::size_t(g.rp) + r] = 1;
    if (o.garantie && o.garantie->wenn >= 0 && o.garantie->wenn <= 6) {
        g.t = o.garantie->richtige;
        g.m = o.garantie->wenn;
    }
    g.erste = std::size_t(std::max(o.ersteLoecher, 0));
    for (std::size_t m = 0; m < 7; ++m)
        g.verteilen[m] = o.verteilung && e.wahrscheinlichkeit[m] > 0;
    g.abbruch = o.abbruch;

    // Tasks: the sets below each pair of smallest numbers, in lexicographic order, which is also
    // the order of their holes.
    struct Aufgabe {
        int a1, a2;
        std::int64_t gewicht;
        std::vector<std::uint64_t> loecher;
    };
    std::vector<Aufgabe> aufgaben;
    std::int64_t gesamt = 0;
    if (g.tiefste >= 2)
        for (int a1 = 0; a1 < zahlen; ++a1)
            for (int a2 = a1 + 1; a2 < zahlen; ++a2) {
                std::int64_t gewicht = 0;
                for (int j = 0; j <= g.tiefste - 2; ++j)
                    gewicht += Kombinatorik::binom(zahlen - 1 - a2, j);
                aufgaben.push_back({a1, a2, gewicht, {}});
                gesamt += gewicht;
            }

    const int n = std::max(1, std::min(threadzahl(o.threads), int(aufgaben.size())));
    std::vector<Summe> summen(static_cast<std::size_t>(n));
    std::vector<std::uint64_t> wurzelLoecher;
    Lauf(g, summen[0]).wurzel(wurzelLoecher);

    std::atomic<std::size_t> naechste{0};
    std::atomic<std::int64_t> erledigt{0};
    auto arbeiten = [&](int i) {
        Lauf lauf(g, summen[std::size_t(i)]);
        while (!g.abgebrochen()) {
            const std::size_t k = naechste.fetch_add(1);
            if (k >= aufgaben.size())
                break;
            Aufgabe& a = aufgaben[k];
            lauf.aufgabe(a.a1, a.a2, a.loecher);
            const std::int64_t fertig = erledigt.fetch_add(a.gewicht) + a.gewicht;
            if (i == 0 && o.fortschritt)
                o.fortschritt(double(fertig) / double(gesamt));
        }
    };
    std::vector<std::thread> helfer;
    for (int i = 1; i < n; ++i)
        helfer.emplace_back(arbeiten, i);
    arbeiten(0);
    for (std::thread& t : helfer)
        t.join();

    Summe s;
    for (const Summe& teil : summen)
        s.dazu(teil);
    e.vollstaendig = !g.abgebrochen();
    for (std::size_t m = 0; m < 7; ++m)
        e.sicher[m] = int(m) <= g.tiefste ? s.sicher[m] : -1;
    e.faelle = s.faelle;
    e.loecher = s.loecher;
    e.ersteLoecher = wurzelLoecher;
    for (const Aufgabe& a : aufgaben)
        for (const std::uint64_t l : a.loecher)
            if (e.ersteLoecher.size() < g.erste)
                e.ersteLoecher.push_back(l);
    if (o.fortschritt)
        o.fortschritt(1.0);
    return e;
}

} // namespace

bool Garantiepruefung::Ergebnis::haelt(Garantie g) const {
    if (g.wenn < 0 || g.wenn > 6)
        return false;
    if (g.wenn > zahlen)
        return true; // no case to miss it
    return sicher[std::size_t(g.wenn)] >= g.richtige;
}

std::vector<Garantie> Garantiepruefung::Ergebnis::garantien() const {
    std::vector<Garantie> g;
    for (int m = 1; m <= 6; ++m) {
        const int t = sicher[std::size_t(m)];
        if (t >= 2 && t > sicher[std::size_t(m - 1)])
            g.push_back({t, m});
    }
    return g;
}

std::int64_t Garantiepruefung::Ergebnis::mengen() const {
    return garantie ? Kombinatorik::binom(zahlen, garantie->wenn) : 0;
}

double Garantiepruefung::Ergebnis::abdeckung() const {
    const std::int64_t alle = mengen();
    return alle > 0 ? double(alle - loecher) / double(alle) : 1.0;
}

std::int64_t Garantiepruefung::Ergebnis::faelleMit(int m) const {
    return Kombinatorik::binom(zahlen, m) * Nichtgezogen;
}

double Garantiepruefung::Ergebnis::anteil(int m, int rang) const {
    const std::int64_t alle = faelleMit(m);
    if (alle == 0 || m < 0 || m > 6 || rang < 0 || rang > 6)
        return 0;
    return double(faelle[std::size_t(m)][std::size_t(rang)]) / double(alle);
}

double Garantiepruefung::Ergebnis::rangWahrscheinlichkeit(int rang) const {
    double p = 0;
    for (int m = 0; m <= 6; ++m)
        p += wahrscheinlichkeit[std::size_t(m)] * anteil(m, rang);
    return p;
}

Garantiepruefung::Ergebnis Garantiepruefung::pruefen(std::span<const std::uint64_t> reihen, int zahlen,
                                                     const Optionen& optionen) {
    return ausfuehren(reihen, zahlen, optionen, Gezogen);
}

Garantiepruefung::Ergebnis Garantiepruefung::pruefen(std::span<const std::uint64_t> reihen, int zahlen) {
    return pruefen(reihen, zahlen, Optionen());
}

Garantiepruefung::Ergebnis Garantiepruefung::katalog(int index) {
    return katalog(index, Optionen());
}

Garantiepruefung::Ergebnis Garantiepruefung::garantiePruefen(std::span<const std::uint64_t> reihen,
                                                             int zahlen, Garantie g, int threads) {
    Optionen o;
    o.garantie = g;
    o.verteilung = false;
    o.threads = threads;
    return ausfuehren(reihen, zahlen, o, std::clamp(g.wenn, 0, Gezogen));
}

Garantiepruefung::Ergebnis Garantiepruefung::katalog(int index, const Optionen& optionen) {
    const TSystemDef& s = System(index);
    if (s.Anzahl == 0)
        throw Fehler(QStringLiteral("Das System %1 gibt es nicht.").arg(index));
    std::vector<SystemReihe> zeilen;
    SystemReihenErzeugen(index, s.Reihen, zeilen);
    std::vector<std::uint64_t> masken;
    masken.reserve(zeilen.size());
    for (const SystemReihe& z : zeilen) {
        std::uint64_t m = 0;
        for (const std::int32_t p : z)
            m |= std::uint64_t(1) << (p - 1);
        masken.push_back(m);
    }
    return pruefen(masken, s.Anzahl, optionen);
}

double Garantiepruefung::wahrscheinlichkeit(int v, int m) {
    if (v < 0 || v > Spiele || m < 0 || m > Gezogen)
        return 0;
    return double(Kombinatorik::binom(v, m)) * double(Kombinatorik::binom(Spiele - v, Gezogen - m)) /
           double(Kombinatorik::binom(Spiele, Gezogen));
}

} // namespace core
