#pragma once

class QCategoryAxis;

namespace ui {

// A scale of amounts on which a 10-euro win stays visible beside a jackpot: every power of ten
// takes the same height, on both sides of zero (log10(1 + |betrag|) with the amount's sign).
class Betragsachse {
public:
    // Where an amount stands on the scale.
    static double wert(double betrag);
    // The axis from the lowest to the highest amount (zero always inside), labelled in euros at 0
    // and at every power of ten from 10 on.
    static QCategoryAxis* achse(double kleinster, double groesster);
};

} // namespace ui
