#include "TGewinnreihe.h"

namespace core {

std::array<std::uint8_t, 6> Zahlenmenge::bytes() const {
    std::array<std::uint8_t, 6> b{};
    for (int i = 0; i < 6; ++i)
        b[i] = static_cast<std::uint8_t>(bits_ >> (8 * i));
    return b;
}

int BitsZaehlen(const std::uint8_t* bytes, int laenge) {
    static constexpr std::uint8_t proHalbbyte[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};
    int summe = 0;
    for (int i = 0; i < laenge; ++i)
        summe += proHalbbyte[bytes[i] & 0x0F] + proHalbbyte[bytes[i] >> 4];
    return summe;
}

} // namespace core
