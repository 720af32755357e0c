#pragma once

#include "core/grund/TGewinnreihe.h"
#include "core/werkstatt/Garantie.h"
#include "core/werkstatt/Garantiepruefung.h"
#include "ui/werkstatt/Systemordner.h"

#include <QFutureWatcher>
#include <QMutex>
#include <QWidget>

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace core {
class Zeilentabelle;
struct Bauauftrag;
} // namespace core

namespace ui {

struct Umgebung;
class Garantietafel;

// "Systemwerkstatt": builds an own system for the chosen numbers and a guarantee on a worker
// thread, proves what it guarantees, and shows the same for the catalogue, the own systems and
// the rows of the grid. Rows go to the grid and the own systems folder only on the user's word.
class TFWerkstatt : public QWidget {
    Q_OBJECT
public:
    // The system shown: rows of six as masks over the positions of `zahlen`.
    struct Anzeige {
        QString name;
        std::vector<int> zahlen; // ascending
        std::vector<int> bank;
        std::optional<core::Garantie> garantie; // the guarantee asked for, when built
        std::vector<std::uint64_t> reihen;
        core::Garantiepruefung::Ergebnis pruefung;
        QString text; // what the result label says
    };

    TFWerkstatt(Umgebung& umgebung, const QString& systemOrdner, QWidget* parent = nullptr);
    // A run still going is cancelled and waited for (it ends within about a second).
    ~TFWerkstatt() override;

    // The numbers ticked on the cross board into the numbers box.
    void zahlenSetzen(const core::Zahlenmenge& kreuze);
    // The rows of the row grid, checked over the numbers typed or else the numbers they use.
    void tabellenreihePruefen(const core::Zeilentabelle& tabelle);
    bool laeuft() const;
    const Anzeige& anzeige() const { return anzeige_; }

signals:
    // "Zahlen vom Kreuzbrett": the main window answers with zahlenSetzen.
    void kreuzeVerlangt();
    // "Garantie prüfen" for the rows in the grid: the main window answers with tabellenreihePruefen.
    void tabellenreihenVerlangt();
    // "In die Tabelle übernehmen": these rows into the row grid, as "System abwickeln" writes them.
    void reihenUebernehmen(const std::vector<std::array<int, 6>>& reihen);
    // A run has ended and its result is shown.
    void fertig();

private:
    void bauen();
    void verbinden();
    void BBauenClick();
    void BPruefenClick();
    void BUebernehmenClick();
    void BSpeichernClick();
    void eigeneSystemeLesen();
    void eigenesSystemGewaehlt(int zeile);
    // Starts a check of these rows on the worker thread.
    void pruefungStarten(Anzeige anzeige);
    void starten(const std::function<Anzeige()>& arbeit);
    void standZeigen();
    void zeigen(const Anzeige& anzeige);
    std::vector<int> getippteZahlen() const;
    core::Bauauftrag auftrag() const;

    Umgebung& umgebung_;
    Systemordner ordner_;
    std::vector<core::EigenesSystem> eigene_;
    Anzeige anzeige_;

    // The run: the button's cancel keeps the best so far, closing drops everything.
    QFutureWatcher<Anzeige>* lauf_ = nullptr;
    std::atomic<bool> abbruch_{false};
    std::atomic<bool> schliessen_{false};
    struct Stand {
        int reihen = 0;
        std::int64_t loecher = 0;
        double sekunden = 0;
        double anteil = -1; // of a check, -1 while building
    };
    mutable QMutex standSperre_;
    Stand stand_;
    QTimer* standUhr_;

    QLineEdit* EZahlen;
    QPushButton* BKreuze;
    QLineEdit* EBank;
    QSpinBox* SRichtige;
    QSpinBox* SWenn;
    QSpinBox* SHoechstens;
    QSpinBox* SZeit;
    QPushButton* BBauen;
    QPushButton* BAbbrechen;
    QProgressBar* Fortschritt;
    QLabel* LErgebnis;
    QPlainTextEdit* TReihen;
    Garantietafel* GGarantie;
    QPushButton* BUebernehmen;
    QPushButton* BSpeichern;
    QComboBox* CPruefen;
    QPushButton* BPruefen;
    QListWidget* LSysteme;
    QPushButton* BSchliessen;
};

} // namespace ui
