#include "Ikonen.h"

#include <QPainter>
#include <QSvgRenderer>

// The initialiser of the resources is declared in the global namespace.
static void ressourcenEinbinden() {
    Q_INIT_RESOURCE(remisator);
}

namespace ui {

namespace {

// The resources sit in a static library; without this reference the linker would leave them out.
void ressourcenLaden() {
    static const bool geladen = (ressourcenEinbinden(), true);
    Q_UNUSED(geladen);
}

} // namespace

QString Ikonen::symbolPfad(const QString& name) {
    ressourcenLaden();
    return QStringLiteral(":/ikonen/%1.svg").arg(name);
}

QString Ikonen::bildPfad(const QString& name) {
    ressourcenLaden();
    return QStringLiteral(":/bilder/%1.svg").arg(name);
}

QIcon Ikonen::symbol(const QString& name) {
    return QIcon(symbolPfad(name));
}

QPixmap Ikonen::bild(const QString& name, QSize groesse) {
    QPixmap bild(groesse);
    bild.fill(Qt::transparent);
    QSvgRenderer zeichner(bildPfad(name));
    QPainter maler(&bild);
    zeichner.render(&maler);
    return bild;
}

} // namespace ui
