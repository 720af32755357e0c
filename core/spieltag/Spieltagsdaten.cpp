#include "Spieltagsdaten.h"

#include "core/text/XStringReplace.h"

namespace core {

QStringList SpieltagsDaten(QDate heute) {
    QDate letzter = heute;
    while (letzter.dayOfWeek() != Qt::Saturday)
        letzter = letzter.addDays(-1);
    QStringList daten;
    QDate tag = ErsterSpieltag;
    for (; tag <= letzter; tag = tag.addDays(7))
        daten.append(tag.toString(QStringLiteral("dd.MM.yyyy")));
    daten.append(tag.toString(QStringLiteral("dd.MM.yyyy")));
    return daten;
}

QString SpieltagDateiname(const QString& datumText) {
    return XStringReplace(datumText, QStringLiteral("."), QString(), ErsetzOption::ReplaceAll) +
           QStringLiteral(".sp45");
}

} // namespace core
