#include "TSystemDef.h"

#include <cmath>
#include <vector>

namespace core {

static_assert([] {
    for (const TSystemDef& s : Systeme)
        if (s.Name.size() > 7)
            return false;
    return true;
}());

const TSystemDef& System(int index) {
    if (index < 1 || index >= int(Systeme.size()))
        return Systeme[0];
    return Systeme[std::size_t(index)];
}

std::int64_t NueberK(std::int32_t n, std::int32_t k) {
    if (k == n)
        return 1;
    if (n - k < k)
        k = n - k;
    std::vector<std::int64_t> zaehler;
    for (std::int32_t i = 0; i < k; ++i)
        zaehler.push_back(std::int64_t(n) - i);
    std::vector<std::int64_t> nenner;
    for (std::int32_t d = k; d >= 2; --d)
        nenner.push_back(d);
    // Each denominator factor cancels into at most one numerator factor, searched from the last.
    for (std::int64_t& d : nenner)
        for (auto z = zaehler.rbegin(); z != zaehler.rend(); ++z)
            if (*z % d == 0) {
                *z /= d;
                d = 1;
            }
    // The products wrap around like the original's unchecked 64-bit arithmetic.
    std::uint64_t oben = 1, unten = 1;
    for (const std::int64_t z : zaehler)
        oben *= std::uint64_t(z);
    for (const std::int64_t d : nenner)
        unten *= std::uint64_t(d);
    const long double quotient = static_cast<long double>(static_cast<std::int64_t>(oben)) /
                                 static_cast<long double>(static_cast<std::int64_t>(unten));
    const long double gerundet = std::nearbyint(quotient);
    // Only a denominator that wrapped to 0 can leave the range; there is no sensible value then.
    if (!std::isfinite(gerundet) || gerundet < -0x1p63L || gerundet >= 0x1p63L)
        return 0;
    return static_cast<std::int64_t>(gerundet);
}

} // namespace core
