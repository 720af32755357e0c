#include "UmbruchHaken.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

void UmbruchHaken::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect kaestchen = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    option.rect = kaestchen;
    maler.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    const int links = kaestchen.right() + 5;
    maler.drawItemText(QRect(links, 0, width() - links, height()),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                       QPalette::WindowText);
}

} // namespace ui
