#include "Mittig.h"

#include <QWidget>

namespace ui {

QPoint Mittig(const QWidget* fenster, const QWidget* hauptfenster) {
    const QRect innen = hauptfenster->geometry();
    const QRect aussen = hauptfenster->frameGeometry();
    const QMargins rahmen(innen.left() - aussen.left(), innen.top() - aussen.top(),
                          aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
    QRect ort(QPoint(), fenster->size().grownBy(rahmen));
    ort.moveCenter(aussen.center());
    return ort.topLeft();
}

} // namespace ui
