#include "GitterSortieren.h"

#include "G1Spalten.h"
#include "Zeilentabelle.h"
#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace core {
namespace {

// Keys spread over at most this many values are sorted by counting.
constexpr std::int64_t ZaehlBereich = 1 << 16;

std::vector<std::int32_t> schluesselLesen(const Zeilentabelle& t, int spalte) {
    using Z = Zeilentabelle;
    std::vector<std::int32_t> schluessel(std::size_t(t.zeilen() - 1));
    // A pool text is converted once, however many rows share it.
    std::vector<std::optional<std::int32_t>> poolWerte(t.poolGroesse());
    for (int r = 1; r < t.zeilen(); ++r) {
        const Z::Zelle z = t.zelle(r, spalte);
        std::int32_t& ziel = schluessel[std::size_t(r - 1)];
        if (Z::istZahl(z)) {
            ziel = std::int32_t(Z::zahlWert(z));
        } else if (z == Z::Leer) {
            throw Fehler(KeinIntegerText(QString()));
        } else {
            auto& wert = poolWerte[Z::poolIndex(z)];
            if (!wert)
                wert = StrToInt(t.pooltext(z));
            ziel = *wert;
        }
    }
    return schluessel;
}

// The stable order of the rows by key: ordnung[i] is the index of the row that comes i-th.
std::vector<int> ordnen(const std::vector<std::int32_t>& schluessel, bool absteigend) {
    const auto [kleinster, groesster] = std::minmax_element(schluessel.begin(), schluessel.end());
    const std::int64_t unten = *kleinster;
    const std::int64_t bereich = std::int64_t(*groesster) - unten + 1;
    std::vector<int> ordnung(schluessel.size());
    if (bereich > ZaehlBereich) {
        std::iota(ordnung.begin(), ordnung.end(), 0);
        std::stable_sort(ordnung.begin(), ordnung.end(), [&](int a, int b) {
            return absteigend ? schluessel[std::size_t(a)] > schluessel[std::size_t(b)]
                              : schluessel[std::size_t(a)] < schluessel[std::size_t(b)];
        });
        return ordnung;
    }
    const auto fach = [&](std::int32_t k) {
        const auto i = std::size_t(k - unten);
        return absteigend ? std::size_t(bereich) - 1 - i : i;
    };
    std::vector<int> start(std::size_t(bereich) + 1, 0);
    for (const std::int32_t k : schluessel)
        ++start[fach(k) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    for (std::size_t i = 0; i < schluessel.size(); ++i)
        ordnung[std::size_t(start[fach(schluessel[i])]++)] = int(i);
    return ordnung;
}

} // namespace

void GitterSortieren(Zeilentabelle& t, int spalte, bool absteigend) {
    if (t.zeilen() < 2 || t.text(1, spalte) == u"---")
        return;
    std::vector<int> ordnung;
    {
        // The keys go before the rows move: a large slip has no memory to spare.
        const std::vector<std::int32_t> schluessel = schluesselLesen(t, spalte);
        const auto reihenfolge = [&](std::int32_t a, std::int32_t b) { return absteigend ? a > b : a < b; };
        if (std::is_sorted(schluessel.begin(), schluessel.end(), reihenfolge))
            return;
        ordnung = ordnen(schluessel, absteigend);
    }
    for (int& i : ordnung)
        ++i;
    t.umordnen(1, std::move(ordnung));
}

bool RangSortieren(Zeilentabelle& g1) {
    if (g1.zeilen() < 2 || g1.istLeer(1, G1Spalten::Schluessel))
        return false;
    GitterSortieren(g1, G1Spalten::Schluessel, false);
    return true;
}

bool NummernSortieren(Zeilentabelle& g1) {
    if (g1.zeilen() < 2 || g1.istLeer(1, G1Spalten::Reihe))
        return false;
    GitterSortieren(g1, G1Spalten::Reihe, false);
    return true;
}

} // namespace core
