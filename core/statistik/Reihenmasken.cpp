#include "Reihenmasken.h"

#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"
#include "core/schein/Auswertung.h"
#include "core/schein/G1Spalten.h"
#include "core/schein/Zahlzellen.h"
#include "core/schein/Zeilentabelle.h"

#include <algorithm>
#include <bit>

namespace core {
namespace {

using Z = Zeilentabelle;
constexpr int N = Reihenmasken::JeDurchgang;

struct Durchgang {
    std::uint64_t gewinn[N]{};
    std::uint64_t ohneZs[N]{}; // the winning numbers a number in plain digits can hit
    std::uint64_t zsBit[N]{};
};

using Zaehler = int[N][14];

// zaehler[j][treffer * 2 + zs] for the rows with three hits or more; most rows have fewer.
template <bool MitAnders>
[[gnu::always_inline]] inline void zaehlen(const std::uint64_t* kanonisch, const std::uint64_t* anders,
                                           std::size_t n, const Durchgang& d, Zaehler& zaehler) {
    for (std::size_t r = 0; r < n; ++r) {
        const std::uint64_t k = kanonisch[r];
#pragma GCC unroll 8
        for (int j = 0; j < N; ++j) {
            std::uint64_t treffer = k & d.ohneZs[j];
            if constexpr (MitAnders)
                treffer |= anders[r] & d.gewinn[j];
            const int t = std::popcount(treffer);
            if (t >= 3) [[unlikely]]
                ++zaehler[j][t * 2 + ((k & d.zsBit[j]) != 0)];
        }
    }
}

void zaehlenAllgemein(const std::uint64_t* kanonisch, const std::uint64_t* anders, std::size_t n,
                      const Durchgang& d, Zaehler& zaehler) {
    if (anders)
        zaehlen<true>(kanonisch, anders, n, d, zaehler);
    else
        zaehlen<false>(kanonisch, nullptr, n, d, zaehler);
}

#if defined(__x86_64__) || defined(__i386__)
// The same loop with the processor's population count, which the baseline target lacks; it
// makes the pass several times faster.
[[gnu::target("popcnt")]] void zaehlenPopcnt(const std::uint64_t* kanonisch, const std::uint64_t* anders,
                                             std::size_t n, const Durchgang& d, Zaehler& zaehler) {
    if (anders)
        zaehlen<true>(kanonisch, anders, n, d, zaehler);
    else
        zaehlen<false>(kanonisch, nullptr, n, d, zaehler);
}
#endif

// The counting loop this processor runs best.
auto zaehlenBest() {
#if defined(__x86_64__) || defined(__i386__)
    return __builtin_cpu_supports("popcnt") ? zaehlenPopcnt : zaehlenAllgemein;
#else
    return zaehlenAllgemein;
#endif
}

} // namespace

Reihenmasken Reihenmasken::aus(const Zeilentabelle& t) {
    Reihenmasken m;
    Zahlzellen klassen(t);
    const int spalten = std::min(t.spalten() - 1, G1Spalten::LetzteZahl);
    // Room for every row, taken once; the rows passed over are cut off at the end.
    m.kanonisch_.resize(std::size_t(std::max(t.zeilen() - 1, 0)));
    std::size_t reihen = 0;
    bool mitAnders = false;
    Grossfeld<std::uint64_t> anders;
    for (int r = 1; r < t.zeilen(); ++r) {
        const Z::Zelle* zeile = t.zeile(r);
        if (zeile[G1Spalten::ErsteZahl] == Z::Leer)
            continue;
        std::uint64_t k = 0;
        std::uint64_t a = 0;
        for (int c = G1Spalten::ErsteZahl; c <= spalten; ++c) {
            const Z::Zelle z = zeile[c];
            if (Z::istZahl(z)) {
                const std::uint32_t n = Z::zahlWert(z);
                if (n <= std::uint32_t(Zahlenmenge::Groesste))
                    (Z::zahlBlanks(z) == 0 ? k : a) |= std::uint64_t{1} << n;
            } else if (z != Z::Leer) {
                const std::int8_t klasse = klassen.klasse(z);
                if (klasse == Zahlzellen::KeineZahl)
                    throw Fehler(KeinIntegerText(t.pooltext(z)));
                if (klasse >= 0)
                    a |= std::uint64_t{1} << klasse;
            }
        }
        // The masks of the other forms start zero: their rows up to here had none.
        if (a != 0 && !mitAnders) {
            mitAnders = true;
            anders.resize(m.kanonisch_.size());
        }
        if (mitAnders)
            anders[reihen] = a;
        m.kanonisch_[reihen++] = k;
    }
    m.kanonisch_.resize(reihen);
    if (mitAnders)
        anders.resize(reihen);
    m.anders_ = std::move(anders);
    return m;
}

std::array<int, 7> Reihenmasken::bewerten(Zahlenmenge gewinn, int zs) const {
    return bewerten(std::vector<Ziehung>{{gewinn, zs}}).front();
}

std::vector<std::array<int, 7>> Reihenmasken::bewerten(const std::vector<Ziehung>& ziehungen) const {
    std::vector<std::array<int, 7>> ergebnis(ziehungen.size());
    for (std::size_t ab = 0; ab < ziehungen.size(); ab += N) {
        // Lanes beyond the last winning row stay empty and never reach three hits.
        Durchgang d;
        for (int j = 0; j < N && ab + std::size_t(j) < ziehungen.size(); ++j) {
            const Ziehung& z = ziehungen[ab + std::size_t(j)];
            d.gewinn[j] = z.gewinn.bits();
            d.zsBit[j] = z.zs >= 0 && z.zs <= Zahlenmenge::Groesste ? std::uint64_t{1} << z.zs : 0;
            d.ohneZs[j] = d.gewinn[j] & ~d.zsBit[j];
        }
        Zaehler zaehler{};
        static const auto zaehlenHier = zaehlenBest();
        zaehlenHier(kanonisch_.data(), anders_.empty() ? nullptr : anders_.data(), kanonisch_.size(), d,
                    zaehler);
        for (int j = 0; j < N && ab + std::size_t(j) < ziehungen.size(); ++j) {
            std::array<int, 7>& anzahl = ergebnis[ab + std::size_t(j)];
            for (int treffer = 3; treffer <= 6; ++treffer)
                for (int zs = 0; zs < 2; ++zs)
                    anzahl[std::size_t(Rang(treffer, zs != 0))] += zaehler[j][treffer * 2 + zs];
        }
    }
    return ergebnis;
}

} // namespace core
