#include "Knopf.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace ui {

void Knopf::keyPressEvent(QKeyEvent* ereignis) {
    const bool eingabe = ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter;
    if (eingabe && (ereignis->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        ereignis->accept();
        if (!ereignis->isAutoRepeat())
            click();
        return;
    }
    QToolButton::keyPressEvent(ereignis);
}

void Knopf::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    maler.drawComplexControl(QStyle::CC_ToolButton, option);

    const QRect innen = rect().adjusted(4, 2, -4, -2);
    QRect textflaeche = innen;
    if (!icon().isNull()) {
        const QSize groesse = iconSize();
        const QIcon::Mode modus = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const QPixmap bild = icon().pixmap(groesse, devicePixelRatioF(), modus);
        if (text().isEmpty()) {
            maler.drawPixmap(innen.center().x() - groesse.width() / 2 + 1,
                             innen.center().y() - groesse.height() / 2 + 1, bild);
            return;
        }
        if (toolButtonStyle() == Qt::ToolButtonTextUnderIcon) {
            maler.drawPixmap(innen.center().x() - groesse.width() / 2 + 1, innen.top() + 2, bild);
            textflaeche.setTop(innen.top() + groesse.height() + 4);
        } else if (layoutDirection() == Qt::RightToLeft) {
            maler.drawPixmap(innen.right() - groesse.width(), innen.center().y() - groesse.height() / 2 + 1,
                             bild);
            textflaeche.setRight(innen.right() - groesse.width() - 4);
        } else {
            maler.drawPixmap(innen.left(), innen.center().y() - groesse.height() / 2 + 1, bild);
            textflaeche.setLeft(innen.left() + groesse.width() + 4);
        }
    }
    maler.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    maler.drawText(textflaeche, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

} // namespace ui
