#include "Statistik.h"

#include "Reihenmasken.h"
#include "Spieltagsordner.h"
#include "core/grund/DateiFehler.h"
#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/schein/G1Spalten.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Spielschein.h"
#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/spieltag/TSpieltag.h"
#include "core/text/StoppbareDatei.h"
#include "core/text/TextDatei.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>

namespace core {
namespace {

// A matchday read from the folder, with its odds, before the slip is looked at.
SpieltagsAuswertung spieltagLesen(const Spieltagsordner& ordner, const Spieltagsordner::Eintrag& eintrag) {
    const QString pfad = ordner.pfad(eintrag.anzeige);
    const std::unique_ptr<QFile> datei = ordner.oeffnen(eintrag.name, eintrag.anzeige);
    if (!datei) // gone since the folder was listed
        throw Fehler(LesefehlerText(pfad, ENOENT), ENOENT);
    const TSpieltag spieltag = TSpieltag::lesen(*datei, pfad);
    const Gewinnreihenermittlung ermittelt = GewinnreiheErmitteln(spieltag.Ergebnis);
    SpieltagsAuswertung s;
    s.datei = eintrag.anzeige;
    s.datumswert = spieltag.Datum;
    s.datum = DatumText(spieltag.Datum);
    s.gewinnreihe = ermittelt.Gewinnreihe;
    s.boxen = ermittelt.Boxen;
    if (s.datum.isEmpty())
        return s;
    // An odds file that is a link into nothing or a pipe is not "no odds file": the matchday is
    // left out with the reason.
    const QString quotenName = QuotenDateiname(spieltag.Datum);
    const std::unique_ptr<QFile> quotenDatei = ordner.oeffnen(QFile::encodeName(quotenName), quotenName);
    if (!quotenDatei)
        return s;
    const Quotendatei quoten = QuotenLesen(*quotenDatei, ordner.pfad(quotenName));
    s.quotenDatei = quoten.dateiname;
    if (!quoten.fehler().isEmpty())
        throw Fehler(QStringLiteral("%1: %2").arg(s.quotenDatei, quoten.fehler()));
    s.quoten = quoten.inBoxen(s.quoten);
    return s;
}

int zusatzzahl(const SpieltagsAuswertung& s) {
    return s.boxen[7].isEmpty() ? Reihenmasken::KeinZs : s.gewinnreihe.ZS;
}

// Labelling the rows of a long slip measures every label when digits differ in width, which takes
// longer than reading it: the stop is asked there too.
class StoppbaresTextmass : public Textmass {
public:
    StoppbaresTextmass(const Textmass& mass, const std::function<bool()>& abbrechen, const QString& pfad)
        : mass_(mass), abbrechen_(abbrechen), pfad_(pfad) {}

