// An own system file: what the reader takes is whole (placeholders in range, six a row, the bank in
// every row) and reads the same after it is written again; the guarantee check refuses only what
// misses the claimed guarantee.
#include "Pruefen.h"

#include "core/grund/Fehler.h"
#include "core/werkstatt/EigenesSystem.h"
#include "core/werkstatt/Garantiepruefung.h"

#include <algorithm>
#include <bit>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QByteArray bytes = fuzz::bytes(daten, laenge);
    core::EigenesSystem s;
    try {
        s = core::EigenesSystem::lesen(bytes, false);
    } catch (const core::Fehler&) {
        return 0;
    }
    PRUEFEN(s.zahlen >= 7 && s.zahlen <= 45);
    PRUEFEN(!s.reihen.empty() && int(s.reihen.size()) <= core::EigenesSystem::HoechstensReihen);
    PRUEFEN(!s.name.trimmed().isEmpty() && s.name.size() <= core::EigenesSystem::NamenLaenge);
    PRUEFEN(s.garantie.richtige >= 2 && s.garantie.richtige <= s.garantie.wenn && s.garantie.wenn <= 6);
    std::uint64_t bank = 0;
    for (const int b : s.bank)
        bank |= std::uint64_t(1) << (b - 1);
    for (const std::uint64_t r : s.reihen) {
        PRUEFEN(std::popcount(r) == 6);
        PRUEFEN((r >> s.zahlen) == 0);
        PRUEFEN((r & bank) == bank);
    }

    if (s.zahlen <= 16) {
        const bool haelt =
            core::Garantiepruefung::garantiePruefen(s.reihen, s.zahlen, s.garantie, 1).loecher == 0;
        bool gelesen = true;
        try {
            core::EigenesSystem::lesen(bytes, true);
        } catch (const core::Fehler&) {
            gelesen = false;
        }
        PRUEFEN(gelesen == haelt);
    }

    QByteArray text;
    try {
        text = s.text();
    } catch (const core::Fehler&) {
        PRUEFEN(!fuzz::inWindows1252(s.name) || s.name.contains(u'\r') || s.name.contains(u'\n'));
        return 0;
    }
    const core::EigenesSystem zurueck = core::EigenesSystem::lesen(text, false);
    PRUEFEN(zurueck.name == s.name && zurueck.zahlen == s.zahlen && zurueck.bank == s.bank &&
            zurueck.garantie == s.garantie);
    std::vector<std::uint64_t> a = s.reihen, b = zurueck.reihen;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    PRUEFEN(a == b);
    PRUEFEN(zurueck.text() == text);
    return 0;
}
