#pragma once

#include "ui/bausteine/Anzeigetext.h"

namespace ui {

// The donation counter "Stand in €": a text from the publisher's site in a narrow field, always as
// plain text. A text too wide for the field is drawn smaller, down to a size still legible, then
// cut with "…"; the whole text is then its tooltip. text() is always the whole text; a screen reader
// hears it with the caption.
class Zaehleranzeige : public Anzeigetext {
    Q_OBJECT
public:
    explicit Zaehleranzeige(QWidget* eltern);

    void setzen(const QString& text);
    // The font and the text as drawn.
    QFont gezeigteSchrift() const;
    QString gezeigterText() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    void einpassen();

    QFont schrift_;
    QString gezeigt_;
};

} // namespace ui
