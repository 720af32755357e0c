#pragma once

#include <QString>

#include <cstdint>

namespace core {

// Measures the pixel width of a text in a grid's font.
class Textmass {
public:
    virtual ~Textmass() = default;
    virtual int breite(QStringView text) const = 0;
    // True when every digit has the same width and digits do not kern, so that the width
    // of a number depends only on its count of digits.
    virtual bool ziffernGleichBreit() const { return false; }
};

// Number of leading blanks that make a text of this width show right-aligned in a fixed cell
// of the nominal width: round(round(nominal * 0.7) - breite) / (2 * blank width)), halves to even.
int FuellBlanks(int textbreite, int nominal, int blankbreite);

QString TextRechtsbuendig(QStringView text, int nominal, const Textmass& mass);
QString ZahlRechtsbuendig(std::int64_t zahl, int nominal, const Textmass& mass);

class Zeilentabelle;
// Writes the row labels 1, 2, ... padded for the nominal width into column 0 of rows von..bis.
void ZeilennummernSchreiben(Zeilentabelle& tabelle, int von, int bis, int nominal, const Textmass& mass);

} // namespace core
