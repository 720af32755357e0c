#include "TippsText.h"

#include "Zeilentabelle.h"
#include "core/grund/Grossspeicher.h"

#include <algorithm>

namespace core {

QString TippsText(const Zeilentabelle& t, QChar trenner) {
    using Z = Zeilentabelle;
    constexpr int Spalten = 6;
    // Columns the table lacks are copied as empty fields.
    const int vorhanden = std::min(Spalten, t.spalten() - 1);
    const auto laenge = [&](Z::Zelle z) -> qsizetype {
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
            if (Z::istZahl(zelle)) {
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
