#include "TippsText.h"

#include "Zeilentabelle.h"
#include "core/grund/Grossspeicher.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace core {
namespace {

using Z = Zeilentabelle;

// A number below 100 without blanks, nearly every cell of a slip: its value, else 100 or more.
std::uint32_t kleineZahl(Z::Zelle z) {
    // Such numbers have consecutive codes.
    return z - Z::zahl(0);
}

// The numbers below 100 as two characters: the tens and the units, or for one digit the digit and
// a character that whatever follows overwrites. Written whole, so that the count of digits costs
// no branch, which no predictor guesses on random rows.
using Paare = std::array<std::array<char16_t, 2>, 100>;
constexpr Paare paare() {
    Paare t{};
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = i < 10 ? std::array<char16_t, 2>{char16_t(u'0' + i), u' '}
                      : std::array<char16_t, 2>{char16_t(u'0' + i / 10), char16_t(u'0' + i % 10)};
    return t;
}
constexpr Paare Ziffernpaare = paare();

} // namespace

QString TippsText(const Zeilentabelle& t, QChar trenner) {
    constexpr int Spalten = 6;
    // Columns the table lacks are copied as empty fields.
    const int vorhanden = std::min(Spalten, t.spalten() - 1);
    const auto laenge = [&](Z::Zelle z) -> qsizetype {
        if (const std::uint32_t wert = kleineZahl(z); wert < 100)
            return 1 + qsizetype(wert >= 10);
        if (Z::istZahl(z))
            return Z::zahlLaenge(z);
        return z == Z::Leer ? 0 : t.pooltext(z).size();
    };

    // Measured first, so that the text is allocated once and written in place.
    qsizetype gesamt = 0;
    for (int r = 1; r < t.zeilen(); ++r) {
        const Z::Zelle* zeile = t.zeile(r);
        gesamt += Spalten - 1 + 2;
        for (int c = 1; c <= vorhanden; ++c)
            gesamt += laenge(zeile[c]);
    }

    QString text(gesamt, Qt::Uninitialized);
    char16_t* z = reinterpret_cast<char16_t*>(text.data());
    Grossspeicher::beraten(z, std::size_t(gesamt) * sizeof(char16_t));
    for (int r = 1; r < t.zeilen(); ++r) {
        const Z::Zelle* zeile = t.zeile(r);
        for (int c = 1; c <= Spalten; ++c) {
            if (c > 1)
                *z++ = trenner.unicode();
            if (c > vorhanden)
                continue;
            const Z::Zelle zelle = zeile[c];
            // A separator or the line end always follows a cell and takes the spare character.
            if (const std::uint32_t wert = kleineZahl(zelle); wert < 100) {
                std::memcpy(z, Ziffernpaare[wert].data(), sizeof(char16_t) * 2);
                z += 1 + int(wert >= 10);
            } else if (Z::istZahl(zelle)) {
                z = Z::zahlSchreiben(zelle, z);
            } else if (zelle != Z::Leer) {
                const QString& s = t.pooltext(zelle);
                z = std::copy(s.utf16(), s.utf16() + s.size(), z);
            }
        }
        *z++ = u'\r';
        *z++ = u'\n';
    }
    return text;
}

} // namespace core
