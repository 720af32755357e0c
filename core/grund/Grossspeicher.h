#pragma once

#include <cstddef>

namespace core {

// Memory for large blocks: row tables, number masks, sort keys and indexes, big buffers. On a
// virtual machine the first touch of a 4 KiB page costs several microseconds, so a 36 MB table
// would cost thousands of page faults before a byte is written. On Linux a large block is mapped
// on its own, aligned to 2 MiB, with transparent huge pages asked for: one fault per 2 MiB.
// Everywhere else, and for small blocks, the ordinary heap. Every block starts zero-filled, which
// costs nothing extra: fresh pages are zero anyway.
class Grossspeicher {
public:
    // Blocks from this size on are mapped on their own.
    static constexpr std::size_t Ab = std::size_t(1) << 20;
    static constexpr std::size_t Seite = std::size_t(2) << 20;

    // A zero-filled block; throws std::bad_alloc. freigeben() must get the same size back.
    static void* anfordern(std::size_t bytes);
    static void freigeben(void* block, std::size_t bytes) noexcept;

    // The block at a new size, its content kept up to the smaller of both sizes, what is new
    // zero-filled. A mapped block is grown or cut by moving its pages, never by copying them, and
    // a cut gives the pages beyond the new size back untouched. May move the block; a size of 0
    // gives it back and returns nullptr.
    static void* umfang(void* block, std::size_t alt, std::size_t neu);

    // Asks for huge pages for a block another allocator gave (a QString's text): for the part of
    // it that covers whole huge pages. Call it before the block is first written.
    static void beraten(void* block, std::size_t bytes) noexcept;

    // Bytes of mapped blocks held now, for measurements (the heap counts the small ones).
    static std::size_t belegt() noexcept;
};

} // namespace core
