#pragma once

#include <QString>
#include <QStringList>

namespace core {

// The comma text of a slip line: fields are separated by commas; outside double quotes a blank
// or a control character (codes up to 32) also ends a field, and such characters around fields
// are skipped; a field that starts with a double quote runs to the closing quote, "" standing for
// one quote; a comma at the very end adds one more, empty field.
QStringList KommatextZerlegen(QStringView zeile);

// A field with a blank, a control character, a double quote or a comma needs quotes.
bool BrauchtAnfuehrung(QStringView feld);
// The field as written into a comma text: in quotes with inner quotes doubled when it needs them.
QString KommatextFeld(QStringView feld);

} // namespace core
