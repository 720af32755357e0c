#include "Ordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace settings {
namespace {

QString mitTrenner(QString pfad) {
    if (!pfad.endsWith(u'/'))
        pfad.append(u'/');
    return pfad;
}

} // namespace

Ordner Ordner::ermitteln(const QString& programDir) {
    Ordner o;
    o.ProgramDir = mitTrenner(programDir);
    // Fixed scratch names belong in a folder of this user alone, not in the shared one; the
    // downloads create it with mode 0700.
    o.TempDir = mitTrenner(QDir::tempPath()) + QStringLiteral("remisator-%1/").arg(::geteuid());
    o.ProbeFile = o.TempDir + QStringLiteral("tmp.tmp");
    const QString benutzer = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    o.DataRoot = (benutzer.isEmpty() ? QString() : mitTrenner(benutzer)) + QStringLiteral("Remisator/");
    if (benutzer.isEmpty())
        o.DataRoot.prepend(u'/');
    o.ShotsDir = o.DataRoot + QStringLiteral("shots/");
    o.SlipDir = o.DataRoot + QStringLiteral("Spielscheine/");
    o.MatchdayDir = o.DataRoot + QStringLiteral("Spieltage/");
    o.SettingsDir = o.DataRoot + QStringLiteral("Einstellungen/");
    return o;
}

void Ordner::anlegen() const {
    // A new user may have no XDG data home yet; it is made as the XDG rules ask, for this user alone.
    // Made with its mode, so that it is never open to others for a moment.
    const QString datenHeim = QFileInfo(QDir::cleanPath(DataRoot)).path();
    if (!QFileInfo::exists(datenHeim) && QDir().mkpath(QFileInfo(datenHeim).path()))
        ::mkdir(QFile::encodeName(datenHeim).constData(), 0700);
    for (const QString& ordner : {DataRoot, ShotsDir, SlipDir, MatchdayDir, SettingsDir})
        QDir().mkpath(ordner);
}

} // namespace settings
