#pragma once

#include "Zeilentabelle.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

namespace core {

class Textmass;

// A slip read from its file: the new row table and what the header bar shows.
struct Spielschein {
    Zeilentabelle tabelle;
    int zeilen = 0;    // lines of the file, the tip rows
    QString dateiname; // without folder
};

// Reads a slip into a new table with the columns and the header row of `vorlage`: line k becomes
// row k, its fields 1.. columns 1.. (an empty field one blank), column 0 the row label for the
// nominal width 34. nullopt when the name is empty or there is no such file; a file that cannot
// be read throws Fehler. The caller's table is never touched, so a failed read leaves it whole.
// The file is read once, in pieces, into a table that grows as its lines come and is cut to them
// at the end; a file too large to be sure of fitting a table is read as SpielscheinLesen reads.
std::optional<Spielschein> SpielscheinEinlesen(const QString& pfad, const Zeilentabelle& vorlage,
                                               const Textmass& mass);
// The same from a seekable device, from its position on; pfad names the file in messages. The text
// is read twice in pieces, never whole: once to count its lines, once into the table made at that
// size. A text with more lines than the table has rows is refused.
Spielschein SpielscheinLesen(QIODevice& geraet, const QString& pfad, const Zeilentabelle& vorlage,
                             const Textmass& mass);

// Columns 1 .. spalten - weglassen - 1 of every row whose column 1 is not empty, as comma text,
// Windows-1252, CR LF after every line.
QByteArray SpielscheinText(const Zeilentabelle& tabelle, int weglassen);
// Writes SpielscheinText, replacing the file atomically.
void SpielscheinSpeichern(const Zeilentabelle& tabelle, const QString& pfad, int weglassen);

} // namespace core
