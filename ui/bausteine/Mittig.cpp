#include "Mittig.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {
namespace {

QMargins rahmen(const QWidget* fenster) {
    const QRect innen = fenster->geometry();
    const QRect aussen = fenster->frameGeometry();
    return {innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
            aussen.bottom() - innen.bottom()};
}

// The frame of a window shown, its own or another's: the window system decides it only on showing.
QMargins geschaetzterRahmen(const QWidget* fenster) {
    if (fenster->isVisible())
        return rahmen(fenster);
    for (const QWidget* anderes : QApplication::topLevelWidgets())
        if (anderes != fenster && anderes->isVisible() &&
            !(anderes->windowFlags() & Qt::FramelessWindowHint) && anderes->windowType() != Qt::Popup &&
            anderes->windowType() != Qt::ToolTip)
            return rahmen(anderes);
    return {};
}

} // namespace

QPoint Mittig(const QWidget* fenster, const QWidget* hauptfenster) {
    QRect ort(QPoint(), fenster->size().grownBy(rahmen(hauptfenster)));
    ort.moveCenter(hauptfenster->frameGeometry().center());
    return ImBild(fenster, ort.topLeft());
}

QPoint ImBild(const QWidget* fenster, QPoint ort) {
    const QScreen* bildschirm = QGuiApplication::screenAt(ort);
    if (!bildschirm)
        bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm)
        return ort;
    const QRect frei = bildschirm->availableGeometry();
    const QSize aussen = fenster->size().grownBy(geschaetzterRahmen(fenster));
    const int x = std::max(std::min(ort.x(), frei.right() + 1 - aussen.width()), frei.left());
    const int y = std::max(std::min(ort.y(), frei.bottom() + 1 - aussen.height()), frei.top());
    return {x, y};
}

} // namespace ui
