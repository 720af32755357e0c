#pragma once

namespace cli {

class Ausgabe;
struct Aufruf;

// "auswerten SCHEIN ...": reads the slip, takes the winning row and the odds and runs the
// evaluation as "Gewinn- Prüfung" does. Writes to aus only once all of that has succeeded.
void AuswertenAusgeben(const Aufruf& aufruf, Ausgabe& aus);

} // namespace cli
