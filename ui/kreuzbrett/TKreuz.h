#pragma once

#include <QLabel>

namespace ui {

// A cross on the board: a blue "X", ticked exactly while it is visible. Its Tag is the match
// number 1..45 or 100 + the system's catalogue entry.
class TKreuz : public QLabel {
    Q_OBJECT
public:
    TKreuz(int tag, QWidget* parent);
    int tag() const { return tag_; }

signals:
    void geklickt(int tag);

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    int tag_;
};

} // namespace ui
