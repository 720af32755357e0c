#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;

namespace ui {

// One pairing of the matchday: number, kick-off, tendency, result entry and the two teams.
class TFfrPaarung : public QFrame {
    Q_OBJECT
public:
    static constexpr int Breite = 260;
    static constexpr int Hoehe = 34;

    TFfrPaarung(int nummer, QWidget* parent);

    QFrame* PBase;
    QLabel* LNr;
    QLabel* PStart;
    QLabel* PTendenz;
    QLineEdit* eErg;
    QLabel* PPaar;
};

} // namespace ui
