#pragma once

#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/spieltag/TSpieltag.h"

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

// The matchday column: the options above the tabs, the date and the 45 pairings on three tabs,
// the result entry and the derivation of the winning row.
class SpieltagBereich : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 278;
    static constexpr int Hoehe = 650;

    SpieltagBereich(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent);

    // Reads a matchday file into the frames and derives the winning row. A name without a file is
    // passed over; a file that cannot be read changes nothing. Gives the odds file of the
    // matchday's date when it is to be loaded with it.
    std::optional<QString> SpieltagEinlesen(const QString& datei);
    void BOpenSpTagClick();
    // Stores the typed results in the matchday file and derives the winning row again.
    void bsSkinSpeedButton8Click();

    const QString& SpieltagDatei() const { return spieltagDatei_; }
    const core::TSpieltag& Spieltag() const { return spieltag_; }
    // "Mit Spieltag Quoten einlesen, wenn vorhanden"
    bool quotenMitSpieltag() const;
    void setQuotenMitSpieltag(bool ja);

signals:
    // The winning row follows from the results just read or stored.
    void gewinnreiheErmittelt(const core::Gewinnreihenermittlung& ermittlung);
    // A matchday file was chosen in the open dialog, to be read and remembered.
    void spieltagGewaehlt(const QString& datei);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void bauen();
    void ergebnisFaerben(int nr, bool ergebnis);
    void GewinnreiheErmitteln();
    void naechsteErgebnisbox(int nr);

    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    core::TSpieltag spieltag_;
    QString spieltagDatei_;

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
