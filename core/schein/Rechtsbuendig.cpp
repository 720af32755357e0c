#include "Rechtsbuendig.h"

#include "Zeilentabelle.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace core {

int FuellBlanks(int textbreite, int nominal, int blankbreite) {
    if (blankbreite <= 0)
        return 0;
    const double w = std::nearbyint(nominal * 0.7);
    return int(std::nearbyint((w - textbreite) / (2.0 * blankbreite)));
}

QString TextRechtsbuendig(QStringView text, int nominal, const Textmass& mass) {
    const int n = FuellBlanks(mass.breite(text), nominal, mass.breite(u" "));
    if (n <= 0)
        return text.toString();
    return QString(n, u' ') + text.toString();
}

QString ZahlRechtsbuendig(std::int64_t zahl, int nominal, const Textmass& mass) {
    return TextRechtsbuendig(QString::number(zahl), nominal, mass);
}

void ZeilennummernSchreiben(Zeilentabelle& tabelle, int von, int bis, int nominal, const Textmass& mass) {
    const int blank = mass.breite(u" ");
    std::array<int, 12> blanksJeStellen;
    blanksJeStellen.fill(-1);
    const bool gleichBreit = mass.ziffernGleichBreit();
    int naechsteZehnerpotenz = 10;
    int stellen = 1;
    for (int r = von; r <= bis; ++r) {
        while (r >= naechsteZehnerpotenz && stellen < 10) {
            ++stellen;
            naechsteZehnerpotenz = naechsteZehnerpotenz > 100000000 ? INT32_MAX : naechsteZehnerpotenz * 10;
        }
        int n;
        if (gleichBreit && blanksJeStellen[stellen] >= 0) {
            n = blanksJeStellen[stellen];
        } else {
            n = std::max(0, FuellBlanks(mass.breite(QString::number(r)), nominal, blank));
            if (gleichBreit)
                blanksJeStellen[stellen] = n;
        }
        if (std::uint32_t(r) <= Zeilentabelle::GroessteZahl && n <= Zeilentabelle::GroessteBlanks)
            tabelle.setZelle(r, 0, Zeilentabelle::zahl(std::uint32_t(r), n));
        else
            tabelle.setText(r, 0, QString(n, u' ') + QString::number(r));
    }
}

} // namespace core
