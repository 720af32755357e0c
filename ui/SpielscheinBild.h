#pragma once

class QPainter;

namespace ui {

// The picture of the paper slip behind the cross board, 255 x 362 pixels.
class SpielscheinBild {
public:
    static void zeichnen(QPainter& maler);
};

} // namespace ui
