#pragma once

#include <QString>
#include <QStringList>

namespace core {

// The comma text of a slip line: fields are separated by commas; outside double quotes a blank
// or a control character (codes up to 32) also ends a field, and such characters around fields
// are skipped; a field that starts with a double quote runs to the closing quote, "" standing for
// one quote; a comma at the very end adds one more, empty field.
QStringList KommatextZerlegen(QStringView zeile);

// Calls feld(QStringView) for every field of the comma text, in order. `auchKomma` counts as a
// comma wherever it stands, inside quotes too: the fields of the line after every such character
// was replaced by a comma, without building that line.
template <typename F> void KommatextFelder(QStringView zeile, F&& feld, char16_t auchKomma = u',') {
    const qsizetype n = zeile.size();
    const auto zeichen = [&](qsizetype k) -> char16_t {
        const char16_t c = zeile[k].unicode();
        return c == auchKomma ? u',' : c;
    };
    qsizetype i = 0;
    const auto trennerUeberspringen = [&] {
        while (i < n && zeichen(i) <= u' ')
            ++i;
    };
    trennerUeberspringen();
    while (i < n) {
        if (zeichen(i) == u'"') {
            QString inhalt;
            ++i;
            while (i < n) {
                if (zeichen(i) != u'"') {
                    inhalt.append(QChar(zeichen(i++)));
                } else if (i + 1 < n && zeichen(i + 1) == u'"') {
                    inhalt.append(u'"');
                    i += 2;
                } else {
                    ++i;
                    break;
                }
            }
            feld(QStringView(inhalt));
        } else {
            const qsizetype start = i;
            while (i < n && zeichen(i) > u' ' && zeichen(i) != u',')
                ++i;
            feld(zeile.sliced(start, i - start));
        }
        trennerUeberspringen();
        if (i < n && zeichen(i) == u',') {
            if (i + 1 == n)
                feld(QStringView());
            ++i;
            trennerUeberspringen();
        }
    }
}

// A field with a blank, a control character, a double quote or a comma needs quotes.
bool BrauchtAnfuehrung(QStringView feld);
// The field as written into a comma text: in quotes with inner quotes doubled when it needs them.
QString KommatextFeld(QStringView feld);

} // namespace core
