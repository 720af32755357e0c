#include "Spieltagsdatei.h"

#include "Dateien.h"

#include "core/Ergebniseingabe.h"
#include "core/Fehler.h"

namespace cli {

core::TSpieltag SpieltagLesen(const QString& pfad) {
    DateiPruefen(pfad);
    const core::TSpieltag spieltag = core::TSpieltag::dateiLesen(pfad);
    for (int i = 1; i <= core::AnzahlPaarungen; ++i)
        for (const int tore : {spieltag.Ergebnis[i].ToreHeim, spieltag.Ergebnis[i].ToreGast})
            if (tore < 0)
                throw core::Fehler(core::Ergebniseingabe::torzahlFehler(i, tore));
    return spieltag;
}

} // namespace cli
