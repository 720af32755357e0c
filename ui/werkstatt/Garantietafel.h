#pragma once

#include "core/werkstatt/Garantiepruefung.h"

#include <QTableWidget>

namespace ui {

// The guarantee table of a system: a line for each m = 0..6 winning numbers among the chosen
// ones, with the hits some row is sure to have, the probability of m in a draw and the share of
// the cases per best rank.
class Garantietafel : public QTableWidget {
    Q_OBJECT
public:
    explicit Garantietafel(QWidget* parent);

    void zeigen(const core::Garantiepruefung::Ergebnis& e);
    void leeren();
};

} // namespace ui
