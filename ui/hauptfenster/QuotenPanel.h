#pragma once

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

namespace ui {

// The odds panel beside the row grid: six boxes, rank I at the top, with load, save and delete.
class QuotenPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int Breite = 172;
    static constexpr int Hoehe = 331;

    explicit QuotenPanel(QWidget* parent);

    QToolButton* QuotenEinlesen; // bsSkinSpeedButton13
    QToolButton* BQuoDel;
    QLabel* LDatei3;
    // Index 1..6 = rank; index 0 unused.
    std::array<QLineEdit*, 7> eQ{};
    QToolButton* QuotenSpeichern; // bsSkinSpeedButton14
};

} // namespace ui
