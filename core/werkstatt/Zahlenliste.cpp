#include "Zahlenliste.h"

#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace core {

std::vector<int> ZahlenlisteLesen(const QString& text) {
    static const QRegularExpression trenner(QStringLiteral("[\\s,;]+"));
    std::vector<int> zahlen;
    for (const QString& teil : text.split(trenner, Qt::SkipEmptyParts)) {
        const int n = StrToInt(teil);
        if (n < 1 || n > 45)
            throw Fehler(QStringLiteral("Die Zahl %1 liegt nicht zwischen 1 und 45.").arg(n));
        if (std::find(zahlen.begin(), zahlen.end(), n) != zahlen.end())
            throw Fehler(QStringLiteral("Die Zahl %1 ist mehrfach angegeben.").arg(n));
        zahlen.push_back(n);
    }
    return zahlen;
}

QString ZahlenlisteText(const std::vector<int>& zahlen) {
    QStringList t;
    for (const int z : zahlen)
        t.append(QString::number(z));
    return t.join(u' ');
}

} // namespace core
