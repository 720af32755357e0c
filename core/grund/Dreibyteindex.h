#pragma once

#include "core/grund/Grossfeld.h"

#include <cstddef>
#include <cstdint>

namespace core {

// Indexes below 2^24 in three bytes each, in a large block: a quarter less memory than ints, which
// counts where a table of millions of rows needs two indexes a row.
class Dreibyteindex {
public:
    static constexpr std::int64_t Grenze = std::int64_t(1) << 24;

    // n indexes, all zero.
    explicit Dreibyteindex(std::size_t n) : bytes_(3 * n) {}

    std::size_t size() const { return bytes_.size() / 3; }
    int operator[](std::size_t i) const {
        const std::uint8_t* p = bytes_.data() + 3 * i;
        return int(p[0]) | int(p[1]) << 8 | int(p[2]) << 16;
    }
    void setzen(std::size_t i, int wert) {
        std::uint8_t* p = bytes_.data() + 3 * i;
        p[0] = std::uint8_t(wert);
        p[1] = std::uint8_t(wert >> 8);
        p[2] = std::uint8_t(wert >> 16);
    }

private:
    Grossfeld<std::uint8_t> bytes_;
};

} // namespace core
