#pragma once

// The object names of the system workshop's controls, for the tests and the style sheet.
namespace ui::werkstattnamen {

inline constexpr char FWerkstatt[] = "FWerkstatt";
inline constexpr char EZahlen[] = "EZahlen";
inline constexpr char BKreuze[] = "BKreuze";
inline constexpr char EBank[] = "EBank";
inline constexpr char SRichtige[] = "SRichtige";
inline constexpr char SWenn[] = "SWenn";
inline constexpr char SHoechstens[] = "SHoechstens";
inline constexpr char SZeit[] = "SZeit";
inline constexpr char BBauen[] = "BBauen";
inline constexpr char BAbbrechen[] = "BAbbrechen";
inline constexpr char Fortschritt[] = "Fortschritt";
inline constexpr char LErgebnis[] = "LErgebnis";
inline constexpr char TReihen[] = "TReihen";
inline constexpr char GGarantie[] = "GGarantie";
inline constexpr char BUebernehmen[] = "BUebernehmen";
inline constexpr char BSpeichern[] = "BSpeichern";
inline constexpr char CPruefen[] = "CPruefen";
inline constexpr char BPruefen[] = "BPruefen";
inline constexpr char LSysteme[] = "LSysteme";
inline constexpr char BSchliessen[] = "BSchliessen";

} // namespace ui::werkstattnamen
