#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;

namespace ui {

class TFfrPaarung;

// The matchday column: the options above the tabs, the date and the 45 pairings on three tabs.
class SpieltagBereich : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 278;
    static constexpr int Hoehe = 650;

    explicit SpieltagBereich(QWidget* parent);

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
