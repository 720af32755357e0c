#include "Grossspeicher.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace core {
namespace {

std::atomic<std::size_t> gemappt{0};

#ifdef __linux__
constexpr std::size_t Seite = Grossspeicher::Seite;

std::uintptr_t abrunden(std::uintptr_t a, std::size_t auf) {
    return a / auf * auf;
}
std::uintptr_t aufrunden(std::uintptr_t a, std::size_t auf) {
    return abrunden(a + auf - 1, auf);
}

// The length mapped for a block: whole small pages, and the last huge page whole when at least
// half of it is used, so that it is one fault too. A shorter tail stays in small pages: at most
// 1 MiB more faulted in pieces, and never more than 1 MiB resident beyond the block.
std::size_t laenge(std::size_t bytes) {
    const std::size_t klein = std::size_t(sysconf(_SC_PAGESIZE));
    const std::size_t rest = bytes % Seite;
    return rest >= Seite / 2 ? aufrunden(bytes, Seite) : aufrunden(bytes, klein);
}
#endif

} // namespace

void* Grossspeicher::anfordern(std::size_t bytes) {
#ifdef __linux__
    if (bytes >= Ab) {
        const std::size_t n = laenge(bytes);
        // Mapped with room to spare, then cut to a 2 MiB boundary at the front and to n at the back.
        const std::size_t mehr = n + Seite;
        void* roh = mmap(nullptr, mehr, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (roh == MAP_FAILED)
            throw std::bad_alloc();
        const auto anfang = std::uintptr_t(roh);
        const std::uintptr_t block = aufrunden(anfang, Seite);
        if (block > anfang)
            munmap(roh, block - anfang);
        if (anfang + mehr > block + n)
            munmap(reinterpret_cast<void*>(block + n), anfang + mehr - (block + n));
        // Without huge pages on offer the block simply keeps small ones.
        madvise(reinterpret_cast<void*>(block), n, MADV_HUGEPAGE);
        gemappt += n;
        return reinterpret_cast<void*>(block);
    }
#endif
    void* p = std::calloc(bytes > 0 ? bytes : 1, 1);
    if (!p)
        throw std::bad_alloc();
    return p;
}

void Grossspeicher::freigeben(void* block, std::size_t bytes) noexcept {
    if (!block)
        return;
#ifdef __linux__
    if (bytes >= Ab) {
        const std::size_t n = laenge(bytes);
        munmap(block, n);
        gemappt -= n;
        return;
    }
#endif
    std::free(block);
}

void Grossspeicher::beraten(void* block, std::size_t bytes) noexcept {
#ifdef __linux__
    const std::uintptr_t anfang = aufrunden(std::uintptr_t(block), Seite);
    const std::uintptr_t ende = abrunden(std::uintptr_t(block) + bytes, Seite);
    if (bytes >= Ab && ende > anfang)
        madvise(reinterpret_cast<void*>(anfang), ende - anfang, MADV_HUGEPAGE);
#else
    (void)block;
    (void)bytes;
#endif
}

std::size_t Grossspeicher::belegt() noexcept {
    return gemappt;
}

} // namespace core
