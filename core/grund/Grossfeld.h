#pragma once

#include "Grossspeicher.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>

namespace core {

// An array of plain values in a block of Grossspeicher. Unlike a std::vector it never fills what
// it gets: a new block is zero-filled already, and the elements beyond the size are kept zero, so
// that growing within the block costs nothing either.
template <typename T> class Grossfeld {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "only plain values are kept as bytes");

public:
    Grossfeld() = default;
    // n elements, all zero.
    explicit Grossfeld(std::size_t n) : daten_(neu(n)), groesse_(n), kapazitaet_(n) {}
    Grossfeld(const Grossfeld& andere) : Grossfeld(andere.groesse_) { kopieren(andere.daten_, groesse_); }
    Grossfeld(Grossfeld&& andere) noexcept
        : daten_(std::exchange(andere.daten_, nullptr)), groesse_(std::exchange(andere.groesse_, 0)),
          kapazitaet_(std::exchange(andere.kapazitaet_, 0)) {}
    Grossfeld& operator=(Grossfeld andere) noexcept {
        std::swap(daten_, andere.daten_);
        std::swap(groesse_, andere.groesse_);
        std::swap(kapazitaet_, andere.kapazitaet_);
        return *this;
    }
    ~Grossfeld() { Grossspeicher::freigeben(daten_, kapazitaet_ * sizeof(T)); }

    std::size_t size() const { return groesse_; }
    bool empty() const { return groesse_ == 0; }
    std::size_t capacity() const { return kapazitaet_; }
    T* data() { return daten_; }
    const T* data() const { return daten_; }
    T* begin() { return daten_; }
    T* end() { return daten_ + groesse_; }
    const T* begin() const { return daten_; }
    const T* end() const { return daten_ + groesse_; }
    T& operator[](std::size_t i) { return daten_[i]; }
    const T& operator[](std::size_t i) const { return daten_[i]; }

    // n elements; new ones are zero. Growing beyond the block makes it at least twice as large,
    // so that rows added one by one cost few moves; shrinking keeps the block.
    void resize(std::size_t n) {
        if (n > kapazitaet_)
            umfang(std::max(n, kapazitaet_ * 2));
        else if (n < groesse_)
            std::memset(static_cast<void*>(daten_ + n), 0, (groesse_ - n) * sizeof(T));
        groesse_ = n;
    }
    // n elements in a block of just that size: what lies beyond is given back unread.
    void zuschneiden(std::size_t n) {
        groesse_ = std::min(groesse_, n);
        umfang(n);
        groesse_ = n;
    }
    // n elements, all zero: a fresh block when the old one is not the right size.
    void nullen(std::size_t n) {
        if (n == kapazitaet_ || (n < kapazitaet_ && n > kapazitaet_ / 2)) {
            std::memset(static_cast<void*>(daten_), 0, groesse_ * sizeof(T));
            groesse_ = n;
        } else {
            *this = Grossfeld(n);
        }
    }

private:
    void umfang(std::size_t n) {
        daten_ = static_cast<T*>(Grossspeicher::umfang(daten_, kapazitaet_ * sizeof(T), n * sizeof(T)));
        kapazitaet_ = n;
    }
    static T* neu(std::size_t n) {
        return n > 0 ? static_cast<T*>(Grossspeicher::anfordern(n * sizeof(T))) : nullptr;
    }
    void kopieren(const T* quelle, std::size_t n) {
        if (n > 0)
            std::memcpy(static_cast<void*>(daten_), quelle, n * sizeof(T));
    }

    T* daten_ = nullptr;
    std::size_t groesse_ = 0;
    std::size_t kapazitaet_ = 0;
};

} // namespace core
