#include "ErgebnisZerlegen.h"

namespace core {
namespace {

QString teil(QStringView text) {
    // Blanks and control characters (everything up to the blank) are trimmed.
    while (!text.isEmpty() && text.front() <= u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() <= u' ')
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("10") : text.toString();
}

} // namespace

ErgebnisTeile ErgebnisZerlegen(QStringView text) {
    const qsizetype doppelpunkt = text.indexOf(u':');
    if (doppelpunkt < 0)
        return {QStringLiteral("10"), QStringLiteral("10"), false};
    return {teil(text.first(doppelpunkt)), teil(text.sliced(doppelpunkt + 1)), true};
}

} // namespace core
