#pragma once

#include <array>
#include <cstdint>

namespace core {

// The numbers 1..45 in an order drawn from `seed`, the same order for the same seed everywhere:
// for i = 1..45, entry i is swapped with an entry drawn uniformly from i..45 (Fisher-Yates).
// The source is std::mt19937 seeded with `seed`. A draw from k values takes the next 32-bit
// output u, rejects it while u >= 2^32 - (2^32 mod k), and yields u mod k; so no value is favoured
// and the result does not depend on the library's distributions.
std::array<int, 45> ZufallsReihenfolge(std::uint32_t seed);

} // namespace core
