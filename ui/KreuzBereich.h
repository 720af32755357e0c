#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace ui {

class KreuzBrett;

// The middle column: the hint, the cross board, the pattern and play buttons and the information panel.
class KreuzBereich : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 280;
    static constexpr int Hoehe = 650;

    explicit KreuzBereich(QWidget* parent);

    KreuzBrett* PKreuz;
    QToolButton* BQOpen;
    QToolButton* BQSave;
    QToolButton* BVoll;
    QLabel* Label5;
};

} // namespace ui
