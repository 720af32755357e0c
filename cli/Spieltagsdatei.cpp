#include "Spieltagsdatei.h"

#include "Dateien.h"

namespace cli {

core::TSpieltag SpieltagLesen(const QString& pfad) {
    DateiPruefen(pfad);
    return core::TSpieltag::dateiLesen(pfad);
}

} // namespace cli
