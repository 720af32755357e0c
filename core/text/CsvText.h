#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace core {

// The two codes a table is exported in: the one German spreadsheet programs take without asking,
// and UTF-8 with a byte-order mark, which they recognise by the mark.
enum class CsvKodierung { Windows1252, Utf8MitBom };

// Rows of fields as such programs read them: a semicolon between fields, CR LF after every row; a
// field holding a semicolon, a double quote or a line break stands in double quotes, each quote
// in it doubled. Windows-1252 writes a character outside the code page as '?'.
QByteArray CsvText(const QList<QStringList>& zeilen, CsvKodierung kodierung);

} // namespace core
