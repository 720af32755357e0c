#pragma once

#include "core/grund/TGewinnreihe.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace core {

class Textmass;
class Zeilentabelle;

// One expanded row: six placeholders 1..Anzahl, ascending.
using SystemReihe = std::array<std::int32_t, 6>;

// Expands catalogue entry `index` into SystemReihen, `rows` being the entry's Reihen. The buffer
// is resized first; full systems (1..7) are generated, partial systems (8..14) copied from their
// stored tables; any other index only resizes.
void SystemReihenErzeugen(std::int32_t index, std::int32_t rows, std::vector<SystemReihe>& SystemReihen);

// The first `count` ticked numbers 1..45 in ascending order; element k-1 stands for placeholder k.
void KreuzeSammeln(const Zahlenmenge& kreuze, std::int32_t count, std::vector<std::uint8_t>& SystemZahlen);

// Writes the expanded rows into the row table: row count rows + 1, column 0 the row label for
// the nominal width, columns 1..6 the numbers the placeholders stand for. Other columns keep what
// they held; rows added by the new row count start empty.
void SystemReihenSchreiben(Zeilentabelle& G1, std::int32_t rows, const std::vector<SystemReihe>& SystemReihen,
                           const std::vector<std::uint8_t>& SystemZahlen, int nominal, const Textmass& mass);

// The row count as LReihen shows it ("1.716").
QString ReihenText(std::int32_t rows);

// "System abwickeln" for system `s` and the ticked numbers: expands, collects, writes the rows and
// returns the text for LReihen. The buffers are the caller's and hold the result afterwards.
QString SystemAbwickeln(std::int32_t s, const Zahlenmenge& kreuze, Zeilentabelle& G1, int nominal,
                        const Textmass& mass, std::vector<SystemReihe>& SystemReihen,
                        std::vector<std::uint8_t>& SystemZahlen);

} // namespace core
