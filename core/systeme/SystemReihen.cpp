#include "SystemReihen.h"

#include "SystemTabellen.h"
#include "TSystemDef.h"
#include "core/grund/Zahlformat.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Zeilentabelle.h"

#include <algorithm>

namespace core {

void SystemReihenErzeugen(std::int32_t index, std::int32_t rows, std::vector<SystemReihe>& SystemReihen) {
    SystemReihen.resize(std::size_t(std::max(rows, 0)));
    if (index >= ErstesVollsystem && index <= LetztesVollsystem) {
        const int n = System(index).Anzahl;
        SystemReihen.resize(std::size_t(std::max<std::int64_t>(NueberK(n, 6), 0)));
        if (n < 6)
            return;
        SystemReihe* ziel = SystemReihen.data();
        for (int a1 = 1; a1 <= n - 5; ++a1)
            for (int a2 = a1 + 1; a2 <= n - 4; ++a2)
                for (int a3 = a2 + 1; a3 <= n - 3; ++a3)
                    for (int a4 = a3 + 1; a4 <= n - 2; ++a4)
                        for (int a5 = a4 + 1; a5 <= n - 1; ++a5)
                            for (int a6 = a5 + 1; a6 <= n; ++a6)
                                *ziel++ = {a1, a2, a3, a4, a5, a6};
    } else if (index >= ErstesTeilsystem && index <= LetztesTeilsystem) {
        const auto tabelle = TeilsystemTabelle(index);
        const std::size_t n = std::min(SystemReihen.size(), tabelle.size());
        for (std::size_t r = 0; r < n; ++r)
            for (std::size_t j = 0; j < 6; ++j)
                SystemReihen[r][j] = tabelle[r][j];
        // A row count beyond the table has no stored rows.
        std::fill(SystemReihen.begin() + std::ptrdiff_t(n), SystemReihen.end(), SystemReihe{});
    }
}

void KreuzeSammeln(const Zahlenmenge& kreuze, std::int32_t count, std::vector<std::uint8_t>& SystemZahlen) {
    SystemZahlen.assign(std::size_t(std::max(count, 0)), 0);
    std::size_t genommen = 0;
    for (int zahl = 1; zahl <= 45 && genommen < SystemZahlen.size(); ++zahl)
        if (kreuze.enthaelt(zahl))
            SystemZahlen[genommen++] = std::uint8_t(zahl);
}

void SystemReihenSchreiben(Zeilentabelle& G1, std::int32_t rows, const std::vector<SystemReihe>& SystemReihen,
                           const std::vector<std::uint8_t>& SystemZahlen, int nominal, const Textmass& mass) {
    G1.setZeilen(rows + 1);
    const int n = std::min(std::max(rows, 0), int(SystemReihen.size()));
    if (n == 0)
        return;
    ZeilennummernSchreiben(G1, 1, n, nominal, mass);
    const int spalten = std::min(6, G1.spalten() - 1);
    for (int r = 1; r <= n; ++r) {
        const SystemReihe& reihe = SystemReihen[std::size_t(r - 1)];
        Zeilentabelle::Zelle* zeile = G1.zeile(r);
        for (int j = 1; j <= spalten; ++j) {
            const std::size_t k = std::size_t(reihe[std::size_t(j - 1)]) - 1;
            zeile[j] = k < SystemZahlen.size() ? Zeilentabelle::zahl(SystemZahlen[k]) : Zeilentabelle::Leer;
        }
    }
}

QString ReihenText(std::int32_t rows) {
    return Ganzzahltext(rows);
}

QString SystemAbwickeln(std::int32_t s, const Zahlenmenge& kreuze, Zeilentabelle& G1, int nominal,
                        const Textmass& mass, std::vector<SystemReihe>& SystemReihen,
                        std::vector<std::uint8_t>& SystemZahlen) {
    const std::int32_t rows = System(s).Reihen;
    SystemReihenErzeugen(s, rows, SystemReihen);
    KreuzeSammeln(kreuze, System(s).Anzahl, SystemZahlen);
    SystemReihenSchreiben(G1, rows, SystemReihen, SystemZahlen, nominal, mass);
    return ReihenText(rows);
}

} // namespace core
