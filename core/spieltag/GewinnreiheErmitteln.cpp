#include "GewinnreiheErmitteln.h"

#include <algorithm>
#include <cstdlib>

namespace core {

Gewinnreihenermittlung GewinnreiheErmitteln(const ProPaarung<TErgebnis>& ergebnis) {
    ProPaarung<int> heim{};
    ProPaarung<int> gast{};
    for (int i = 1; i <= AnzahlPaarungen; ++i) {
        const bool ohne = ergebnis[i].ToreHeim == TErgebnis::OhneErgebnis &&
                          ergebnis[i].ToreGast == TErgebnis::OhneErgebnis;
        heim[i] = ohne ? 0 : ergebnis[i].ToreHeim;
        gast[i] = ohne ? 0 : ergebnis[i].ToreGast;
    }
    const auto unentschieden = [&](int i) { return heim[i] == gast[i]; };
    const auto knapp = [&](int i) { return std::abs(heim[i] - gast[i]) == 1; };

    Gewinnreihenermittlung e;
    QList<int>& L = e.L;
    const auto voll = [&] { return L.size() == Gewinnreihenermittlung::Plaetze; };

    // The counting stops at 0 goals per side and 1 goal in total, so negative counts never rank.
    int m = -1;
    for (int i = 1; i <= AnzahlPaarungen; ++i)
        if (unentschieden(i))
            m = std::max(m, heim[i]);
    for (int g = m; g >= 0 && !voll(); --g)
        for (int i = 1; i <= AnzahlPaarungen && !voll(); ++i)
            if (unentschieden(i) && heim[i] == g)
                L.append(i);

    int s = 0;
    for (int i = 1; i <= AnzahlPaarungen; ++i)
        if (knapp(i))
            s = std::max(s, heim[i] + gast[i]);
    for (int t = s; t >= 1 && !voll(); --t)
        for (int i = 1; i <= AnzahlPaarungen && !voll(); ++i)
            if (knapp(i) && heim[i] + gast[i] == t)
                L.append(i);

    for (int k = 0; k < L.size(); ++k) {
        if (k < 6) {
            e.Gewinnreihe.Zahlen[k] = static_cast<std::uint8_t>(L[k]);
            e.Gewinnreihe.Menge.hinzufuegen(L[k]);
        } else {
            e.Gewinnreihe.ZS = L[k];
        }
        e.Boxen[k + 1] = QString::number(L[k]);
    }
    return e;
}

} // namespace core
