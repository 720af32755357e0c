#include "Kreuzstand.h"

#include "TSystemDef.h"
#include "ZufallsReihenfolge.h"

namespace core {
namespace {

constexpr bool istZahl(int tag) {
    return tag >= 1 && tag <= 45;
}
constexpr bool istSystem(int tag) {
    return tag >= 101 && tag <= 114;
}

} // namespace

bool Kreuzstand::KreuzVerwerten(int tag) {
    const bool system = istSystem(tag);
    if (!system && !istZahl(tag))
        return true;
    if (SystemNr_ == 0 && !system)
        return false;
    if (system) {
        const int e = tag - 100;
        if (e == SystemNr_) {
            // The counter keeps its number and the numbers stay ticked for the next choice.
            SystemNr_ = 0;
            KreuzeKomplett_ = false;
            Farbe_ = Farbe::Ohne;
            return true;
        }
        SystemNr_ = e;
    } else if (Kreuze_.enthaelt(tag)) {
        --KreuzAnzahl_;
        Kreuze_.entfernen(tag);
    } else {
        ++KreuzAnzahl_;
        Kreuze_.hinzufuegen(tag);
    }
    const int anzahl = System(SystemNr_).Anzahl;
    Zaehler_ = anzahl - KreuzAnzahl_;
    KreuzeKomplett_ = KreuzAnzahl_ == anzahl;
    Farbe_ = KreuzeKomplett_ ? Farbe::Gruen : Farbe::Rot;
    return true;
}

void Kreuzstand::zahlenLeeren() {
    KreuzeKomplett_ = false;
    KreuzAnzahl_ = 0;
    Kreuze_.leeren();
}

void Kreuzstand::leeren() {
    zahlenLeeren();
    if (SystemNr_ != 0) {
        Zaehler_ = System(SystemNr_).Anzahl;
        Farbe_ = Farbe::Rot;
    } else {
        Farbe_ = Farbe::Ohne;
    }
}

bool Kreuzstand::zufallFuellen(std::uint32_t seed) {
    if (SystemNr_ == 0)
        return false;
    const int anzahl = System(SystemNr_).Anzahl;
    if (KreuzAnzahl_ >= anzahl)
        zahlenLeeren();
    for (const int n : ZufallsReihenfolge(seed)) {
        if (KreuzAnzahl_ == anzahl)
            break;
        if (!Kreuze_.enthaelt(n))
            KreuzVerwerten(n);
    }
    return true;
}

Kreuzmuster Kreuzstand::muster() const {
    Kreuzmuster m;
    m.Zahlen = Kreuze_;
    m.Systeme[std::size_t(SystemNr_)] = SystemNr_ != 0;
    return m;
}

int Kreuzstand::musterLaden(const Kreuzmuster& m) {
    leeren();
    for (int e = 1; e <= 14; ++e)
        if (m.Systeme[std::size_t(e)]) {
            if (e != SystemNr_)
                KreuzVerwerten(100 + e);
            break;
        }
    int abgelehnt = 0;
    for (int n = 1; n <= 45; ++n)
        if (m.Zahlen.enthaelt(n) && !KreuzVerwerten(n))
            ++abgelehnt;
    return abgelehnt;
}

} // namespace core
