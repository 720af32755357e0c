#include "Adressen.h"

#include <QUrl>

namespace net::Adressen {

QString Seite() {
    QString seite = qEnvironmentVariable("REMISATOR_SEITE").trimmed();
    if (seite.isEmpty())
        seite = QString::fromLatin1(StandardSeite);
    while (seite.endsWith(u'/'))
        seite.chop(1);
    return seite;
}

QString AufSeite(const char* pfad) {
    return Seite() + QString::fromLatin1(pfad);
}

QString Domain() {
    return QUrl(Seite()).host();
}

QString CaDatei() {
    return qEnvironmentVariable("REMISATOR_CA");
}

QString Spende() {
    return QString::fromLatin1(SpendenSeite) + QStringLiteral("?hosted_button_id=") +
           QString::fromLatin1(SpendenKnopf);
}

} // namespace net::Adressen
