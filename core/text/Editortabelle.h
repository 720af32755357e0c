#pragma once

#include "core/schein/Zeilentabelle.h"

#include <QChar>
#include <QStringView>

namespace core {

class Textmass;

// The slip editor's table: 7 columns, row 0 the header, column 0 the row labels, columns 1..6
// the texts read for a tip row.
inline constexpr int EditorSpalten = 7;

// Header "Reihe" and "1".."6", and the labels of rows 1.., padded to show right-aligned
// (nominal width 40, the digits of the header 26).
void EditorTabelleBeschriften(Zeilentabelle& tabelle, const Textmass& mass);

// Removes the characters with codes 0 to 32 at both ends.
QStringView ZeileTrimmen(QStringView zeile);

// The character that stands for a comma in every line: the semicolon when the line holds one, else
// the comma. Blanks and tabs separate fields in any case, and a run of them around a separator
// counts as one separator.
QChar TrennerSuchen(QStringView zeile);

// What "Auslesen" gives: the table of the rows read and what was left out.
struct Auslesung {
    // Rows 1.. the tip rows read, labelled; row 0 the header.
    Zeilentabelle tabelle{EditorSpalten};
    int reihen = 0;
    // Non-empty lines that gave no tip row of six different numbers 1..45.
    int uebersprungen = 0;
    // The first line has 6 characters or fewer: nothing is read.
    bool ersteZeileZuKurz = false;
};

// Reads free text into a new table, rows 1.. in order of the lines that give a tip row. Every line
// is trimmed; when the first one has more than 6 characters, each line is split as comma text (the
// first line's separator standing for a comma) and gives a row when it holds exactly six different
// numbers 1..45, written without leading zeros. Other non-empty lines are counted as skipped.
Auslesung TippreihenAuslesen(QStringView text, const Textmass& mass);

// Gives the target the source's row count and copies columns 0..6 of its rows 1..; the target's
// header and further columns stay.
void ReihenUebertragen(const Zeilentabelle& quelle, Zeilentabelle& ziel);

} // namespace core
