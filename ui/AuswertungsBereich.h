#pragma once

#include <QWidget>

class QLabel;
class QScrollBar;
class QToolButton;

namespace ui {

class GewinnreiheLeiste;
class QuotenPanel;
class ZeilenGitter;
class ZeilenModell;

// The evaluation column (PFoto, also the area of a snapshot): winning row, slip bar, row grid
// with its scroll bar and the odds, and the result panel.
class AuswertungsBereich : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 404;
    static constexpr int Hoehe = 650;
    static constexpr int G1Zeilen = 30;

    explicit AuswertungsBereich(QWidget* parent);

    GewinnreiheLeiste* Gewinnreihe;
    QToolButton* SpielscheinEinlesen; // bsSkinSpeedButton1
    QToolButton* BSave;
    QToolButton* BCopy;
    QToolButton* BGridDel;
    QLabel* LDatei;
    QToolButton* SortNachNummer; // bsSkinSpeedButton2
    QToolButton* BSortier;
    QLabel* LReihen;
    ZeilenModell* G1Modell;
    ZeilenGitter* G1;
    QScrollBar* scrv1;
    QuotenPanel* P116;
    ZeilenModell* G2Modell;
    ZeilenGitter* G2;
    QToolButton* BAuswerten;
    QLabel* LGesGewinn;
    QToolButton* Abbild; // bsSkinSpeedButton9
};

} // namespace ui
