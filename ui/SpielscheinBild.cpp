#include "SpielscheinBild.h"

#include <QPainter>

namespace ui {

void SpielscheinBild::zeichnen(QPainter& maler) {
    maler.fillRect(0, 0, 255, 362, QColor(0xFF, 0xF8, 0xEC));
}

} // namespace ui
