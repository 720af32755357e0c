#include "DateiFehler.h"

#include <QDir>

#include <cerrno>

namespace core {

QString SystemGrund(int fehlernummer) {
    switch (fehlernummer) {
    case ENOENT:
        return QStringLiteral("Die Datei oder der Ordner existiert nicht.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Zugriff verweigert.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Auf dem Datenträger ist nicht genug Speicherplatz.");
    case EISDIR:
        return QStringLiteral("Der Name bezeichnet einen Ordner.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case ELOOP:
        return QStringLiteral("Zu viele Ebenen symbolischer Verknüpfungen.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Die Datei wird von einem anderen Vorgang verwendet.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Es sind zu viele Dateien geöffnet.");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers.");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß.");
    case ECANCELED:
        return QStringLiteral("Das Lesen wurde abgebrochen.");
    case 0:
        return QStringLiteral("Unbekannter Fehler.");
    default:
        return QStringLiteral("Systemfehler %1.").arg(fehlernummer);
    }
}

QString LesefehlerText(const QString& pfad, int fehlernummer) {
    return QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n\n%2")
        .arg(QDir::toNativeSeparators(pfad), SystemGrund(fehlernummer));
}

QString SchreibfehlerText(const QString& pfad, int fehlernummer) {
    return QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\n\n%2")
        .arg(QDir::toNativeSeparators(pfad), SystemGrund(fehlernummer));
}

QString KeineDateiText(const QString& pfad) {
    return QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n\nSie ist keine gewöhnliche Datei.")
        .arg(QDir::toNativeSeparators(pfad));
}

} // namespace core
