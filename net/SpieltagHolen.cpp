#include "SpieltagHolen.h"

#include "core/spieltag/Spieltagsdaten.h"
#include "core/spieltag/TSpieltag.h"
#include "net/Adressen.h"

namespace net {

GeholterSpieltag SpieltagHolen(Netz& netz, const QString& datumText, const QString& matchdayDir) {
    const QString name = core::SpieltagDateiname(datumText);
    GeholterSpieltag ergebnis;
    ergebnis.pfad = matchdayDir + name;
    ergebnis.geholt = netz.DateiHerunterladen(Adressen::AufSeite(Adressen::Spielplaene) + name, ergebnis.pfad,
                                              core::TSpieltag::Groesse);
    return ergebnis;
}

} // namespace net
