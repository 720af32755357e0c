#pragma once

#include "core/spieltag/Quoten.h"

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

namespace ui {

// The odds panel beside the row grid: six boxes, rank I at the top, with load, save and delete.
// It owns its boxes and file label; loading and saving a file are asked of its owner.
class QuotenPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int Breite = 172;
    static constexpr int Hoehe = 331;

    explicit QuotenPanel(QWidget* parent);

    // The texts of the six boxes, index 1..6 = rank.
    core::TQuoten quoten() const;
    // The six boxes to these texts; a box that already shows its text is left alone.
    void setzen(const core::TQuoten& quoten);
    // The file label: the odds file the boxes came from or went to.
    void dateiZeigen(const QString& dateiname);
    // "Quoten löschen": the boxes and the file label emptied.
    void leeren();

signals:
    // "Quoten einlesen..." was pressed.
    void einlesenVerlangt();
    // "Quoten speichern..." was pressed.
    void speichernVerlangt();

private:
    QToolButton* QuotenEinlesen; // bsSkinSpeedButton13
    QToolButton* BQuoDel;
    QLabel* LDatei3;
    // Index 1..6 = rank; index 0 unused.
    std::array<QLineEdit*, 7> eQ{};
    QToolButton* QuotenSpeichern; // bsSkinSpeedButton14
};

} // namespace ui
