#include "Auswertung.h"

#include "G1Spalten.h"
#include "GitterSortieren.h"
#include "Zahlzellen.h"
#include "Zeilentabelle.h"
#include "core/grund/Fehler.h"
#include "core/grund/Konstanten.h"
#include "core/grund/Umwandlung.h"
#include "core/grund/Zahlformat.h"
#include "core/spieltag/Quoten.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace core {
namespace {

using Z = Zeilentabelle;

constexpr int Raenge = 6;

bool mitRang(const std::array<int, 7>& anzahl) {
    return std::any_of(anzahl.begin() + 1, anzahl.end(), [](int n) { return n > 0; });
}

bool nurBlanks(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' '; });
}

// What ReihenBewerten writes and counts for every outcome (hits, additional match), worked out once.
struct Ergebniszellen {
    Z::Zelle rang[7][2];
    Z::Zelle schluessel[7][2];
    int nummer[7][2];
};

// The row loop, inlined into a variant for processors with a population count and one without.
[[gnu::always_inline]] inline std::array<int, 7> reihenZaehlen(Zeilentabelle& t, std::uint64_t gewinn,
                                                               Z::Zelle zsZelle, const Ergebniszellen& e) {
    Zahlzellen klassen(t);
    std::array<int, 7> anzahl{};
    const int spalten = std::min(t.spalten() - 1, Raenge);
    for (int r = 1; r < t.zeilen(); ++r) {
        Z::Zelle* zeile = t.zeile(r);
        if (zeile[G1Spalten::ErsteZahl] == Z::Leer)
            continue;
        std::uint64_t zahlen = 0;
        bool zs = false;
        for (int c = 1; c <= spalten; ++c) {
            const Z::Zelle z = zeile[c];
            if (Z::istZahl(z)) {
                if (z == zsZelle) {
                    zs = true;
                } else if (const std::uint32_t n = Z::zahlWert(z);
                           n <= std::uint32_t(Zahlenmenge::Groesste)) {
                    zahlen |= std::uint64_t{1} << n;
                }
            } else if (z != Z::Leer) {
                const std::int8_t klasse = klassen.klasse(z);
                if (z == zsZelle)
                    zs = true;
                else if (klasse == Zahlzellen::KeineZahl)
                    throw Fehler(KeinIntegerText(t.pooltext(z)));
                else if (klasse >= 0)
                    zahlen |= std::uint64_t{1} << klasse;
            }
        }
        const int treffer = std::popcount(zahlen & gewinn);
        zeile[G1Spalten::Rang] = e.rang[treffer][zs];
        zeile[G1Spalten::Schluessel] = e.schluessel[treffer][zs];
        ++anzahl[std::size_t(e.nummer[treffer][zs])];
    }
    anzahl[0] = 0;
    return anzahl;
}

std::array<int, 7> reihenZaehlenAllgemein(Zeilentabelle& t, std::uint64_t gewinn, Z::Zelle zsZelle,
                                          const Ergebniszellen& e) {
    return reihenZaehlen(t, gewinn, zsZelle, e);
}

#if defined(__x86_64__) || defined(__i386__)
// The baseline target has no population count: a call per row without it.
[[gnu::target("popcnt")]] std::array<int, 7> reihenZaehlenPopcnt(Zeilentabelle& t, std::uint64_t gewinn,
                                                                 Z::Zelle zsZelle, const Ergebniszellen& e) {
    return reihenZaehlen(t, gewinn, zsZelle, e);
}
#endif

} // namespace

std::array<int, 7> ReihenBewerten(Zeilentabelle& t, Zahlenmenge menge, QStringView zsText) {
    // The result cells of every outcome, as codes, so that a row is written without any text.
    Ergebniszellen e;
    for (int treffer = 0; treffer <= 6; ++treffer) {
        for (int zs = 0; zs < 2; ++zs) {
            const int r = Rang(treffer, zs != 0);
            e.nummer[treffer][zs] = r;
            e.rang[treffer][zs] =
                r > 0 ? t.kodieren(RangText[std::size_t(r)]) : Z::zahl(std::uint32_t(treffer));
            e.schluessel[treffer][zs] = Z::zahl(std::uint32_t(r > 0 ? r : SortSchluesselOhneRang + treffer));
        }
    }
    // A cell holds the additional match when its text is the box's text, so when its code is the
    // code that text has here. An empty or blank box text matches no cell: blank cells are no number.
    Z::Zelle zsZelle = Z::Leer;
    if (!nurBlanks(zsText))
        zsZelle = t.suchen(zsText).value_or(Z::Leer);
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("popcnt"))
        return reihenZaehlenPopcnt(t, menge.bits(), zsZelle, e);
#endif
    return reihenZaehlenAllgemein(t, menge.bits(), zsZelle, e);
}

Auswertung Auswerten(Zeilentabelle& g1, Zahlenmenge menge, QStringView zsText, const TQuoten& quoten,
                     bool nachRangSortieren) {
    Auswertung a;
    if (menge.leer())
        return a;
    a.gelaufen = true;
    try {
        a.anzahl = ReihenBewerten(g1, menge, zsText);
        a.mitRang = mitRang(a.anzahl);
        if (nachRangSortieren)
            a.sortiert = RangSortieren(g1);
        BetraegeSetzen(a, quoten);
    } catch (const Fehler& f) {
        a.fehler = f.text();
    }
    return a;
}

void BetraegeSetzen(Auswertung& a, const TQuoten& quoten) {
    // Every run writes all six ranks, also when no row has one: old figures must not stay
    // on the screen as if they were this run's.
    a.gesamt = 0;
    for (std::size_t i = 1; i <= Raenge; ++i) {
        a.anzahlText[i] = QString::number(a.anzahl[i]);
        const std::optional<double> quote = a.anzahl[i] > 0 ? QuoteLesen(quoten[i]) : std::nullopt;
        if (quote) {
            const double betrag = a.anzahl[i] * *quote;
            a.betragText[i] = Betragstext(betrag);
            a.gesamt += betrag;
        } else {
            a.betragText[i] = QString();
        }
        a.gesamtText = Betragstext(a.gesamt);
    }
}

Auswertung RaengeAuswerten(const std::array<int, 7>& anzahl, const TQuoten& quoten) {
    Auswertung a;
    a.gelaufen = true;
    a.anzahl = anzahl;
    a.anzahl[0] = 0;
    a.mitRang = mitRang(a.anzahl);
    try {
        BetraegeSetzen(a, quoten);
    } catch (const Fehler& f) {
        a.fehler = f.text();
    }
    return a;
}

} // namespace core
