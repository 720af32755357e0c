#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace core {

// One entry of the system catalogue. Reserve and Nummer are stored with the entry and read by
// nothing; Anzahl is how many numbers the player ticks, Reihen how many tip rows come out.
struct TSystemDef {
    std::uint8_t Reserve;
    std::uint8_t Anzahl;
    std::string_view Name; // at most 7 characters
    std::int32_t Reihen;
    std::int32_t Nummer;
};

// Index 1..14; index 0 stands for "no system chosen" and is an empty entry.
inline constexpr std::array<TSystemDef, 15> Systeme = {{
    {0, 0, "", 0, 0},
    {0, 7, "007", 7, 431},
    {0, 8, "008", 28, 432},
    {0, 9, "009", 84, 433},
    {0, 10, "010", 210, 434},
    {0, 11, "011", 462, 435},
    {0, 12, "012", 924, 436},
    {0, 13, "013", 1716, 436}, // the same reference number as "012"
    {0, 9, "9/12", 12, 347},
    {0, 12, "12/22", 22, 22},
    {0, 10, "10/30", 30, 356},
    {0, 11, "11/66", 66, 354},
    {0, 22, "22/77", 77, 351},
    {0, 26, "26/130", 130, 350},
    {0, 12, "12/132", 132, 353},
}};

inline constexpr int ErstesVollsystem = 1;
inline constexpr int LetztesVollsystem = 7;
inline constexpr int ErstesTeilsystem = 8;
inline constexpr int LetztesTeilsystem = 14;

// The catalogue entry of index 1..14; any other index gives the empty entry 0.
const TSystemDef& System(int index);

// n over k as the program has always computed it: numerator factors cancelled against the
// denominator factors, both multiplied out in 64 bits, divided in extended precision and rounded.
std::int64_t NueberK(std::int32_t n, std::int32_t k);

} // namespace core
