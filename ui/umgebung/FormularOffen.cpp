#include "FormularOffen.h"

#include <QApplication>
#include <QWidget>

namespace ui {

QWidget* FormularOffen(const QString& name) {
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (QWidget* w : fenster)
        if (w->isVisible() && w->objectName() == name)
            return w;
    return nullptr;
}

} // namespace ui
