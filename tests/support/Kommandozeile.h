#pragma once

#include "cli/Programm.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testhilfe {

// One run of remisator-cli: exit code (-1 hung, -2 crashed), stdout and stderr.
struct Lauf {
    int code = -1;
    QByteArray aus;
    QByteArray fehler;
};

// The commands of remisator-cli, run in this process.
inline Lauf lauf(const QStringList& argumente) {
    Lauf l;
    l.code = cli::Ausfuehren(QStringList{QStringLiteral("remisator-cli")} + argumente, l.aus, l.fehler);
    return l;
}

// The message for a file that does not exist.
inline QString dateiFehlt(const QString& pfad) {
    return QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n\n"
                          "Die Datei oder der Ordner existiert nicht.")
        .arg(pfad);
}

} // namespace testhilfe
