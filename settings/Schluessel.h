#pragma once

#include <QString>

namespace settings {

class IniDatei;

// One value of the settings file: its section, its key and the value it has while missing.
template <typename T> struct Schluessel {
    const char* abschnitt;
    const char* name;
    T vorgabe;
};

// Every section, key and default of optionen.ini.
namespace schluessel {

inline constexpr Schluessel<bool> Sofort{"Auswertung", "sofort", true};
inline constexpr Schluessel<bool> SofortQ{"Auswertung", "sofortQ", true};
inline constexpr Schluessel<const char*> Stand{"Wach", "Stand", "0"};
inline constexpr Schluessel<const char*> StartSpieltag{"ZumStartEinlesen", "Spieltag", ""};
inline constexpr Schluessel<const char*> StartSpielschein{"ZumStartEinlesen", "Spielschein", ""};
inline constexpr Schluessel<const char*> AbbildPfad{"Abbild", "Pfad", ""};
// The statistics window's stake per row as typed; empty until the player sets one.
inline constexpr Schluessel<const char*> EinsatzJeReihe{"Statistik", "EinsatzJeReihe", ""};

// Window positions: the window's name + "-left" and + "-top" in this section.
inline constexpr char Position[] = "Position";
inline constexpr int PositionLinks = 0;
inline constexpr int PositionOben = 70;
inline constexpr char FGewonnen[] = "FGewonnen";
inline constexpr char FEingabe[] = "FEingabe";
inline constexpr char FAbbild[] = "FAbbild";

} // namespace schluessel

bool lesen(const IniDatei& datei, const Schluessel<bool>& s);
QString lesen(const IniDatei& datei, const Schluessel<const char*>& s);
void schreiben(const IniDatei& datei, const Schluessel<bool>& s, bool wert);
void schreiben(const IniDatei& datei, const Schluessel<const char*>& s, const QString& wert);

} // namespace settings
