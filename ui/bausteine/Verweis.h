#pragma once

#include <QLabel>

namespace ui {

// A label that opens something, like a link: a left click or Enter, Return or Space while it has
// the focus. Tab reaches it; its caption is its accessible name.
class Verweis : public QLabel {
    Q_OBJECT
public:
    Verweis(const QString& text, QWidget* eltern);

signals:
    void angeklickt();

protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
};

} // namespace ui
