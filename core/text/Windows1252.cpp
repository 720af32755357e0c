#include "Windows1252.h"

#include <array>

namespace core {
namespace {

// Bytes 0x80..0x9F; the five bytes without a character keep their code point, as Windows does.
constexpr std::array<char16_t, 32> obereZeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char byteFuer(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (obereZeichen[i] == c)
            return char(0x80 + i);
    return '?';
}

} // namespace

QString Windows1252::dekodieren(QByteArrayView bytes) {
    QString text = QString::fromLatin1(bytes.data(), bytes.size());
    char16_t* z = reinterpret_cast<char16_t*>(text.data());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i)
        if (z[i] >= 0x80 && z[i] < 0xA0)
            z[i] = obereZeichen[z[i] - 0x80];
    return text;
}

QByteArray Windows1252::kodieren(QStringView text) {
    QByteArray bytes;
    anhaengen(bytes, text);
    return bytes;
}

void Windows1252::anhaengen(QByteArray& ziel, QStringView text) {
    const qsizetype start = ziel.size();
    ziel.resize(start + text.size());
    char* z = ziel.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i)
        z[i] = byteFuer(text[i].unicode());
}

} // namespace core
