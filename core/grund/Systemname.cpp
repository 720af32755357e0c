#include "Systemname.h"

#include <cstdint>

namespace core {
namespace {

constexpr char16_t ErsterFremdbyte = 0xDC80;
constexpr char16_t LetzterFremdbyte = 0xDCFF;

bool fremdbyte(QChar c) {
    return c.unicode() >= ErsterFremdbyte && c.unicode() <= LetzterFremdbyte;
}

// The length of the valid UTF-8 sequence at i, 0 when there is none: no overlong forms, no
// surrogates, nothing above U+10FFFF.
qsizetype folgeLaenge(QByteArrayView b, qsizetype i) {
    const auto byte = [&](qsizetype k) { return k < b.size() ? std::uint8_t(b[k]) : std::uint8_t(0); };
    const auto folge = [&](qsizetype k) { return (byte(k) & 0xC0) == 0x80; };
    const std::uint8_t c = byte(i);
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return folge(i + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const std::uint8_t z = byte(i + 1);
        const bool gueltig = (c == 0xE0 ? z >= 0xA0 : c == 0xED ? z < 0xA0 : true) && folge(i + 1);
        return gueltig && folge(i + 2) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const std::uint8_t z = byte(i + 1);
        const bool gueltig = (c == 0xF0 ? z >= 0x90 : c == 0xF4 ? z < 0x90 : true) && folge(i + 1);
        return gueltig && folge(i + 2) && folge(i + 3) ? 4 : 0;
    }
    return 0;
}

} // namespace

QString NameAusBytes(QByteArrayView bytes) {
    QString name;
    name.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype n = folgeLaenge(bytes, i);
        if (n == 0) {
            name.append(QChar(char16_t(0xDC00 + std::uint8_t(bytes[i]))));
            ++i;
        } else {
            name.append(QString::fromUtf8(bytes.sliced(i, n)));
            i += n;
        }
    }
    return name;
}

QByteArray NameAlsBytes(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype von = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !fremdbyte(name[i]))
            continue;
        bytes.append(QStringView(name).sliced(von, i - von).toUtf8());
        if (i < name.size())
            bytes.append(char(name[i].unicode() - 0xDC00));
        von = i + 1;
    }
    return bytes;
}

QString NameZumZeigen(const QString& name) {
    QString gezeigt = name;
    for (QChar& c : gezeigt)
        if (fremdbyte(c))
            c = QChar::ReplacementCharacter;
    return gezeigt;
}

QStringList ArgumenteAusSystem(int argc, const char* const* argv) {
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente.append(NameAusBytes(argv[i]));
    return argumente;
}

} // namespace core
