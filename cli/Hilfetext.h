#pragma once

#include "Befehl.h"

#include <QList>
#include <QString>

namespace cli {

// The short usage shown with every usage error, and the full help, laid out from the commands.
QString Verwendung(const QList<Befehl>& befehle);
QString Hilfe(const QList<Befehl>& befehle);

} // namespace cli
