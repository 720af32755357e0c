#pragma once

#include <QDate>

#include <cstdint>

namespace ui {

// Today's date and the seed of every random choice.
class Uhr {
public:
    virtual ~Uhr() = default;
    virtual QDate heute() = 0;
    virtual std::uint32_t zufallsSeed() = 0;
};

} // namespace ui
