#include "Kommatext.h"

#include <algorithm>

namespace core {
namespace {

bool trennt(char16_t c) {
    return c <= u' ';
}

} // namespace

QStringList KommatextZerlegen(QStringView zeile) {
    QStringList felder;
    KommatextFelder(zeile, [&](QStringView feld) { felder.append(feld.toString()); });
    return felder;
}

bool BrauchtAnfuehrung(QStringView feld) {
    return std::any_of(feld.begin(), feld.end(),
                       [](QChar c) { return trennt(c.unicode()) || c == u'"' || c == u','; });
}

QString KommatextFeld(QStringView feld) {
    if (!BrauchtAnfuehrung(feld))
        return feld.toString();
    QString s;
    s.reserve(feld.size() + 2);
    s.append(u'"');
    for (const QChar c : feld) {
        if (c == u'"')
            s.append(u'"');
        s.append(c);
    }
    s.append(u'"');
    return s;
}

} // namespace core
