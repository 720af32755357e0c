#include "ZufallsReihenfolge.h"

#include <numeric>
#include <random>
#include <utility>

namespace core {

namespace {

std::uint32_t gleichverteilt(std::mt19937& quelle, std::uint32_t k) {
    const std::uint64_t umfang = std::uint64_t{1} << 32;
    const std::uint64_t grenze = umfang - umfang % k;
    std::uint64_t u;
    do
        u = quelle();
    while (u >= grenze);
    return std::uint32_t(u % k);
}

} // namespace

std::array<int, 45> ZufallsReihenfolge(std::uint32_t seed) {
    std::array<int, 45> liste;
    std::iota(liste.begin(), liste.end(), 1);
    std::mt19937 quelle(seed);
    for (std::uint32_t i = 0; i < liste.size(); ++i) {
        const std::uint32_t j = i + gleichverteilt(quelle, std::uint32_t(liste.size()) - i);
        std::swap(liste[i], liste[j]);
    }
    return liste;
}

} // namespace core
