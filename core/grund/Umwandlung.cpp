#include "Umwandlung.h"

#include "Fehler.h"

namespace core {

std::optional<std::int32_t> AlsGanzzahl(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negativ = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negativ = text[i] == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    std::int64_t wert = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        wert = wert * 10 + (c - u'0');
        if (wert > std::int64_t{1} << 31)
            return std::nullopt;
    }
    if (negativ)
        wert = -wert;
    if (wert > INT32_MAX || wert < INT32_MIN)
        return std::nullopt;
    return static_cast<std::int32_t>(wert);
}

std::int32_t StrToInt(QStringView text) {
    if (const auto wert = AlsGanzzahl(text))
        return *wert;
    throw Fehler(KeinIntegerText(text));
}

QString FeldZitat(QStringView feld) {
    if (feld.size() <= FeldZitatLaenge)
        return feld.toString();
    qsizetype n = FeldZitatLaenge;
    // A character of two UTF-16 units is kept whole or left out.
    if (feld[n - 1].isHighSurrogate())
        --n;
    return feld.first(n).toString() + QStringLiteral("…");
}

QString KeinIntegerText(QStringView text) {
    return QStringLiteral("''%1'' ist kein gültiger Integer-Wert").arg(FeldZitat(text));
}

QString KeinGleitkommaText(QStringView text) {
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(FeldZitat(text));
}

QString ListenindexText(int maximum) {
    return QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(maximum);
}

} // namespace core
