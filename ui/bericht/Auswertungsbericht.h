#pragma once

#include "core/grund/TGewinnreihe.h"
#include "core/spieltag/Quoten.h"
#include "ui/bericht/Bericht.h"

#include <array>
#include <optional>

namespace core {
class Zeilentabelle;
}

namespace ui {

struct Umgebung;

// The evaluation as the main window shows it, for its report.
struct Auswertungsstand {
    QString schein;   // the slip label
    QString spieltag; // the matchday's date; empty when none was read
    core::TGewinnreihe gewinnreihe;
    QString zs; // the ZS box as typed
    core::TQuoten quoten;
    std::array<QString, 7> anzahl; // the result grid, ranks 1..6
    std::array<QString, 7> betrag;
    QString gesamt;
    const core::Zeilentabelle* reihen = nullptr; // the row grid, header row included
};

// The report: slip and row count, matchday, winning row, the ranks with odds, counts and amounts
// and the total, then the rows with a rank (or every tip row) with their numbers coloured as in the
// grid.
Bericht Auswertungsbericht(const Auswertungsstand& stand, QDate heute, bool alleReihen);

// The report the user wants: when the grid holds rows without a rank he is asked whether all rows
// go in, told the pages of both; a long report without that question is confirmed first. nullopt
// when he declined.
std::optional<Bericht> AuswertungsberichtWaehlen(Umgebung& umgebung, const Auswertungsstand& stand);

} // namespace ui
