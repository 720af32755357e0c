#pragma once

#include "Kreuzmuster.h"
#include "core/grund/TGewinnreihe.h"

#include <cstdint>

namespace core {

// The state of the cross board: the chosen system, the ticked numbers and the counter. Tags are
// 1..45 for the numbers and 100 + the catalogue entry (101..114) for the systems. KreuzVerwerten
// applies one click; clearing, the random fill and the pattern are built on it.
class Kreuzstand {
public:
    enum class Farbe { Ohne, Rot, Gruen };

    // The chosen catalogue entry, 0 = none.
    int SystemNr() const { return SystemNr_; }
    int KreuzAnzahl() const { return KreuzAnzahl_; }
    const Zahlenmenge& Kreuze() const { return Kreuze_; }
    // A system is chosen and exactly its count of numbers is ticked.
    bool KreuzeKomplett() const { return KreuzeKomplett_; }
    // The counter: the crosses the chosen system still misses, negative with too many. It shows
    // 19 until the first choice and keeps its number when the system is deselected.
    int Zaehler() const { return Zaehler_; }
    Farbe Zaehlerfarbe() const { return Farbe_; }

    // One click on the cross with this tag; any other tag changes nothing. False when a number
    // was refused because no system is chosen.
    bool KreuzVerwerten(int tag);
    // "Alle Kreuze entfernen": no number stays ticked, the system stays chosen.
    void leeren();
    // Ticks the missing numbers in the order of ZufallsReihenfolge(seed). A complete tip, or one
    // with too many crosses, gives way to a new one. False when no system is chosen.
    bool zufallFuellen(std::uint32_t seed);

    Kreuzmuster muster() const;
    // Clears the numbers, chooses the pattern's first system (a chosen one stays chosen) and ticks
    // its numbers in ascending order. Returns how many numbers were refused for want of a system.
    int musterLaden(const Kreuzmuster& muster);

private:
    void zahlenLeeren();

    int SystemNr_ = 0;
    int KreuzAnzahl_ = 0;
    Zahlenmenge Kreuze_;
    bool KreuzeKomplett_ = false;
    int Zaehler_ = 19;
    Farbe Farbe_ = Farbe::Ohne;
};

} // namespace core
