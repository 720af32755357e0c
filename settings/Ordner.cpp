#include "Ordner.h"

#include <QDir>
#include <QStandardPaths>

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
    o.TempDir = mitTrenner(QDir::tempPath());
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
    // With all missing parents: on a fresh account the data home itself may not exist yet.
    for (const QString& ordner : {DataRoot, ShotsDir, SlipDir, MatchdayDir, SettingsDir})
        QDir().mkpath(ordner);
}

} // namespace settings
