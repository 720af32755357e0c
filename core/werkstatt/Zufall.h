#pragma once

#include <bit>
#include <cstdint>

namespace core {

// xoshiro256**, seeded by splitmix64: the searches of the workshop take the same steps from the
// same seed on every machine, which std::mt19937's distributions do not promise.
class Zufall {
public:
    explicit Zufall(std::uint64_t saat) {
        for (std::uint64_t& s : s_) {
            saat += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = saat;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            s = z ^ (z >> 31);
        }
    }
    std::uint64_t operator()() {
        const std::uint64_t ergebnis = std::rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = std::rotl(s_[3], 45);
        return ergebnis;
    }
    // Evenly one of 0 .. grenze - 1.
    std::uint64_t unter(std::uint64_t grenze) {
        return std::uint64_t((__uint128_t((*this)()) * grenze) >> 64);
    }

private:
    std::uint64_t s_[4]{};
};

} // namespace core
