#include "TKreuz.h"

#include "core/systeme/TSystemDef.h"
#include "ui/bausteine/Namen.h"

#include <QMouseEvent>

namespace ui {

TKreuz::TKreuz(int tag, QWidget* parent) : QLabel(QStringLiteral("X"), parent), tag_(tag) {
    setObjectName(QString::fromLatin1(namen::VKreuz) + QString::number(tag));
    setProperty("Tag", tag);
    QFont schrift(QStringLiteral("Arial Rounded MT Bold"));
    schrift.setPointSize(12);
    schrift.setBold(true);
    setFont(schrift);
    setStyleSheet(QStringLiteral("color: #0000FF; background: transparent;"));
    adjustSize();
    setCursor(Qt::PointingHandCursor);
    const std::string_view system = core::System(tag - 100).Name;
    setAccessibleName(tag <= 45 ? QStringLiteral("Kreuz %1").arg(tag)
                                : QStringLiteral("Kreuz System ") +
                                      QString::fromLatin1(system.data(), qsizetype(system.size())));
    hide();
}

// A visible cross takes every press itself, so that the board under it does not tick again.
void TKreuz::mousePressEvent(QMouseEvent* ereignis) {
    ereignis->accept();
}

void TKreuz::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        emit geklickt(tag_);
}

} // namespace ui
