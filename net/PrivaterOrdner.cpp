#include "PrivaterOrdner.h"

#include "EAFehler.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace net {

void PrivaterOrdner::sichern(const QString& ordner) {
    QString ohneTrenner = ordner;
    while (ohneTrenner.size() > 1 && ohneTrenner.endsWith(u'/'))
        ohneTrenner.chop(1);
    const QByteArray pfad = QFile::encodeName(ohneTrenner);
    if (::mkdir(pfad.constData(), 0700) != 0 && errno != EEXIST)
        throw EAFehler(ordner, errno);
    struct stat info {};
    if (::lstat(pfad.constData(), &info) != 0)
        throw EAFehler(ordner, errno);
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        throw core::Fehler(QStringLiteral("Der Ordner \"%1\" für die Zwischendateien der Downloads ist kein "
                                          "eigener Ordner dieses Benutzers.\n\nIch breche erst einmal ab.")
                               .arg(QDir::toNativeSeparators(ordner)));
    if ((info.st_mode & 07777) != 0700 && ::chmod(pfad.constData(), 0700) != 0)
        throw EAFehler(ordner, errno);
}

} // namespace net
