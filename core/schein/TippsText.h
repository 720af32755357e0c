#pragma once

#include <QString>

namespace core {

class Zeilentabelle;

// The rows for the clipboard and the export: one line per row 1 .. zeilen - 1, empty rows included,
// the texts of columns 1..6 joined by the separator (always five), every line followed by CR LF.
QString TippsText(const Zeilentabelle& tabelle, QChar trenner = u',');

} // namespace core
