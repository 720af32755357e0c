#pragma once

#include <QString>

namespace core {

// "t wenn m": whenever `wenn` winning numbers are among the chosen numbers, some row has at least
// `richtige` of them.
struct Garantie {
    int richtige = 0;
    int wenn = 0;

    friend bool operator==(const Garantie&, const Garantie&) = default;

    // "3 wenn 3"
    QString text() const { return QStringLiteral("%1 wenn %2").arg(richtige).arg(wenn); }
    // "3 Richtige sicher, wenn mindestens 3 Gewinnzahlen unter Ihren Zahlen sind" (more winning
    // numbers never give fewer hits)
    QString satz() const {
        return QStringLiteral("%1 Richtige sicher, wenn mindestens %2 Gewinnzahlen unter Ihren Zahlen sind")
            .arg(richtige)
            .arg(wenn);
    }
};

} // namespace core
