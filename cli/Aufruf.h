#pragma once

#include "Befehl.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace cli {

// One command line, checked against the usage: which command, on what, with which options.
struct Aufruf {
    const Befehl* befehl = nullptr;
    QStringList argumente; // after the command's words: the file or files, a name, a date
    bool json = false;

    bool gesetzt(const QString& option) const { return optionen_.contains(option); }
    // The value given, empty for an option without value or not given.
    QString wert(const QString& option) const { return optionen_.value(option); }

    // Reads the line against the commands; argumente[0] is the program. Throws Aufruffehler when
    // it does not fit the usage.
    static Aufruf lesen(const QStringList& argumente, const QList<Befehl>& befehle);

private:
    QHash<QString, QString> optionen_; // by long name
};

} // namespace cli
