#pragma once

#include <QToolButton>

namespace ui {

// A command button whose caption wraps onto two lines beside its icon, as captions such as
// "Als Spielschein speichern..." need on narrow buttons. text() stays the caption as given.
// Enter presses it while it has the focus, as Space does.
class Knopf : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
};

} // namespace ui
