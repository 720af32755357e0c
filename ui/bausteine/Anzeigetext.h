#pragma once

#include <QLabel>

namespace ui {

// A label that shows a value, such as a file name or a count. A screen reader says its caption
// with the value. A text wider than the label is cut with "…"; the whole text is then its tooltip
// and its accessible description. text() is always the whole text.
class Anzeigetext : public QLabel {
    Q_OBJECT
public:
    Anzeigetext(const QString& beschriftung, QWidget* eltern);

    const QString& beschriftung() const { return beschriftung_; }
    // The text as painted: whole, or cut with "…" where it does not fit.
    QString gezeigt() const;
    bool gekuerzt() const { return gezeigt() != text(); }

protected:
    bool event(QEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QRect textflaeche() const;

    QString beschriftung_;
};

} // namespace ui
