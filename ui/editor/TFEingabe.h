#pragma once

#include "core/schein/Zeilentabelle.h"

#include <QWidget>

class QLabel;
class QScrollBar;
class QToolButton;

namespace settings {
struct Ordner;
}

namespace ui {

struct Umgebung;
class Textfeld;
class ZeilenGitter;
class ZeilenModell;

// The slip editor: turns pasted, typed or imported text into tip rows. Created once at start,
// hidden; closing only hides it, so its text and rows stay.
class TFEingabe : public QWidget {
    Q_OBJECT
public:
    static constexpr int KlientBreite = 463;
    static constexpr int KlientHoehe = 690;
    static constexpr int G1Zeilen = 36;

    TFEingabe(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent = nullptr);

signals:
    // "Reihen zur Auswertung kopieren": the rows of the grid (columns 0..6 of rows 1..) are to go
    // into the main window's row grid; anzahl is the row count this window shows.
    void reihenUebertragen(const core::Zeilentabelle& reihen, const QString& anzahl);

private:
    void M1Change();
    void BOpenClick();
    void BAuslesenClick();
    void BDelClick();
    void BSaveClick();
    void bsSkinSpeedButton1Click();
    void BGridDelClick();
    void BTransferClick();
    void bsSkinSpeedButton13Click();
    void kopfBauen();
    void textspalteBauen();
    void gitterspalteBauen();
    void verbinden();

    Umgebung& umgebung_;
    const settings::Ordner& ordner_;

    QToolButton* BClose;
    QToolButton* Position; // bsSkinSpeedButton13
    QLabel* Anleitung;
    QToolButton* BOpen;
    QToolButton* BAuslesen;
    QToolButton* BDel;
    QLabel* LDatei0;
    QLabel* LZeilen;
    Textfeld* m1;
    QToolButton* BSave;
    QToolButton* Export; // bsSkinSpeedButton1
    QToolButton* BGridDel;
    QLabel* LDatei;
    QLabel* LReihen;
    ZeilenModell* G1Modell;
    ZeilenGitter* G1;
    QScrollBar* Leiste;
    QToolButton* BTransfer;
};

} // namespace ui
