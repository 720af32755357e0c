#pragma once

#include <QByteArray>
#include <QStringList>

namespace cli {

// Runs one command line. What goes to stdout is only given when the command succeeded; a failed
// one gives nothing there and its message for stderr. Returns the exit code: 0 done, 1 usage
// error, 2 data error.
int Ausfuehren(const QStringList& argumente, QByteArray& ausgabe, QByteArray& fehler);

} // namespace cli
