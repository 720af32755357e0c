#include "Entfernungsskript.h"

#include "core/text/TextDatei.h"

#include <QFile>
#include <QStringList>

namespace net {
namespace {

QByteArray zitat(const QString& pfad) {
    return QFile::encodeName(Entfernungsskript::shellWort(pfad));
}

} // namespace

QString Entfernungsskript::shellWort(const QString& pfad) {
    QString wort = pfad;
    wort.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + wort + u'\'';
}

QByteArray Entfernungsskript::batch(const QString& exe, const QString& programDir,
                                    const QString& batchDatei) {
    const QString q = QStringLiteral("\"");
    return core::TextDatei::kodieren({
        QStringLiteral(":Label1"),
        QStringLiteral("del ") + q + exe + q,
        QStringLiteral("if Exist ") + q + exe + q + QStringLiteral(" goto Label1"),
        QStringLiteral("rmdir ") + q + programDir + q,
        QStringLiteral("del ") + batchDatei,
    });
}

// Waits while the program runs, for a bounded time; removes only in a folder of the user's own.
// A process that has ended but was not yet collected by its parent counts as ended.
constexpr char Rumpf[] = R"(laeuft() {
    kill -0 "$pid" 2>/dev/null || return 1
    s=$(cat "/proc/$pid/stat" 2>/dev/null) || return 0
    s=${s##*) }
    [ "${s%% *}" != Z ]
}
n=0
while laeuft; do
    n=$((n + 1))
    if [ "$n" -gt "$warte" ]; then
        rm -f -- "$selbst"
        exit 1
    fi
    sleep 1
done
if [ -O "$ordner" ] && [ -w "$ordner" ] && [ -f "$exe" ] && [ ! -L "$exe" ]; then
    rm -f -- "$exe"
    rmdir -- "$ordner" 2>/dev/null
fi
rm -f -- "$selbst"
)";

QByteArray Entfernungsskript::sh(qint64 pid, const QString& exe, const QString& programDir,
                                 const QString& skriptDatei) {
    return "#!/bin/sh\n# Removes the old program once it has ended, then its folder if empty, then itself.\n"
           "pid=" +
           QByteArray::number(pid) + "\nexe=" + zitat(exe) + "\nordner=" + zitat(programDir) +
           "\nselbst=" + zitat(skriptDatei) + "\nwarte=" + QByteArray::number(WarteS) + '\n' + Rumpf;
}

bool Entfernungsskript::entfernbar(const QString& programDir) {
    static const QStringList system = {
        QStringLiteral("/usr/"),    QStringLiteral("/bin/"),   QStringLiteral("/sbin/"),
        QStringLiteral("/lib/"),    QStringLiteral("/lib32/"), QStringLiteral("/lib64/"),
        QStringLiteral("/libx32/"), QStringLiteral("/opt/"),   QStringLiteral("/etc/"),
        QStringLiteral("/snap/"),
    };
    if (programDir == QStringLiteral("/"))
        return false;
    for (const QString& s : system)
        if (programDir.startsWith(s))
            return false;
    return true;
}

} // namespace net
