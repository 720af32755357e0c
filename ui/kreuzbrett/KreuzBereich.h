#pragma once

#include "core/grund/TGewinnreihe.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace settings {
struct Ordner;
}

namespace ui {

class KreuzBrett;
struct Umgebung;
class Verweis;

// The middle column: the hint, the cross board, the pattern and play buttons and the information panel.
class KreuzBereich : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 280;
    static constexpr int Hoehe = 650;

    KreuzBereich(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent);

    QString musterDatei() const;
    // The numbers ticked on the board.
    core::Zahlenmenge kreuze() const;

signals:
    // "System abwickeln": the rows of this catalogue entry over these numbers are to go into the
    // row grid.
    void systemAbwickeln(int system, const core::Zahlenmenge& kreuze);
    // The link label under the advertisement of the larger program was clicked.
    void plusSeiteVerlangt();

private:
    void BQSaveClick();
    void BQOpenClick();
    void BVollClick();

    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    KreuzBrett* PKreuz;
    QToolButton* BQOpen;
    QToolButton* BQSave;
    QToolButton* BVoll;
    Verweis* Label5;
};

} // namespace ui
