#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace core {

// Text to integer as the program converts everywhere: leading blanks, an optional sign,
// then decimal digits to the end of the text; the value must fit 32 bits.
std::optional<std::int32_t> AlsGanzzahl(QStringView text);

// As AlsGanzzahl, but a text that is no integer throws the conversion error.
std::int32_t StrToInt(QStringView text);

// A field as a message quotes it: at most its first FeldZitatLaenge characters, a cut field
// marked by "…" after them, so that a huge field never makes a huge message.
inline constexpr qsizetype FeldZitatLaenge = 40;
QString FeldZitat(QStringView feld);

// "''abc'' ist kein gültiger Integer-Wert"
QString KeinIntegerText(QStringView text);
// "'1,2,3' ist kein gültiger Gleitkommawert"
QString KeinGleitkommaText(QStringView text);
// "Listenindex überschreitet das Maximum (5)"
QString ListenindexText(int maximum);

} // namespace core
