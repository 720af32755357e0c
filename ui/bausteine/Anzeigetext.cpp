#include "Anzeigetext.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace ui {
namespace {

// What a screen reader hears of the label: caption and value as the name, the whole text as the
// description while it is cut. Asked anew each time, so it follows every change of the text.
class Zugang : public QAccessibleWidget {
public:
    explicit Zugang(Anzeigetext* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text art) const override {
        const auto* label = static_cast<const Anzeigetext*>(widget());
        if (art == QAccessible::Name) {
            const QString wert = label->text();
            return wert.isEmpty() ? label->beschriftung()
                                  : label->beschriftung() + QStringLiteral(": ") + wert;
        }
        if (art == QAccessible::Description)
            return label->gekuerzt() ? label->text() : label->accessibleDescription();
        return QAccessibleWidget::text(art);
    }
};

QAccessibleInterface* zugang(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String(Anzeigetext::staticMetaObject.className()))
        return new Zugang(static_cast<Anzeigetext*>(objekt));
    return nullptr;
}

} // namespace

Anzeigetext::Anzeigetext(const QString& beschriftung, QWidget* eltern)
    : QLabel(eltern), beschriftung_(beschriftung) {
    static const bool eingerichtet = (QAccessible::installFactory(zugang), true);
    Q_UNUSED(eingerichtet);
    setTextFormat(Qt::PlainText);
}

QRect Anzeigetext::textflaeche() const {
    QRect flaeche = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    // As QLabel indents: by half an "x" when it has a frame and no indent of its own.
    const int einzug =
        indent() >= 0 ? indent() : (frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 : 0);
    if (alignment() & Qt::AlignLeft)
        flaeche.setLeft(flaeche.left() + einzug);
    else if (alignment() & Qt::AlignRight)
        flaeche.setRight(flaeche.right() - einzug);
    return flaeche;
}

QString Anzeigetext::gezeigt() const {
    if (wordWrap())
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideRight, textflaeche().width());
}

bool Anzeigetext::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const auto* hilfe = static_cast<QHelpEvent*>(ereignis);
        if (gekuerzt())
            QToolTip::showText(hilfe->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(ereignis);
}

void Anzeigetext::paintEvent(QPaintEvent* ereignis) {
    if (!gekuerzt()) {
        QLabel::paintEvent(ereignis);
        return;
    }
    QPainter maler(this);
    drawFrame(&maler);
    style()->drawItemText(&maler, textflaeche(), int(alignment()), palette(), isEnabled(), gezeigt(),
                          foregroundRole());
}

} // namespace ui
