#include "Dateien.h"

#include "core/DateiFehler.h"
#include "core/Fehler.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace cli {

void DateiPruefen(const QString& pfad) {
    const QFileInfo info(pfad);
    if (!info.exists())
        throw core::Fehler(core::LesefehlerText(pfad, ENOENT));
    if (info.isDir())
        throw core::Fehler(core::LesefehlerText(pfad, EISDIR));
    if (!info.isFile())
        throw core::Fehler(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n\n"
                                          "Sie ist keine gewöhnliche Datei.")
                               .arg(QDir::toNativeSeparators(pfad)));
}

} // namespace cli
