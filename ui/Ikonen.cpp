#include "Ikonen.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ui {

QIcon Ikonen::symbol(const QString& name) {
    return QIcon(QStringLiteral(":/ikonen/%1.svg").arg(name));
}

QPixmap Ikonen::bild(const QString& name, QSize groesse) {
    QPixmap bild(groesse);
    bild.fill(Qt::transparent);
    QSvgRenderer zeichner(QStringLiteral(":/bilder/%1.svg").arg(name));
    QPainter maler(&bild);
    zeichner.render(&maler);
    return bild;
}

} // namespace ui
