#include "Eingabesperre.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace ui {
namespace {

bool eingabe(QEvent::Type art) {
    switch (art) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

Eingabesperre::Eingabesperre() {
    QCoreApplication::instance()->installEventFilter(this);
}

Eingabesperre::~Eingabesperre() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool Eingabesperre::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (!eingabe(ereignis->type()))
        return false;
    // Input reaches a window first, then its widget.
    if (ausser_ && ausser_->isVisible()) {
        if (const auto* w = qobject_cast<const QWidget*>(ziel); w && w->window() == ausser_)
            return false;
        if (ziel == ausser_->windowHandle())
            return false;
    }
    return true;
}

} // namespace ui
