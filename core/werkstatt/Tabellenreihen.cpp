#include "Tabellenreihen.h"

#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"
#include "core/schein/Zeilentabelle.h"

#include <algorithm>
#include <array>
#include <bit>

namespace core {
namespace {

constexpr int Spiele = 45;

} // namespace

Tabellenreihen Tabellenreihen::aus(const Zeilentabelle& tabelle, std::span<const int> zahlen) {
    // Each row first as a mask over the numbers 1..45 themselves.
    std::vector<std::uint64_t> roh;
    std::uint64_t benutzt = 0;
    for (int r = 1; r < tabelle.zeilen(); ++r) {
        if (tabelle.text(r, 1).trimmed().isEmpty())
            continue;
        std::uint64_t reihe = 0;
        for (int c = 1; c <= 6; ++c) {
            const QString text = tabelle.text(r, c);
            if (text.trimmed().isEmpty())
                throw Fehler(QStringLiteral("Die Reihe %1 hat keine sechs Zahlen.").arg(r));
            const int n = StrToInt(text);
            if (n < 1 || n > Spiele)
                throw Fehler(
                    QStringLiteral("Die Reihe %1 enthält die Zahl %2; Zahlen liegen zwischen 1 und 45.")
                        .arg(r)
                        .arg(n));
            const std::uint64_t bit = std::uint64_t{1} << n;
            if ((reihe & bit) != 0)
                throw Fehler(QStringLiteral("Die Reihe %1 enthält die Zahl %2 doppelt.").arg(r).arg(n));
            reihe |= bit;
        }
        roh.push_back(reihe);
        benutzt |= reihe;
    }
    if (roh.empty())
        throw Fehler(QStringLiteral("Es gibt keine Tippreihen, deren Garantie geprüft werden kann."));

    Tabellenreihen t;
    if (zahlen.empty()) {
        for (int n = 1; n <= Spiele; ++n)
            if ((benutzt >> n & 1U) != 0)
                t.zahlen.push_back(n);
    } else {
        t.zahlen.assign(zahlen.begin(), zahlen.end());
        std::sort(t.zahlen.begin(), t.zahlen.end());
        std::uint64_t gegeben = 0;
        for (const int n : t.zahlen)
            if (n >= 1 && n <= Spiele)
                gegeben |= std::uint64_t{1} << n;
        if (const std::uint64_t fremd = benutzt & ~gegeben; fremd != 0)
            throw Fehler(QStringLiteral("Die Zahl %1 steht in einer Reihe, gehört aber nicht zu den "
                                        "angegebenen Zahlen.")
                             .arg(std::countr_zero(fremd)));
    }
    // Position of each number among the chosen ones.
    std::array<int, Spiele + 1> stelle{};
    for (std::size_t i = 0; i < t.zahlen.size(); ++i)
        stelle[std::size_t(t.zahlen[i])] = int(i);
    t.reihen.reserve(roh.size());
    for (std::uint64_t reihe : roh) {
        std::uint64_t maske = 0;
        for (; reihe != 0; reihe &= reihe - 1)
            maske |= std::uint64_t{1} << stelle[std::size_t(std::countr_zero(reihe))];
        t.reihen.push_back(maske);
    }
    return t;
}

} // namespace core
