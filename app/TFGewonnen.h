#pragma once

#include "ui/abbild/Abbilder.h"
#include "ui/umgebung/Einzelfenster.h"

#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QToolButton;

namespace settings {
struct Ordner;
}
namespace ui {
struct Umgebung;
class AuswertungsBereich;
class KreuzBereich;
class SpieltagBereich;
class TFEingabe;
class TFHilfe;
class TFInfo;
class TFNeu;
class TFsptag;
class TFWerkstatt;
class WebVerweise;
class Zaehleranzeige;
struct GelesenerSpieltag;
} // namespace ui

// The main window: the evaluation of slips against the winning row of a matchday. It holds the
// three columns and connects what passes between them.
class TFGewonnen : public QWidget {
    Q_OBJECT
public:
    static constexpr int KlientBreite = 962;
    static constexpr int KlientHoehe = 690;

    TFGewonnen(ui::Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent = nullptr);

    // Readers of a matchday (with the odds of its date) and a slip file; a name without a file is
    // passed over. An error is thrown to the caller's guard. What is read here is not remembered for
    // the next start: only a file chosen in a column's open dialog is.
    void SpieltagEinlesen(const QString& datei);
    void SpielscheinEinlesen(const QString& datei);
    // A file given from outside (the command line): a matchday (*.sp45), an odds file (*.quo), else
    // a slip. Throws when it is missing or cannot be read.
    void DateiOeffnen(const QString& datei);

    // The slip editor, shown by "Spielschein erstellen..."; its rows go into the row grid.
    void setEditor(ui::TFEingabe* editor);
    // A button that opens the introduction video, as the start window's "Das macht das Tool".
    void videoKnopfVerbinden(QAbstractButton* knopf);

signals:
    // The window was closed: the program ends.
    void geschlossen();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void werkzeugleisteBauen();
    void spaltenVerbinden();
    void optionenLesen();
    void gemerkteDateienLesen();
    // A matchday read: its winning row into the boxes, its odds into the odds panel.
    void spieltagUebernehmen(const ui::GelesenerSpieltag& gelesen);
    // The file chosen in a column's open dialog and read, remembered for the next start.
    void spieltagMerken(const QString& datei) const;
    void spielscheinMerken(const QString& datei) const;
    // Files reached other than through the open dialogs: the lists of the files opened last and
    // files dropped from the desktop; the shortcuts and the help.
    void dateiwegeVerbinden();
    void kuerzelVerbinden();
    void zuletztMerken(const char* art, const QString& pfad) const;
    // A slip or matchday read and added to the files opened last; fuerStart: also read again at the
    // next start, as when chosen in the open dialog.
    void spielscheinOeffnen(const QString& datei, bool fuerStart);
    void spieltagOeffnen(const QString& datei, bool fuerStart);
    void bsSkinSpeedButton4Click();
    void bsSkinSpeedButton7Click();
    // What closing stores: the two options and the donation counter. Throws when it cannot.
    void optionenSpeichern() const;
    // The update window
    void updateVerbinden();
    void bsSkinSpeedButton12Click();

    ui::Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    ui::TFEingabe* editor_ = nullptr;
    QString startSpieltag_;
    QString startSpielschein_;

    ui::SpieltagBereich* Spieltag;
    ui::KreuzBereich* Kreuze;
    ui::AuswertungsBereich* PFoto;
    ui::Zaehleranzeige* leur;

    // The download window, the web links, the snapshot and about windows.
    void nebenfensterVerbinden();
    QToolButton* knopf(const char* name) const;
    void BFSpTagVerwClick();
    void bsSkinSpeedButton9Click();
    void bsSkinSpeedButton5Click();
    // The windows of several evaluations at once, from the row grid's context menu.
    void statistikOeffnen();
    // The system workshop, from the row grid's context menu or Ctrl+W.
    void werkstattOeffnen();
    // Without files the window asks for them.
    void scheineOeffnen(const QStringList& dateien = {});
    // "Auswertung drucken..." and "Auswertung als PDF speichern...".
    void auswertungBerichten(bool drucken);

    ui::WebVerweise* verweise_;
    // The windows of which one at a time is open: the download window is made at the first press
    // and hidden when closed, the update and about windows are freed when closed.
    ui::Einzelfenster<ui::TFsptag> FSpTag;
    ui::Einzelfenster<ui::TFNeu> FNeu;
    ui::Einzelfenster<ui::TFInfo> FInfo;
    ui::Einzelfenster<ui::TFWerkstatt> FWerkstatt;
    ui::Einzelfenster<ui::TFHilfe> FHilfe;
    ui::Abbilder abbilder_;
};
