#pragma once

#include <QIcon>
#include <QPixmap>

namespace ui {

// The program's own icons and pictures, kept as resources.
class Ikonen {
public:
    static QIcon symbol(const QString& name);
    static QPixmap bild(const QString& name, QSize groesse);
};

} // namespace ui
