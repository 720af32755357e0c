#include "Zeichenfilter.h"

#include <QKeyEvent>

#include <algorithm>

namespace ui {
namespace {

// The text a key press types, empty for an editing key or a shortcut.
QString getippt(const QKeyEvent& taste) {
    if (taste.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
        return {};
    // Editing keys carry control characters or none: Delete is U+007F, Tab U+0009.
    const QString text = taste.text();
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return !c.isPrint(); }))
        return {};
    return text;
}

} // namespace

Zeichenfilter::Zeichenfilter(const QString& erlaubt, QObject* parent) : QObject(parent), erlaubt_(erlaubt) {}

bool Zeichenfilter::eventFilter(QObject*, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    const QString text = getippt(*static_cast<QKeyEvent*>(ereignis));
    return std::any_of(text.begin(), text.end(), [this](QChar c) { return !erlaubt_.contains(c); });
}

} // namespace ui
