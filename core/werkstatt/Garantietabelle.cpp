#include "Garantietabelle.h"

#include "core/grund/Konstanten.h"

#include <QLocale>

namespace core {
namespace {

QString prozent(double anteil) {
    return QLocale(QLocale::German).toString(anteil * 100, 'f', 2) + QStringLiteral(" %");
}

// The ranks as columns, no win last.
constexpr int Raenge[] = {1, 2, 3, 4, 5, 6, 0};

} // namespace

QStringList Garantietabelle::koepfe() {
    QStringList k{QStringLiteral("sicher"), QStringLiteral("Wahrscheinlichkeit")};
    for (const int r : Raenge)
        k.append(r == 0 ? QStringLiteral("kein Gewinn") : RangText[std::size_t(r)]);
    return k;
}

QStringList Garantietabelle::zeile(const Garantiepruefung::Ergebnis& e, int m) {
    const int sicher = e.sicher[std::size_t(m)];
    const double p = e.wahrscheinlichkeit[std::size_t(m)];
    QStringList z{sicher < 0 ? QStringLiteral("-") : QStringLiteral("%1 Ri.").arg(sicher), prozent(p)};
    const bool moeglich = p > 0 && e.faelleMit(m) > 0;
    for (const int r : Raenge)
        z.append(moeglich ? prozent(e.anteil(m, r)) : QStringLiteral("-"));
    return z;
}

} // namespace core
