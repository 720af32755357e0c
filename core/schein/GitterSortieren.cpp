#include "GitterSortieren.h"

#include "G1Spalten.h"
#include "Zeilentabelle.h"
#include "core/grund/Dreibyteindex.h"
#include "core/grund/Fehler.h"
#include "core/grund/Grossfeld.h"
#include "core/grund/Umwandlung.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace core {
namespace {

// Keys spread over at most this many values are sorted by counting.
constexpr std::int64_t ZaehlBereich = 1 << 16;

// The integer key of a row, read from its cell. A pool text is converted once, however many rows
// share it.
class Schluessel {
public:
    Schluessel(const Zeilentabelle& t, int spalte) : t_(t), spalte_(spalte), poolWerte_(t.poolGroesse()) {}

    int operator()(int r) {
        using Z = Zeilentabelle;
        const Z::Zelle z = t_.zelle(r, spalte_);
        if (Z::istZahl(z))
            return int(Z::zahlWert(z));
        if (z == Z::Leer)
            throw Fehler(KeinIntegerText(QString()));
        auto& wert = poolWerte_[Z::poolIndex(z)];
        if (!wert)
            wert = StrToInt(t_.pooltext(z));
        return *wert;
    }

private:
    const Zeilentabelle& t_;
    int spalte_;
    std::vector<std::optional<int>> poolWerte_;
};

// The stable order of rows 1..n by counting their keys, read twice from the cells: ablegen(i, r) is
// told that row 1 + r comes i-th.
template <typename Ablegen>
void zaehlend(Schluessel& schluessel, int n, int kleinster, int groesster, bool absteigend, Ablegen ablegen) {
    const std::size_t bereich = std::size_t(std::int64_t(groesster) - kleinster) + 1;
    const auto fach = [&](int k) {
        const auto i = std::size_t(std::int64_t(k) - kleinster);
        return absteigend ? bereich - 1 - i : i;
    };
    std::vector<int> start(bereich + 1, 0);
    for (int r = 1; r <= n; ++r)
        ++start[fach(schluessel(r)) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    for (int r = 1; r <= n; ++r)
        ablegen(std::size_t(start[fach(schluessel(r))]++), r - 1);
}

} // namespace

void GitterSortieren(Zeilentabelle& t, int spalte, bool absteigend) {
    if (t.zeilen() < 2 || t.text(1, spalte) == u"---")
        return;
    const int n = t.zeilen() - 1;
    const auto zeilen = static_cast<std::size_t>(n);
    Schluessel schluessel(t, spalte);
    // Every key is read before any row moves: a key that is no integer leaves the table whole.
    int kleinster = schluessel(1);
    int groesster = kleinster;
    bool sortiert = true;
    for (int r = 2, vorher = kleinster; r <= n; ++r) {
        const int k = schluessel(r);
        kleinster = std::min(kleinster, k);
        groesster = std::max(groesster, k);
        sortiert = sortiert && (absteigend ? k <= vorher : k >= vorher);
        vorher = k;
    }
    if (sortiert)
        return;
    if (std::int64_t(groesster) - kleinster >= ZaehlBereich) {
        Grossfeld<int> werte{zeilen};
        for (int r = 1; r <= n; ++r)
            werte[std::size_t(r - 1)] = schluessel(r);
        Grossfeld<int> ordnung{zeilen};
        std::iota(ordnung.begin(), ordnung.end(), 1);
        std::stable_sort(ordnung.begin(), ordnung.end(), [&](int a, int b) {
            return absteigend ? werte[std::size_t(a - 1)] > werte[std::size_t(b - 1)]
                              : werte[std::size_t(a - 1)] < werte[std::size_t(b - 1)];
        });
        // The keys are done with: their block serves the reordering as its second index.
        t.umordnen(1, ordnung, werte);
    } else if (n < Dreibyteindex::Grenze) {
        // Two indexes of three bytes a row: all that a slip of millions of rows needs beside itself.
        Dreibyteindex ordnung(zeilen);
        zaehlend(schluessel, n, kleinster, groesster, absteigend, [&](std::size_t i, int r) { ordnung.setzen(i, r); });
        Dreibyteindex platz(zeilen);
        t.umordnen(1, ordnung, platz);
    } else {
        Grossfeld<int> ordnung{zeilen};
        zaehlend(schluessel, n, kleinster, groesster, absteigend, [&](std::size_t i, int r) { ordnung[i] = r + 1; });
        Grossfeld<int> platz{zeilen};
        t.umordnen(1, ordnung, platz);
    }
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
