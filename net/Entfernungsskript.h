#pragma once

#include <QByteArray>
#include <QString>

namespace net {

// The script that removes the old program after an update: once the program has ended, its
// executable, then its folder if that is empty by then, then the script itself.
class Entfernungsskript {
public:
    // How long the script waits for the program to end before it gives up and removes nothing.
    static constexpr int WarteS = 60;

    // Windows: the five lines of the batch file, in Windows-1252, each ended by CR LF.
    static QByteArray batch(const QString& exe, const QString& programDir, const QString& batchDatei);
    // Elsewhere: a /bin/sh script that waits while the process pid runs. It removes nothing where
    // programDir is not a folder the user owns and may write.
    static QByteArray sh(qint64 pid, const QString& exe, const QString& programDir,
                         const QString& skriptDatei);
    // One word for the shell, whatever the name holds: in single quotes, a quote as '\''.
    static QString shellWort(const QString& pfad);
    // False for a program in one of the system's folders: that belongs to the package manager.
    static bool entfernbar(const QString& programDir);
};

} // namespace net
