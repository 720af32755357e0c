#pragma once

#include "core/grund/TGewinnreihe.h"
#include "core/schein/Zeilentabelle.h"
#include "core/spieltag/Quoten.h"
#include "core/systeme/SystemReihen.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QScrollBar;
class QToolButton;

namespace core {
struct Gewinnreihenermittlung;
}
namespace settings {
struct Ordner;
}

namespace ui {

struct Auswertungsstand;
struct Umgebung;
class GewinnreiheLeiste;
class QuotenPanel;
class ZeilenGitter;
class ZeilenModell;
class Zellenmaler;

// The evaluation column (PFoto, also the area of a snapshot): winning row, slip bar, row grid
// with its scroll bar and the odds, and the result panel with the evaluation.
class AuswertungsBereich : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 404;
    static constexpr int Hoehe = 650;
    static constexpr int G1Zeilen = 30;

    AuswertungsBereich(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent);

    // Reads a slip into the row grid; a name without a file is passed over (false).
    bool SpielscheinEinlesen(const QString& datei);
    // Loads an odds file into the six boxes; a name without a file is passed over.
    void QuotenLaden(const QString& datei);
    core::TQuoten quoten() const;
    bool NachRangSortieren() const { return nachRangSortieren_; }
    // The name the slip label shows, the file the rows came from or went to.
    QString Spielscheinname() const;
    // "Bei manueller Eingabe der Gewinnreihe sofort auswerten"
    bool sofortAuswerten() const;
    void setSofortAuswerten(bool ja);

    // The focus into the row grid, where no key changes anything.
    void fokusInsGitter();
    // A derived winning row into the boxes; no evaluation follows.
    void gewinnreiheSetzen(const core::Gewinnreihenermittlung& ermittlung);
    // "System abwickeln": the rows of the system over the ticked numbers into the row grid.
    void SystemAbwickeln(int system, const core::Zahlenmenge& kreuze);
    // Rows of the slip editor into the row grid; anzahl is the row count it shows.
    void ReihenUebernehmen(const core::Zeilentabelle& reihen, const QString& anzahl);
    // Rows of six numbers (of an own system) into the row grid, as "System abwickeln" writes them.
    void SystemreihenSchreiben(const std::vector<std::array<int, 6>>& reihen);

    // The ranks, the result grid and the total belong to other rows or another winning row than
    // the ones shown: they are kept, grey, until the next "Gewinn- Prüfung".
    bool auswertungVeraltet() const;

    // Ctrl+Z: undoes the last step that replaced or cleared the rows or cleared the winning row.
    void rueckgaengig();
    void rueckschrittVergessen() { rueckschritt_.reset(); }

    // What the windows of several evaluations start from: the rows of the grid, the winning row
    // (the box being typed into counts as left) with the ZS text, and the odds.
    const core::Zeilentabelle& reihen() const;
    core::Zahlenmenge gewinnzahlen();
    QString zsText() const;
    // What the column shows, for the report (the box being typed into counts as left); the matchday
    // is not known here.
    Auswertungsstand auswertungsstand();

signals:
    // A slip was chosen in the open dialog and read into the row grid; its file is to be remembered.
    void spielscheinGelesen(const QString& datei);
    // "Abbild der Auswertung" was pressed.
    void abbildVerlangt();
    // Ctrl+Z or "Rückgängig": the last step of the program is to be undone, here or elsewhere.
    void rueckgaengigVerlangt();
    // A step of this column can now be undone.
    void rueckschrittGemerkt();
    // The entries of the row grid's context menu.
    void statistikVerlangt();
    void mehrereScheineVerlangt();
    void systemwerkstattVerlangt();
    void druckenVerlangt();
    void pdfVerlangt();

private:
    void bauen();
    void kontextmenueBauen();
    void verbinden();
    void gewinnreiheVerlassen();
    // After a change of the rows or the winning row: the evaluation shown as current or out of date.
    void reihenGeaendert();
    void auswertungsstandZeigen();
    // The commands of the column.
    void bsSkinSpeedButton1Click();
    void BSaveClick();
    void BGridDelClick();
    void BCopyClick();
    void BSortierClick();
    void bsSkinSpeedButton2Click();
    void bsSkinSpeedButton13Click();
    void bsSkinSpeedButton14Click();
    void BAuswertenClick();

    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    bool nachRangSortieren_ = false;
    // The last step that undo takes back: the rows with their labels, or the winning row boxes.
    struct Rueckschritt {
        std::optional<core::Zeilentabelle> reihen;
        QString datei;
        QString anzahl;
        std::optional<std::pair<core::TGewinnreihe, std::array<QString, 8>>> gewinnreihe;
    };
    std::optional<Rueckschritt> rueckschritt_;
    // Before a step that changes the rows in place: the rows kept, as one copy.
    void reihenMerken();
    // What the evaluation shown was made of.
    bool ausgewertet_ = false;
    bool reihenSeitherGeaendert_ = false;
    core::Zahlenmenge gepruefteZahlen_;
    QString gepruefterZs_;
    // The buffers of the last expansion, kept for the whole run.
    std::vector<core::SystemReihe> SystemReihen;
    std::vector<std::uint8_t> SystemZahlen;

    GewinnreiheLeiste* Gewinnreihe;
    QToolButton* SpielscheinEinlesenKnopf; // bsSkinSpeedButton1
    QToolButton* BSave;
    QToolButton* BCopy;
    QToolButton* BGridDel;
    QLabel* LDatei;
    QToolButton* SortNachNummer; // bsSkinSpeedButton2
    QToolButton* BSortier;
    QLabel* LReihen;
    ZeilenModell* G1Modell;
    ZeilenGitter* G1;
    QScrollBar* scrv1;
    QuotenPanel* P116;
    ZeilenModell* G2Modell;
    ZeilenGitter* G2;
    Zellenmaler* G1Maler;
    Zellenmaler* G2Maler;
    QToolButton* BAuswerten;
    QLabel* LGesGewinn;
    QToolButton* Abbild; // bsSkinSpeedButton9
};

} // namespace ui
