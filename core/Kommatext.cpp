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
    const qsizetype n = zeile.size();
    qsizetype i = 0;
    const auto trennerUeberspringen = [&] {
        while (i < n && trennt(zeile[i].unicode()))
            ++i;
    };
    trennerUeberspringen();
    while (i < n) {
        if (zeile[i] == u'"') {
            QString feld;
            ++i;
            while (i < n) {
                if (zeile[i] != u'"') {
                    feld.append(zeile[i++]);
                } else if (i + 1 < n && zeile[i + 1] == u'"') {
                    feld.append(u'"');
                    i += 2;
                } else {
                    ++i;
                    break;
                }
            }
            felder.append(feld);
        } else {
            const qsizetype start = i;
            while (i < n && !trennt(zeile[i].unicode()) && zeile[i] != u',')
                ++i;
            felder.append(zeile.sliced(start, i - start).toString());
        }
        trennerUeberspringen();
        if (i < n && zeile[i] == u',') {
            if (i + 1 == n)
                felder.append(QString());
            ++i;
            trennerUeberspringen();
        }
    }
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
