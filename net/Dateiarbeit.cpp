#include "Dateiarbeit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace net {

qint64 Dateiarbeit::groesse(const QString& pfad) {
    struct stat info {};
    if (pfad.isEmpty() || ::lstat(QFile::encodeName(pfad).constData(), &info) != 0)
        return -1;
    return qint64(info.st_size);
}

bool Dateiarbeit::loeschen(const QString& pfad) {
    const QFileInfo info(pfad);
    // A link to a folder goes alone; what it points to stays.
    if (info.isDir() && !info.isSymLink())
        return QDir(pfad).removeRecursively();
    return (info.exists() || info.isSymLink()) && QFile::remove(pfad);
}

} // namespace net
