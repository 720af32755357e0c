#include "BoxVerlassen.h"

#include "core/grund/Umwandlung.h"

#include <algorithm>

namespace core {

bool BoxNimmt(QStringView text) {
    return text.size() <= BoxStellen &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

void BoxVerlassen(TGewinnreihe& reihe, const Boxtexte& boxen, int box) {
    if (box == 7) {
        reihe.ZS = boxen[7].isEmpty() ? 0 : AlsGanzzahl(boxen[7]).value_or(0);
        return;
    }
    reihe.Menge.leeren();
    reihe.Zahlen.fill(0);
    for (int i = 1; i <= 6; ++i) {
        if (boxen[std::size_t(i)].isEmpty())
            continue;
        const int v = AlsGanzzahl(boxen[std::size_t(i)]).value_or(0);
        reihe.Menge.hinzufuegen(v);
        reihe.Zahlen[std::size_t(i - 1)] = std::uint8_t(v);
    }
}

} // namespace core
