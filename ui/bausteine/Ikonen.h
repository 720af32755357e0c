#pragma once

#include <QIcon>
#include <QPixmap>

namespace ui {

// The program's own icons and pictures, kept as resources.
class Ikonen {
public:
    // ":/ikonen/<name>.svg" and ":/bilder/<name>.svg", with the resources made available.
    static QString symbolPfad(const QString& name);
    static QString bildPfad(const QString& name);

    static QIcon symbol(const QString& name);
    static QPixmap bild(const QString& name, QSize groesse);
};

} // namespace ui
