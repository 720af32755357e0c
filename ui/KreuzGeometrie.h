#pragma once

#include <QPoint>
#include <QRect>

#include <array>

namespace ui {

// Where the crosses of the board sit. Tags 1..45 are the numbers, 101..114 the systems.
struct KreuzGeometrie {
    static constexpr std::array<int, 5> ZeilenOben = {21, 50, 79, 107, 135};
    static constexpr int VollsystemOben = 192;
    static constexpr int TeilsystemOben = 304;

    static constexpr QPoint ort(int tag) {
        if (tag >= 1 && tag <= 45) {
            const int r = (tag - 1) / 9;
            const int c = (tag - 1) % 9 + 1;
            return QPoint(26 * c, ZeilenOben[r]);
        }
        const int e = tag - 100;
        const int s = (e - 1) % 7 + 1;
        return QPoint(26 + 26 * s, e <= 7 ? VollsystemOben : TeilsystemOben);
    }
    // From left - 5 to left + 14 and from top - 1 to top + 21, both ends included.
    static constexpr QRect trefferflaeche(int tag) {
        const QPoint p = ort(tag);
        return QRect(QPoint(p.x() - 5, p.y() - 1), QPoint(p.x() + 14, p.y() + 21));
    }
};

} // namespace ui
