#include "Spieltagsdatei.h"

#include "Eingabedatei.h"

namespace cli {

core::TSpieltag SpieltagLesen(const QString& pfad) {
    const Eingabedatei datei(pfad);
    return datei.lesen([](const QString& p) { return core::TSpieltag::dateiLesen(p); });
}

} // namespace cli
