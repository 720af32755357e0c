#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QFrame;
class QLineEdit;
class QToolButton;

namespace ui {

class TFfrAnzeigeGew;

// The strip of the seven winning-row boxes with the order toggle, the clear button and the option
// of evaluating at once.
class GewinnreiheLeiste : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 404;
    static constexpr int Hoehe = 64;

    explicit GewinnreiheLeiste(QWidget* parent);

    QFrame* PAnzeige;
    // Index 1..7 = box number; index 0 unused.
    std::array<TFfrAnzeigeGew*, 8> Rahmen{};
    std::array<QLineEdit*, 8> Boxen{};
    QToolButton* BSortier2;
    QToolButton* Loeschen; // bsSkinSpeedButton3
    QCheckBox* cbSofort;
};

} // namespace ui
