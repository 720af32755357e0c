#pragma once

#include "Befehl.h"

#include "core/grund/TGewinnreihe.h"
#include "core/schein/Spielschein.h"
#include "core/spieltag/BoxVerlassen.h"
#include "core/spieltag/Quoten.h"

#include <QList>
#include <QString>

namespace cli {

struct Aufruf;

// What an evaluation works with besides the slip.
struct Eingaben {
    core::TGewinnreihe gewinnreihe;
    core::Boxtexte boxen;
    QString gewinnreiheHerkunft;
    core::TQuoten quoten;
    QString quotenDatei; // empty: no odds were loaded
};

// --spieltag, --gewinnreihe, --zs and --quoten, of the commands that evaluate against one winning row.
QList<Option> EingabeOptionen();
// Throws Aufruffehler unless they name one winning row whose numbers fit the boxes.
void EingabenPruefen(const Aufruf& aufruf);

// The winning row from --spieltag (with the odds of its date beside it) or from --gewinnreihe and
// --zs as typed into the boxes, and the odds of --quoten.
Eingaben EingabenLesen(const Aufruf& aufruf);

// A slip named on the command line, read into a row table of the grid's columns.
core::Spielschein ScheinLesen(const QString& name);

} // namespace cli
