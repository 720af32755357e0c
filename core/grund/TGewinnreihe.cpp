#include "TGewinnreihe.h"

namespace core {

std::array<std::uint8_t, 6> Zahlenmenge::bytes() const {
    std::array<std::uint8_t, 6> b{};
    for (int i = 0; i < 6; ++i)
        b[i] = static_cast<std::uint8_t>(bits_ >> (8 * i));
    return b;
}

} // namespace core
