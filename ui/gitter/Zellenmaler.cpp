#include "Zellenmaler.h"

#include <QPainter>

namespace ui {

void ZelleZeichnen(QPainter* maler, const QRect& zelle, Ausrichtung ausrichtung, const QString& text) {
    maler->save();
    maler->setClipRect(zelle);
    const QFontMetrics metrik(maler->font());
    const int breite = metrik.horizontalAdvance(text);
    int links = zelle.left() + 2;
    if (ausrichtung == Ausrichtung::Mitte)
        links = zelle.left() + (zelle.width() - breite) / 2;
    else if (ausrichtung == Ausrichtung::Rechts)
        links = zelle.right() + 1 - breite - 3;
    maler->drawText(QPoint(links, zelle.top() + 2 + metrik.ascent()), text);
    maler->restore();
}

QColor Zellenmaler::Kopfhintergrund() {
    return QColor(0xDD, 0xE3, 0xEA);
}

void Zellenmaler::paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    maler->save();
    maler->setFont(option.font);
    if (index.column() == 0) {
        maler->fillRect(option.rect, Kopfhintergrund());
        maler->setPen(Qt::black);
        ZelleZeichnen(maler, option.rect, Ausrichtung::Links, text);
    } else {
        zeichnen(maler, option.rect, index, text);
    }
    maler->restore();
}

void WeisseZellen::zeichnen(QPainter* maler, const QRect& zelle, const QModelIndex&,
                            const QString& text) const {
    maler->fillRect(zelle, Qt::white);
    QFont schrift = maler->font();
    schrift.setBold(false);
    schrift.setItalic(false);
    schrift.setUnderline(false);
    maler->setFont(schrift);
    maler->setPen(Qt::black);
    ZelleZeichnen(maler, zelle, Ausrichtung::Mitte, text);
}

} // namespace ui
