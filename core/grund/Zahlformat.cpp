#include "Zahlformat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace core {
namespace {

QString gruppiert(const std::string& ziffern) {
    QString s;
    const int n = int(ziffern.size());
    s.reserve(n + n / 3);
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            s.append(u'.');
        s.append(QChar(ziffern[i]));
    }
    return s;
}

} // namespace

QString Betragstext(double betrag) {
    if (!std::isfinite(betrag))
        return QStringLiteral("0,00");
    // The exact decimal expansion of the double decides the rounding, not a scaled product.
    char puffer[512];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, std::fabs(betrag), std::chars_format::fixed, 30);
    if (fehler != std::errc())
        return QStringLiteral("0,00");
    std::string text(puffer, ende);
    const auto punkt = text.find('.');
    std::string ganz = text.substr(0, punkt);
    std::string nachkomma = text.substr(punkt + 1);
    std::string zwei = nachkomma.substr(0, 2);
    if (nachkomma[2] >= '5') {
        // carry through the two decimals and the integer part
        std::string alles = ganz + zwei;
        int i = int(alles.size()) - 1;
        while (i >= 0 && alles[i] == '9')
            alles[i--] = '0';
        if (i < 0)
            alles.insert(alles.begin(), '1');
        else
            ++alles[i];
        ganz = alles.substr(0, alles.size() - 2);
        zwei = alles.substr(alles.size() - 2);
    }
    const bool null = ganz.find_first_not_of('0') == std::string::npos && zwei == "00";
    QString ergebnis = (betrag < 0 && !null) ? QStringLiteral("-") : QString();
    return ergebnis + gruppiert(ganz) + u',' + QString::fromLatin1(zwei.data(), 2);
}

QString Ganzzahltext(std::int64_t zahl) {
    const bool negativ = zahl < 0;
    const std::string ziffern = std::to_string(zahl < 0 ? -static_cast<unsigned long long>(zahl)
                                                        : static_cast<unsigned long long>(zahl));
    return (negativ ? QStringLiteral("-") : QString()) + gruppiert(ziffern);
}

QString Bytetext(std::int64_t anzahl) {
    return anzahl == 1 ? QStringLiteral("1 Byte") : Ganzzahltext(anzahl) + QStringLiteral(" Bytes");
}

} // namespace core
