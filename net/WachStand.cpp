#include "WachStand.h"

#include "core/grund/Fehler.h"
#include "core/text/TextDatei.h"
#include "net/Adressen.h"

namespace net {

QString WachStandHolen(Netz& netz, const QString& tempDir) {
    if (!netz.InternetVerbunden())
        return QString();
    const QString ziel = tempDir + QStringLiteral("wach45.txt");
    try {
        if (netz.DateiGroesse(ziel) >= 0)
            netz.DateiLoeschen(ziel);
        netz.CacheLeeren();
        if (!netz.DateiHerunterladen(Adressen::AufSeite(Adressen::WachStand), ziel))
            return QString();
        const QStringList zeilen = core::TextDatei::zeilenLesen(ziel);
        return zeilen.isEmpty() ? QString() : zeilen.first();
    } catch (const core::Fehler&) {
        // the counter is a courtesy: a failure leaves it empty, as a failed transfer does
        return QString();
    }
}

} // namespace net
