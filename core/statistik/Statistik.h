#pragma once

#include "core/grund/TGewinnreihe.h"
#include "core/schein/Auswertung.h"
#include "core/spieltag/BoxVerlassen.h"
#include "core/spieltag/Quoten.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace core {

class Reihenmasken;
class Textmass;

// One matchday of a folder evaluated against a slip.
struct SpieltagsAuswertung {
    QString datei;            // file name, without folder
    double datumswert = 0;    // the record's date value, days since 30.12.1899
    QString datum;            // "18.09.2021", empty when the record holds no date
    TGewinnreihe gewinnreihe; // derived from the results
    Boxtexte boxen;           // the winning-row boxes as reading the matchday fills them
    QString quotenDatei;      // "18.09.2021.quo" when that file lies beside it, else empty
    TQuoten quoten;           // its odds, empty texts without a file
    Auswertung auswertung;    // as Auswerten gives it for this winning row and these odds
};

// A matchday's place in the order by date: a record whose date is no number comes first.
double Datumsfolge(const SpieltagsAuswertung& s);

// A file that was left out, and the message that says why.
struct Uebersprungen {
    QString datei;
    QString grund;
};

// How often a number was drawn over the evaluated matchdays.
struct Zahlhaeufigkeit {
    int zahl = 0;
    int gewinnzahl = 0; // among the six winning numbers
    int zusatzzahl = 0; // as the additional number
    // Matchdays since it was last among the six winning numbers: 0 in the latest one; a number
    // never drawn counts all matchdays, as if drawn just before the first.
    int fehltSeit = 0;
};

struct Spieltagsstatistik {
    std::vector<SpieltagsAuswertung> spieltage;    // by date, equal dates by file name
    std::vector<Uebersprungen> uebersprungen;      // by file name
    std::array<Zahlhaeufigkeit, 45> haeufigkeit{}; // numbers 1..45, over the matchdays in spieltage
    bool abgebrochen = false;                      // stopped on request: the rest is incomplete
};

// The numbers of matchdays in this order (oldest first).
std::array<Zahlhaeufigkeit, 45> HaeufigkeitZaehlen(const std::vector<TGewinnreihe>& nachDatum);

// Every entry *.sp45 of the folder (any case of the extension; Spieltagsordner.h) against the
// slip: the winning row from its results, the odds from dd.mm.yyyy.quo beside it when there is
// one, exactly as reading a matchday does. An entry that is no plain file or cannot be read or
// holds no whole record, and a matchday whose odds file is no plain file, cannot be read, is short,
// or holds an odds text the evaluation refuses, is left out with the message; the others go on.
// Throws Fehler when the folder cannot be read. fortschritt(fertig, gesamt) follows the
// evaluation matchday by matchday; abbrechen is asked between files and between passes and ends
// the run early when it says so. Both may be called from a worker thread.
Spieltagsstatistik StatistikErstellen(const Reihenmasken& masken, const QString& ordner,
                                      const std::function<void(int fertig, int gesamt)>& fortschritt = {},
                                      const std::function<bool()>& abbrechen = {});

// One slip of many against one winning row.
struct ScheinAuswertung {
    QString datei;         // file name, without folder
    int reihen = 0;        // lines of the file
    Auswertung auswertung; // as Auswerten gives it, unsorted
    QString fehler;        // not empty: the slip could not be read or evaluated, and why
};

// Reads the slip and evaluates it as "Gewinn- Prüfung" does. A slip that cannot be read gives
// its message in fehler; so does an evaluation that stops, with what Auswerten left. abbrechen is
// asked at every read of the file: a long slip stops in the middle when it says so, with an error.
ScheinAuswertung ScheinAuswerten(const QString& pfad, Zahlenmenge menge, QStringView zsText,
                                 const TQuoten& quoten, const Textmass& mass,
                                 const std::function<bool()>& abbrechen = {});

} // namespace core
