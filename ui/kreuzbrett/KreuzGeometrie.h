#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace ui {

// Where the crosses of the cross board sit, in pixels of the board panel. The slip picture lies
// with its top-left corner on the panel's and draws its fields at exactly these places.
struct KreuzGeometrie {
    static constexpr QSize brett{260, 364};
    static constexpr QSize bild{255, 362};

    // Top-left corners of the "X" labels: numbers by column and row, systems by place in their row.
    static constexpr std::array<int, 9> zahlLinks{26, 52, 78, 104, 130, 156, 182, 208, 234};
    static constexpr std::array<int, 5> zahlOben{21, 50, 79, 107, 135};
    static constexpr std::array<int, 7> systemLinks{52, 78, 104, 130, 156, 182, 208};
    static constexpr int vollsystemOben = 192;
    static constexpr int teilsystemOben = 304;

    // A click counts for a cross from left - 5 to left + 14 and top - 1 to top + 21, ends included.
    static constexpr int klickLinks = -5;
    static constexpr int klickRechts = 14;
    static constexpr int klickOben = -1;
    static constexpr int klickUnten = 21;

    // The board's own controls lie over these areas, so the picture leaves them plain.
    static constexpr QRect zufallKnopf{20, 159, 28, 28};
    static constexpr QRect loeschKnopf{222, 159, 28, 28};
    static constexpr QRect zaehler{14, 247, 32, 20};

    static constexpr bool istZahl(int tag) { return tag >= 1 && tag <= 45; }
    static constexpr bool istSystem(int tag) { return tag >= 101 && tag <= 114; }

    // Top-left corner of the cross with this tag; a null point for any other tag.
    static constexpr QPoint kreuzOrt(int tag) {
        if (istZahl(tag))
            return {zahlLinks[(tag - 1) % 9], zahlOben[(tag - 1) / 9]};
        if (istSystem(tag)) {
            const int eintrag = tag - 100;
            return eintrag <= 7 ? QPoint(systemLinks[eintrag - 1], vollsystemOben)
                                : QPoint(systemLinks[eintrag - 8], teilsystemOben);
        }
        return {};
    }

    // Click area of the cross with this tag (QRect's right and bottom are inclusive, as the area's
    // ends are); an empty rectangle for any other tag.
    static constexpr QRect klickFlaeche(int tag) {
        if (!istZahl(tag) && !istSystem(tag))
            return {};
        const QPoint ort = kreuzOrt(tag);
        return {QPoint(ort.x() + klickLinks, ort.y() + klickOben),
                QPoint(ort.x() + klickRechts, ort.y() + klickUnten)};
    }
};

} // namespace ui
