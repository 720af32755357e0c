#pragma once

#include "core/TSpieltag.h"

#include <QWidget>

#include <array>

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
class AuswertungsBereich;
class TFfrPaarung;

// The matchday column: the options above the tabs, the date and the 45 pairings on three tabs,
// the result entry and the derivation of the winning row.
class SpieltagBereich : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 278;
    static constexpr int Hoehe = 650;

    SpieltagBereich(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent);
    // Where the derived winning row and the dated odds go.
    void setAuswertung(AuswertungsBereich* auswertung) { auswertung_ = auswertung; }

    // Reads a matchday file into the frames, derives the winning row and loads the odds of its
    // date. A name without a file is passed over; a file that cannot be read changes nothing.
    void SpieltagEinlesen(const QString& datei);
    void BOpenSpTagClick();
    // Stores the typed results in the matchday file and derives the winning row again.
    void bsSkinSpeedButton8Click();

    const QString& SpieltagDatei() const { return spieltagDatei_; }
    const core::TSpieltag& Spieltag() const { return spieltag_; }

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

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void bauen();
    void ergebnisFaerben(int nr, bool ergebnis);
    void GewinnreiheErmitteln();
    void naechsteErgebnisbox(int nr);

    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    AuswertungsBereich* auswertung_ = nullptr;
    core::TSpieltag spieltag_;
    QString spieltagDatei_;
};

} // namespace ui
