#pragma once

#include <QString>

namespace core {

// A typed result split at its first colon.
struct ErgebnisTeile {
    QString Heim;
    QString Gast;
    bool Gueltig = false; // the text held a colon
};

// "2:1" -> "2", "1". Without a colon both parts are "10" (no result); otherwise the parts before
// and after the first colon, blanks and control characters trimmed, an empty part being "10".
ErgebnisTeile ErgebnisZerlegen(QStringView text);

} // namespace core
