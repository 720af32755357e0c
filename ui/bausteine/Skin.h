#pragma once

class QApplication;
class QWidget;

namespace ui {

// The program's one look: fonts mapped to free families and one style sheet for all windows.
class Skin {
public:
    static void anwenden(QApplication& app);
    static void schriftenZuordnen();
    static const char* stilvorlage();
    // Sets a panel's fill through the style sheet (palette colours are overridden by it).
    static void fuellfarbe(QWidget* w, unsigned rgb);
};

} // namespace ui
