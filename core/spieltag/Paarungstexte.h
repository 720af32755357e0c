#pragma once

#include "TSpieltag.h"
#include "core/grund/Konstanten.h"

#include <QString>

namespace core {

// Result edits without a shown result are light apricot, the others button face.
inline constexpr Rgb OhneErgebnisFarbe = 0xFFDFBF;

// The texts of one pairing frame, named after its controls.
struct Paarungstexte {
    QString PPaar;         // "Heim - Gast"
    QString PStart;        // kick-off, "Sa.: 15:30", empty when unknown
    QString PTendenz;      // as stored
    QString eErg;          // "2 : 1", empty when a side reads 10
    bool Ergebnis = false; // eErg shows a result

    // Pairing nr (1..45) of the matchday; another nr throws the list index error.
    static Paarungstexte von(const TSpieltag& spieltag, int nr);
};

} // namespace core
