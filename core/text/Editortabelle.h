#pragma once

#include <QChar>
#include <QStringView>

namespace core {

class Textmass;
class Zeilentabelle;

// The slip editor's table: 7 columns, row 0 the header, column 0 the row labels, columns 1..6
// the texts read for a tip row.
inline constexpr int EditorSpalten = 7;

// Header "Reihe" and "1".."6", and the labels of rows 1.., padded to show right-aligned
// (nominal width 40, the digits of the header 26).
void EditorTabelleBeschriften(Zeilentabelle& tabelle, const Textmass& mass);

// Removes the characters with codes 0 to 32 at both ends.
QStringView ZeileTrimmen(QStringView zeile);

// The first of the separators blank, semicolon, tab and comma that occurs in the line; the comma
// when none does.
QChar TrennerSuchen(QStringView zeile);

// Reads free text into the table, rows 1.. in order of the non-empty lines. Every line is trimmed;
// when the first one has more than 6 characters, the separator it holds stands for a comma in
// every line and each line gives the first six fields of its comma text (an empty field one
// blank). Otherwise nothing is read and only one data row stays, with the cells it held.
// Returns the number of data rows.
int TippreihenAuslesen(QStringView text, Zeilentabelle& tabelle, const Textmass& mass);

// Gives the target the source's row count and copies columns 0..6 of its rows 1..; the target's
// header and further columns stay.
void ReihenUebertragen(const Zeilentabelle& quelle, Zeilentabelle& ziel);

} // namespace core
