#pragma once

#include "core/schein/Zeilentabelle.h"
#include "ui/umgebung/Meldungen.h"

#include <QString>

#include <optional>


namespace ui {

struct Umgebung;
class ZeilenModell;

// The commands the main window's row grid and the slip editor's grid share, each on its own grid.
class Reihenbefehle {
public:
    // Cell (column 1, row 1) tells whether the grid holds rows.
    static bool hatReihen(const core::Zeilentabelle& tabelle);
    // "Als Spielschein speichern...": columns 1 .. spalten - weglassen - 1 of the rows into the chosen
    // file. The name of the file written, for the file label; nullopt when nothing was written.
    // Without rows an error box at `ort` says so.
    static std::optional<QString> alsSpielscheinSpeichern(Umgebung& umgebung, const QString& startOrdner,
                                                          const core::Zeilentabelle& tabelle, int weglassen,
                                                          Meldungen::Ort ort);
    // "Reihen löschen": every cell of the rows emptied, the row count kept. The rows before, or
    // nullopt when there were none and nothing changed.
    static std::optional<core::Zeilentabelle> reihenLoeschen(ZeilenModell& modell);
};

} // namespace ui
