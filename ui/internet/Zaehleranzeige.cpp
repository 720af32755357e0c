#include "Zaehleranzeige.h"

#include <QEvent>
#include <QFontInfo>
#include <QPainter>

namespace ui {
namespace {

// Smaller is not legible in the field's bold face.
constexpr int KleinstePixel = 8;

} // namespace

Zaehleranzeige::Zaehleranzeige(QWidget* eltern) : Anzeigetext(QStringLiteral("Stand in €"), eltern) {
    setAlignment(Qt::AlignCenter);
}

void Zaehleranzeige::setzen(const QString& text) {
    setText(text);
    einpassen();
}

QFont Zaehleranzeige::gezeigteSchrift() const {
    return schrift_;
}

QString Zaehleranzeige::gezeigterText() const {
    return gezeigt_;
}

void Zaehleranzeige::einpassen() {
    const int breite = contentsRect().width() - 2;
    QFont f = font();
    int pixel = QFontInfo(f).pixelSize();
    while (QFontMetrics(f).horizontalAdvance(text()) > breite && pixel > KleinstePixel)
        f.setPixelSize(--pixel);
    schrift_ = f;
    gezeigt_ = QFontMetrics(f).elidedText(text(), Qt::ElideRight, breite);
    // Escaped: a tooltip that looks like markup would be shown as markup.
    setToolTip(f == font() ? QString()
                           : QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text().toHtmlEscaped()));
    update();
}

void Zaehleranzeige::paintEvent(QPaintEvent* ereignis) {
    QFrame::paintEvent(ereignis);
    QPainter maler(this);
    maler.setFont(schrift_);
    maler.setPen(palette().color(foregroundRole()));
    maler.drawText(contentsRect(), int(alignment()), gezeigt_);
}

void Zaehleranzeige::resizeEvent(QResizeEvent* ereignis) {
    Anzeigetext::resizeEvent(ereignis);
    einpassen();
}

void Zaehleranzeige::changeEvent(QEvent* ereignis) {
    Anzeigetext::changeEvent(ereignis);
    if (ereignis->type() == QEvent::FontChange || ereignis->type() == QEvent::StyleChange)
        einpassen();
}

} // namespace ui
