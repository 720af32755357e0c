#pragma once

#include <QColor>

class QApplication;
class QPalette;
class QWidget;

namespace ui {

// The program's one look: fonts mapped to free families and one style sheet for all windows.
class Skin {
public:
    // The frame of the control that has the focus (#2F6FB0 in the style sheet).
    static constexpr QColor Fokusfarbe{0x2F, 0x6F, 0xB0};

    static void anwenden(QApplication& app);
    static void schriftenZuordnen();
    static const char* stilvorlage();
    // One light palette for every window, whatever the desktop's theme.
    static QPalette palette();
    // Sets a panel's fill through the style sheet (palette colours are overridden by it).
    static void fuellfarbe(QWidget* w, unsigned rgb);
};

} // namespace ui
