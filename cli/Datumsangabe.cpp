#include "Datumsangabe.h"

#include "Aufruffehler.h"

#include <QRegularExpression>

namespace cli {

QDate DatumLesen(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d\\d\\d$"));
    const QDate datum = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
    if (!form.match(text).hasMatch() || !datum.isValid())
        throw Aufruffehler(
            QStringLiteral("\"%1\" ist kein Datum der Form TT.MM.JJJJ wie 18.09.2021.").arg(text));
    return datum;
}

} // namespace cli
