#include "GitterSortieren.h"

#include "G1Spalten.h"
#include "Zeilentabelle.h"
#include "core/grund/Fehler.h"
#include "core/grund/Grossfeld.h"
#include "core/grund/Umwandlung.h"

#include <algorithm>
#include <numeric>
#include <span>
#include <utility>
#include <vector>

namespace core {
namespace {

// Keys spread over at most this many values are sorted by counting.
constexpr std::int64_t ZaehlBereich = 1 << 16;

Grossfeld<int> schluesselLesen(const Zeilentabelle& t, int spalte) {
    using Z = Zeilentabelle;
    Grossfeld<int> schluessel(std::size_t(t.zeilen() - 1));
    // A pool text is converted once, however many rows share it.
    std::vector<std::optional<int>> poolWerte(t.poolGroesse());
    for (int r = 1; r < t.zeilen(); ++r) {
        const Z::Zelle z = t.zelle(r, spalte);
        int& ziel = schluessel[std::size_t(r - 1)];
        if (Z::istZahl(z)) {
            ziel = int(Z::zahlWert(z));
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
Grossfeld<int> ordnen(const Grossfeld<int>& schluessel, bool absteigend) {
    const auto [kleinster, groesster] = std::minmax_element(schluessel.begin(), schluessel.end());
    const std::int64_t unten = *kleinster;
    const std::int64_t bereich = std::int64_t(*groesster) - unten + 1;
    Grossfeld<int> ordnung(schluessel.size());
    if (bereich > ZaehlBereich) {
        std::iota(ordnung.begin(), ordnung.end(), 0);
        std::stable_sort(ordnung.begin(), ordnung.end(), [&](int a, int b) {
            return absteigend ? schluessel[std::size_t(a)] > schluessel[std::size_t(b)]
                              : schluessel[std::size_t(a)] < schluessel[std::size_t(b)];
        });
        return ordnung;
    }
    const auto fach = [&](int k) {
        const auto i = std::size_t(k - unten);
        return absteigend ? std::size_t(bereich) - 1 - i : i;
    };
    std::vector<int> start(std::size_t(bereich) + 1, 0);
    for (const int k : schluessel)
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
    // The keys are read before any row moves: a key that is no integer leaves the table whole.
    Grossfeld<int> schluessel = schluesselLesen(t, spalte);
    const auto reihenfolge = [&](int a, int b) { return absteigend ? a > b : a < b; };
    if (std::is_sorted(schluessel.begin(), schluessel.end(), reihenfolge))
        return;
    Grossfeld<int> ordnung = ordnen(schluessel, absteigend);
    for (int& i : ordnung)
        ++i;
    // The keys are done with: their block serves the reordering as its second index.
    t.umordnen(1, ordnung, schluessel);
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
