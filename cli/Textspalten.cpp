#include "Textspalten.h"

#include <algorithm>

namespace cli {

QString Textspalten::text() const {
    QList<qsizetype> breite(spalten_.size(), 0);
    for (const QStringList& zeile : zeilen_)
        for (qsizetype c = 0; c < zeile.size() && c < spalten_.size(); ++c)
            breite[c] = std::max(breite[c], zeile[c].size());
    QString text;
    for (const QStringList& zeile : zeilen_) {
        QString z;
        for (qsizetype c = 0; c < zeile.size() && c < spalten_.size(); ++c) {
            if (c > 0)
                z += QStringLiteral("  ");
            z += spalten_[c] == Ausrichtung::Rechts ? zeile[c].rightJustified(breite[c])
                                                    : zeile[c].leftJustified(breite[c]);
        }
        while (z.endsWith(u' '))
            z.chop(1);
        text += z + u'\n';
    }
    return text;
}

} // namespace cli
