#pragma once

#include <QString>

namespace settings {

// The program's folders, fixed once at start. Every folder path ends with a separator.
struct Ordner {
    QString ProgramDir;
    QString TempDir;
    QString ProbeFile;
    QString DataRoot;
    QString ShotsDir;
    QString SlipDir;
    QString MatchdayDir;
    QString SettingsDir;

    // The per-user data folder is the XDG data home + "Remisator/".
    static Ordner ermitteln(const QString& programDir);
    // Creates the missing folders with their missing parents; a folder that cannot be created is
    // passed over.
    void anlegen() const;
    QString optionenDatei() const { return SettingsDir + QStringLiteral("optionen.ini"); }
};

} // namespace settings
