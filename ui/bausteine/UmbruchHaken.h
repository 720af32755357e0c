#pragma once

#include <QCheckBox>

namespace ui {

// A check box whose caption wraps onto further lines; a click anywhere on it toggles it.
class UmbruchHaken : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    bool hitButton(const QPoint& stelle) const override { return rect().contains(stelle); }
};

} // namespace ui
