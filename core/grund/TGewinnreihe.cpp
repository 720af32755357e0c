#include "TGewinnreihe.h"

namespace core {

std::array<std::uint8_t, 6> Zahlenmenge::bytes() const {
    std::array<std::uint8_t, 6> b{};
    for (int i = 0; i < 6; ++i)
        b[i] = static_cast<std::uint8_t>(bits_ >> (8 * i));
    return b;
}

QString GewinnzahlenText(const TGewinnreihe& reihe) {
    QString text;
    for (const std::uint8_t z : reihe.Zahlen)
        if (z != 0)
            text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + QString::number(z);
    return text;
}

} // namespace core
