#pragma once

#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/spieltag/TSpieltag.h"

#include <QByteArray>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;

namespace settings {
struct Ordner;
}

namespace ui {

struct Umgebung;
class TFfrPaarung;

// What reading a matchday gives the other columns.
struct GelesenerSpieltag {
    // The winning row that follows from its results.
    core::Gewinnreihenermittlung gewinnreihe;
    // The odds file of its date, when it exists and is to be loaded with it.
    std::optional<QString> quoten;
};

// The matchday column: the options above the tabs, the date and the 45 pairings on three tabs,
// the result entry and the derivation of the winning row.
class SpieltagBereich : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 278;
    static constexpr int Hoehe = 650;

    SpieltagBereich(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent);

    // Reads a matchday file into the frames; gives its winning row and odds file. A name without a
    // file is passed over (nullopt); a file that cannot be read throws and changes nothing.
    std::optional<GelesenerSpieltag> SpieltagEinlesen(const QString& datei);

    const QString& SpieltagDatei() const { return spieltagDatei_; }
    const core::TSpieltag& Spieltag() const { return spieltag_; }
    // "Mit Spieltag Quoten einlesen, wenn vorhanden"
    bool quotenMitSpieltag() const;
    void setQuotenMitSpieltag(bool ja);

    // Ctrl+Z after a results store: the matchday file written back as it was and, when it is the
    // one shown, read again. False when there is no store to undo; a failed write throws.
    bool rueckgaengig();
    void rueckschrittVergessen() { rueckschritt_.reset(); }

signals:
    // A matchday file was chosen in the open dialog and read; its file is to be remembered.
    void spieltagGelesen(const QString& datei, const ui::GelesenerSpieltag& gelesen);
    // The winning row follows from the results just stored.
    void gewinnreiheErmittelt(const core::Gewinnreihenermittlung& ermittlung);
    // A results store can now be undone.
    void rueckschrittGemerkt();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void bauen();
    void BOpenSpTagClick();
    // Stores the typed results in the matchday file and derives the winning row again.
    void bsSkinSpeedButton8Click();
    void ergebnisFaerben(int nr, bool ergebnis);
    void naechsteErgebnisbox(int nr);

    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    core::TSpieltag spieltag_;
    QString spieltagDatei_;
    // The matchday file before the last results store.
    struct Rueckschritt {
        QString datei;
        QByteArray bytes;
    };
    std::optional<Rueckschritt> rueckschritt_;

    QCheckBox* cbSofortQ;
    QToolButton* BOpen;
    QToolButton* ErgebnisseSpeichern; // bsSkinSpeedButton8
    QLabel* LTag;
    QTabWidget* PC1;
    // Index 1..45 = match number; index 0 unused.
    std::array<TFfrPaarung*, 46> Paarungen{};
    std::array<QLabel*, 46> PPaar{};
    std::array<QLabel*, 46> PStart{};
    std::array<QLabel*, 46> PTendenz{};
    std::array<QLineEdit*, 46> eErg{};
};

} // namespace ui
