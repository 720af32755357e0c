#pragma once

#include <QString>

#include <cstdint>

namespace core {

// The result of one match as stored: goals of the home and the away side, signed bytes.
struct TErgebnis {
    // 10 on both sides means no result; the file has no other marker.
    static constexpr int OhneErgebnis = 10;

    std::int8_t ToreHeim = 0;
    std::int8_t ToreGast = 0;

    // A 10 on either side is shown as no result.
    bool angezeigt() const { return ToreHeim != OhneErgebnis && ToreGast != OhneErgebnis; }
    // "2 : 1", or empty when no result is shown.
    QString text() const {
        return angezeigt() ? QStringLiteral("%1 : %2").arg(int(ToreHeim)).arg(int(ToreGast)) : QString();
    }
    bool operator==(const TErgebnis&) const = default;
};

} // namespace core