    int breite(QStringView text) const override {
        if (abbrechen_ && ++gemessen_ % 1024 == 0 && abbrechen_())
            throw Fehler(LesefehlerText(pfad_, ECANCELED), ECANCELED);
        return mass_.breite(text);
    }
    bool ziffernGleichBreit() const override { return mass_.ziffernGleichBreit(); }

private:
    const Textmass& mass_;
    const std::function<bool()>& abbrechen_;
    const QString& pfad_;
    mutable unsigned gemessen_ = 0;
};

} // namespace

double Datumsfolge(const SpieltagsAuswertung& s) {
    // A record's date may be anything, also no number.
    return std::isnan(s.datumswert) ? -std::numeric_limits<double>::infinity() : s.datumswert;
}

std::array<Zahlhaeufigkeit, 45> HaeufigkeitZaehlen(const std::vector<TGewinnreihe>& nachDatum) {
    std::array<Zahlhaeufigkeit, 45> h{};
    const int n = int(nachDatum.size());
    for (int z = 1; z <= 45; ++z) {
        Zahlhaeufigkeit& e = h[std::size_t(z - 1)];
        e.zahl = z;
        e.fehltSeit = n;
        for (int i = 0; i < n; ++i) {
            if (nachDatum[std::size_t(i)].Menge.enthaelt(z)) {
                ++e.gewinnzahl;
                e.fehltSeit = n - 1 - i;
            }
            if (nachDatum[std::size_t(i)].ZS == z)
                ++e.zusatzzahl;
        }
    }
    return h;
}

Spieltagsstatistik StatistikErstellen(const Reihenmasken& masken, const QString& ordnerPfad,
                                      const std::function<void(int, int)>& fortschritt,
                                      const std::function<bool()>& abbrechen) {
    const Spieltagsordner ordner(ordnerPfad);
    Spieltagsstatistik st;
    std::vector<SpieltagsAuswertung> gelesen;
    for (const Spieltagsordner::Eintrag& eintrag : ordner.spieltage()) {
        if (abbrechen && abbrechen()) {
            st.abgebrochen = true;
            return st;
        }
        try {
            gelesen.push_back(spieltagLesen(ordner, eintrag));
        } catch (const Fehler& f) {
            st.uebersprungen.push_back({eintrag.anzeige, f.text()});
        }
    }
    std::sort(gelesen.begin(), gelesen.end(), [](const auto& a, const auto& b) {
        const double da = Datumsfolge(a);
        const double db = Datumsfolge(b);
        return da < db || (da == db && a.datei < b.datei);
    });

    // The evaluation as Auswerten runs it: nothing for an empty winning row.
    const int gesamt = int(gelesen.size());
    if (fortschritt)
        fortschritt(0, gesamt);
    for (int ab = 0; ab < gesamt; ab += Reihenmasken::JeDurchgang) {
        if (abbrechen && abbrechen()) {
            st.abgebrochen = true;
            return st;
        }
        const int bis = std::min(gesamt, ab + Reihenmasken::JeDurchgang);
        std::vector<Ziehung> ziehungen;
        for (int i = ab; i < bis; ++i)
            ziehungen.push_back(
                {gelesen[std::size_t(i)].gewinnreihe.Menge, zusatzzahl(gelesen[std::size_t(i)])});
        const std::vector<std::array<int, 7>> anzahl = masken.bewerten(ziehungen);
        for (int i = ab; i < bis; ++i) {
            SpieltagsAuswertung& s = gelesen[std::size_t(i)];
            if (!s.gewinnreihe.Menge.leer())
                s.auswertung = RaengeAuswerten(anzahl[std::size_t(i - ab)], s.quoten);
        }
        if (fortschritt)
            fortschritt(bis, gesamt);
    }

    std::vector<TGewinnreihe> reihen;
    for (SpieltagsAuswertung& s : gelesen) {
        if (!s.auswertung.fehler.isEmpty()) {
            st.uebersprungen.push_back(
                {s.datei, QStringLiteral("%1: %2").arg(s.quotenDatei, s.auswertung.fehler)});
            continue;
        }
        reihen.push_back(s.gewinnreihe);
        st.spieltage.push_back(std::move(s));
    }
    std::sort(st.uebersprungen.begin(), st.uebersprungen.end(),
              [](const Uebersprungen& a, const Uebersprungen& b) { return a.datei < b.datei; });
    st.haeufigkeit = HaeufigkeitZaehlen(reihen);
    return st;
}

ScheinAuswertung ScheinAuswerten(const QString& pfad, Zahlenmenge menge, QStringView zsText,
                                 const TQuoten& quoten, const Textmass& mass,
                                 const std::function<bool()>& abbrechen) {
    ScheinAuswertung s;
    s.datei = QFileInfo(pfad).fileName();
    try {
        StoppbareDatei datei(abbrechen);
        TextDatei::oeffnen(datei, pfad);
        const StoppbaresTextmass stoppbar(mass, abbrechen, pfad);
        Spielschein schein = SpielscheinLesen(datei, pfad, Zeilentabelle(G1Spalten::Anzahl), stoppbar);
        s.reihen = schein.zeilen;
        s.auswertung = Auswerten(schein.tabelle, menge, zsText, quoten, false);
        s.fehler = s.auswertung.fehler;
    } catch (const Fehler& f) {
        s.fehler = f.text();
    }
    return s;
}

} // namespace core
