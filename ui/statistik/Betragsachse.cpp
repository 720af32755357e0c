#include "Betragsachse.h"

#include "core/grund/Zahlformat.h"

#include <QCategoryAxis>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// The power of ten at or above the amount, at least 10.
double obenGerundet(double betrag) {
    double zehner = 10;
    while (zehner < betrag)
        zehner *= 10;
    return zehner;
}

} // namespace

double Betragsachse::wert(double betrag) {
    return std::copysign(std::log10(1 + std::abs(betrag)), betrag);
}

QCategoryAxis* Betragsachse::achse(double kleinster, double groesster) {
    auto* achse = new QCategoryAxis;
    achse->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double unten = kleinster < 0 ? -obenGerundet(-kleinster) : 0;
    const double oben = obenGerundet(std::max(groesster, 0.0));
    achse->setStartValue(wert(unten));
    for (double b = unten; b <= -10; b /= 10)
        achse->append(core::Ganzzahltext(std::int64_t(b)), wert(b));
    achse->append(QStringLiteral("0"), 0);
    for (double b = 10; b <= oben; b *= 10)
        achse->append(core::Ganzzahltext(std::int64_t(b)), wert(b));
    achse->setRange(wert(unten), wert(oben));
    return achse;
}

} // namespace ui
