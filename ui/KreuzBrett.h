#pragma once

#include <QFrame>
#include <QRect>

#include <array>

class QLabel;
class QToolButton;

namespace ui {

class TKreuz;

// The cross board: the picture of the paper slip with its 59 crosses, the counter and the two
// small buttons. Number crosses have the tags 1..45, system crosses 101..114.
class KreuzBrett : public QFrame {
    Q_OBJECT
public:
    static constexpr int Breite = 260;
    static constexpr int Hoehe = 364;

    explicit KreuzBrett(QWidget* parent);

    // Index 1..45; index 0 unused.
    std::array<TKreuz*, 46> Zahlkreuze{};
    // Index 1..14 = catalogue entry; index 0 unused.
    std::array<TKreuz*, 15> Systemkreuze{};
    // Click areas of the 59 crosses: numbers 1..45 at 0..44, systems at 45..58; both ends included.
    std::array<QRect, 59> Trefferflaechen;

    QLabel* PZ;
    QToolButton* Zufall;
    QToolButton* BKreuzeDel;

signals:
    // A press on the board outside a visible cross, in board coordinates.
    void gedrueckt(QPoint ort, Qt::MouseButton knopf);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
};

} // namespace ui
