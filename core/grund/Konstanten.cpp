#include "Konstanten.h"

namespace core {

QString ProgrammTitel() {
    return ProgrammName + u' ' + ProgrammVersion;
}

QString QuotenBeschriftung(int rang) {
    return RangRoemisch.at(rang) + QStringLiteral(": ") + RangText.at(rang);
}

int RangIndex(QStringView text) {
    if (text.isEmpty())
        return 0;
    for (int i = 1; i <= 6; ++i)
        if (text == RangText[i])
            return i;
    return 0;
}

} // namespace core
