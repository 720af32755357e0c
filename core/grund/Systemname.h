#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace core {

// Names as the system gives them: bytes, as a rule UTF-8. A byte that is not part of valid UTF-8
// is kept as the code point U+DC00 + byte (U+DC80..U+DCFF, never valid text), so that a name comes
// back byte for byte and the file it names can be opened.
QString NameAusBytes(QByteArrayView bytes);
QByteArray NameAlsBytes(const QString& name);
// The name for messages and output: a kept byte shows as U+FFFD.
QString NameZumZeigen(const QString& name);

// The command line, each argument decoded as above.
QStringList ArgumenteAusSystem(int argc, const char* const* argv);

} // namespace core
