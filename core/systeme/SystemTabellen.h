#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace core {

// One stored row of a partial system: six placeholders 1..Anzahl, ascending.
using TeilsystemReihe = std::array<std::uint8_t, 6>;

// The rows of the partial system of catalogue index 8..14 in their stored order; an empty span for
// any other index.
std::span<const TeilsystemReihe> TeilsystemTabelle(int index);

} // namespace core
