#pragma once

#include <QString>

namespace cli {

// A file named on the command line must be there and be a plain file: a device or a pipe could
// be read without end. Throws core::Fehler naming the file otherwise.
void DateiPruefen(const QString& pfad);

} // namespace cli
