#pragma once

#include <QColor>
#include <QPixmap>

class QPainter;
class QRect;
class QString;

namespace ui {

// The picture of the paper slip under the cross board: the 45 number fields, the full systems
// 007 to 013 and the partial systems, each field drawn as the click area of its cross.
class SpielscheinBild {
public:
    static constexpr QColor druckfarbe{0xD9, 0x50, 0x2F};
    static constexpr QColor papierfarbe{0xFF, 0xF8, 0xEC};
    // The tinted ground around the fields, so that the fields stand out as on a printed slip.
    static constexpr QColor feldgrund{0xF8, 0xDA, 0xCA};

    static QPixmap zeichnen();
    static void zeichnen(QPainter& maler);

private:
    static void kopfleiste(QPainter& maler);
    static void zahlenfelder(QPainter& maler);
    static void vollsysteme(QPainter& maler);
    static void teilsysteme(QPainter& maler);
    static void lesemarken(QPainter& maler);
    static void feld(QPainter& maler, int tag, const QString& aufdruck);
    static void schrift(QPainter& maler, int pixel, bool fett);
};

} // namespace ui
