#pragma once

#include <QString>

class QLabel;

namespace core {
class Zeilentabelle;
}

namespace ui {

struct Umgebung;
class ZeilenModell;

// The commands the main window's row grid and the slip editor's grid share, each on its own grid
// and labels.
class Reihenbefehle {
public:
    // Cell (column 1, row 1) tells whether the grid holds rows.
    static bool hatReihen(const core::Zeilentabelle& tabelle);
    // "Als Spielschein speichern...": columns 1 .. spalten - weglassen - 1 of the rows into the chosen
    // file; LDatei names it.
    static void alsSpielscheinSpeichern(Umgebung& umgebung, const QString& startOrdner,
                                        const core::Zeilentabelle& tabelle, int weglassen, QLabel* LDatei);
    // "Reihen löschen": every cell of the rows emptied, the row count kept.
    static void reihenLoeschen(ZeilenModell& modell, QLabel* LDatei, QLabel* LReihen);
};

} // namespace ui
