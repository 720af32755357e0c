#include "Verweis.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace ui {

Verweis::Verweis(const QString& text, QWidget* eltern) : QLabel(text, eltern) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
}

void Verweis::mouseReleaseEvent(QMouseEvent* ereignis) {
    // Only a release over the label counts, as with a button.
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        emit angeklickt();
    QLabel::mouseReleaseEvent(ereignis);
}

void Verweis::keyPressEvent(QKeyEvent* ereignis) {
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit angeklickt();
        return;
    default:
        QLabel::keyPressEvent(ereignis);
    }
}

} // namespace ui
