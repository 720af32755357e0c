#include "Zahlzellen.h"

#include "core/grund/TGewinnreihe.h"
#include "core/grund/Umwandlung.h"

namespace core {

std::int8_t Zahlzellen::bestimmen(Zeilentabelle::Zelle z) const {
    if (t_.nurBlanks(z))
        return Blanks;
    const auto wert = AlsGanzzahl(t_.pooltext(z));
    if (!wert)
        return KeineZahl;
    return *wert >= 0 && *wert <= Zahlenmenge::Groesste ? std::int8_t(*wert) : AusserBereich;
}

} // namespace core
