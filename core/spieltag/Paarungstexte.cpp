#include "Paarungstexte.h"

#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"

namespace core {

Paarungstexte Paarungstexte::von(const TSpieltag& spieltag, int nr) {
    if (nr < 1 || nr > AnzahlPaarungen)
        throw Fehler(ListenindexText(AnzahlPaarungen));
    const TPaarung& p = spieltag.Paarung[nr];
    const TErgebnis& e = spieltag.Ergebnis[nr];
    return {p.Heim.text() + QStringLiteral(" - ") + p.Gast.text(), AnstossText(spieltag.Anstoss[nr]),
            spieltag.Tendenz[nr].text(), e.text(), e.angezeigt()};
}

} // namespace core
