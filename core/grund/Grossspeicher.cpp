#include "Grossspeicher.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif
#endif

namespace core {
namespace {

std::atomic<std::size_t> gemappt{0};

#ifdef __linux__

std::uintptr_t abrunden(std::uintptr_t a, std::size_t auf) {
    return a / auf * auf;
}
std::uintptr_t aufrunden(std::uintptr_t a, std::size_t auf) {
    return abrunden(a + auf - 1, auf);
}

// The length mapped for a block: whole small pages. A tail shorter than a huge page stays in
// small pages: faulted in pieces, but never resident beyond the block, so that no table holds
// more memory than before.
std::size_t laenge(std::size_t bytes) {
    return aufrunden(bytes, std::size_t(sysconf(_SC_PAGESIZE)));
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

void* Grossspeicher::umfang(void* block, std::size_t alt, std::size_t neu) {
    if (!block || alt == 0)
        return neu > 0 ? anfordern(neu) : nullptr;
    if (neu == 0) {
        freigeben(block, alt);
        return nullptr;
    }
#ifdef __linux__
    if (alt >= Ab && neu >= Ab) {
        const std::size_t a = laenge(alt);
        const std::size_t n = laenge(neu);
        // A cut keeps the page it ends in: the old bytes there beyond the new size are to read
        // as new, zero.
        if (neu < alt)
            std::memset(static_cast<char*>(block) + neu, 0, std::min(alt, n) - neu);
        if (a == n)
            return block;
        void* p = mremap(block, a, n, MREMAP_MAYMOVE);
        if (p == MAP_FAILED)
            throw std::bad_alloc();
        gemappt += n;
        gemappt -= a;
        return p;
    }
#endif
    void* p = anfordern(neu);
    std::memcpy(p, block, std::min(alt, neu));
    freigeben(block, alt);
    return p;
}

void Grossspeicher::beraten(void* block, std::size_t bytes) noexcept {
#ifdef __linux__
    if (bytes < Ab)
        return;
    const std::size_t klein = std::size_t(sysconf(_SC_PAGESIZE));
    const auto von = std::uintptr_t(block);
    const std::uintptr_t bis = von + bytes;
    const std::uintptr_t anfang = std::min(aufrunden(von, Seite), abrunden(bis, Seite));
    const std::uintptr_t ende = abrunden(bis, Seite);
    if (ende > anfang)
        madvise(reinterpret_cast<void*>(anfang), ende - anfang, MADV_HUGEPAGE);
    // The parts before and after the whole huge pages keep small pages; they are filled in one
    // call each rather than a fault per page (ignored by kernels older than 5.14). Only the
    // small pages that lie wholly inside the block: the others belong to the heap too.
    const auto fuellen = [](std::uintptr_t a, std::uintptr_t e) {
        if (e > a)
            madvise(reinterpret_cast<void*>(a), e - a, MADV_POPULATE_WRITE);
    };
    fuellen(aufrunden(von, klein), anfang);
    fuellen(std::max(ende, aufrunden(von, klein)), abrunden(bis, klein));
#else
    (void)block;
    (void)bytes;
#endif
}

std::size_t Grossspeicher::belegt() noexcept {
    return gemappt;
}

} // namespace core
