#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace ui {

// The wait cursor for as long as it lives, also when an error leaves the block.
class Wartezeiger {
public:
    Wartezeiger() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wartezeiger() { QGuiApplication::restoreOverrideCursor(); }
    Wartezeiger(const Wartezeiger&) = delete;
    Wartezeiger& operator=(const Wartezeiger&) = delete;
};

} // namespace ui
