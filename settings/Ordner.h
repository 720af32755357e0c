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
    // Creates the missing folders with their missing parents, a missing XDG data home with mode
    // 0700; a folder that cannot be created is passed over. The program and the command line both
    // call it.
    void anlegen() const;
    QString optionenDatei() const { return SettingsDir + QStringLiteral("optionen.ini"); }
};

} // namespace settings
