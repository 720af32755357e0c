#pragma once

#include <QDate>
#include <QString>

namespace cli {

// A date given on the command line: dd.mm.yyyy, a day of the calendar. Throws Aufruffehler else.
QDate DatumLesen(const QString& text);

} // namespace cli
