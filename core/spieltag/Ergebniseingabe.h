#pragma once

#include "TSpieltag.h"

#include <QString>

namespace core {

// The texts of the 45 result edits, all checked before any result is stored: a text that does not
// give two goal counts 0..127 stops the check at its pairing, and then nothing is stored.
class Ergebniseingabe {
public:
    static constexpr int HoechsteTorzahl = 127;
    // The message for a goal count outside 0..HoechsteTorzahl in pairing nr.
    static QString torzahlFehler(int nr, std::int32_t tore);

    // texte[i] is the text of pairing i (1..45); index 0 is unused.
    explicit Ergebniseingabe(const ProPaarung<QString>& texte);

    // The pairings checked: all 45, or those up to and including the one that stopped the check.
    int geprueft() const { return geprueft_; }
    // Whether the text of pairing nr held a colon; for nr up to geprueft().
    bool gueltig(int nr) const { return gueltig_.at(nr); }
    bool fehlerfrei() const { return fehlertext_.isEmpty(); }
    const QString& fehlertext() const { return fehlertext_; }
    // The goals to be stored; an empty side is 10.
    const ProPaarung<TErgebnis>& ergebnisse() const { return ergebnis_; }

    // The matchday with the typed results; throws the check's error instead.
    TSpieltag angewendet(const TSpieltag& spieltag) const;
    // Writes the matchday with the typed results as the only record of pfad, then takes it over.
    // A failed check or write throws and leaves spieltag and the file as they were.
    void speichern(TSpieltag& spieltag, const QString& pfad) const;

private:
    ProPaarung<TErgebnis> ergebnis_{};
    ProPaarung<bool> gueltig_{};
    int geprueft_ = 0;
    QString fehlertext_;
};

} // namespace core
