#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace core {

// A set of the numbers 0..47, six bytes wide as the game stores it.
class Zahlenmenge {
public:
    static constexpr int Groesste = 47;

    void leeren() { bits_ = 0; }
    bool leer() const { return bits_ == 0; }
    // Numbers outside 0..47 are never put into the set.
    void hinzufuegen(int n) {
        if (n >= 0 && n <= Groesste)
            bits_ |= std::uint64_t{1} << n;
    }
    void entfernen(int n) {
        if (n >= 0 && n <= Groesste)
            bits_ &= ~(std::uint64_t{1} << n);
    }
    bool enthaelt(int n) const { return n >= 0 && n <= Groesste && (bits_ >> n & 1U) != 0; }
    std::uint64_t bits() const { return bits_; }
    Zahlenmenge schnitt(Zahlenmenge andere) const { return Zahlenmenge(bits_ & andere.bits_); }
    std::array<std::uint8_t, 6> bytes() const;
    bool operator==(const Zahlenmenge&) const = default;

    Zahlenmenge() = default;
    explicit Zahlenmenge(std::uint64_t bits) : bits_(bits & 0xFFFFFFFFFFFFULL) {}

private:
    std::uint64_t bits_ = 0;
};

// The current winning row: the set of winning numbers, the six boxes in entry order
// (0 = empty) and the additional match (0 = none).
struct TGewinnreihe {
    Zahlenmenge Menge;
    std::array<std::uint8_t, 6> Zahlen{};
    std::int32_t ZS = 0;

    void leeren() {
        Menge.leeren();
        Zahlen.fill(0);
        ZS = 0;
    }
    bool operator==(const TGewinnreihe&) const = default;
};

// The winning numbers in entry order, blank-separated, without the empty boxes: "3 7 12 20 33 41".
QString GewinnzahlenText(const TGewinnreihe& reihe);

} // namespace core
