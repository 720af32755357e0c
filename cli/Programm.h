#pragma once

#include <QByteArray>
#include <QStringList>

namespace cli {

class Ausgabe;

// Runs one command line. What goes to stdout is written to ausgabe as it is made, but only once
// nothing but the writing can fail: a failed command writes nothing there and gives its message
// for stderr. Returns the exit code: 0 done, 1 usage error, 2 data error.
int Ausfuehren(const QStringList& argumente, Ausgabe& ausgabe, QByteArray& fehler);
// The same with stdout collected in ausgabe.
int Ausfuehren(const QStringList& argumente, QByteArray& ausgabe, QByteArray& fehler);

} // namespace cli
