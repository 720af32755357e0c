#pragma once

#include "core/text/Windows1252.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace core {

// A short string as the matchday file stores it: one length byte, then Kapazitaet bytes of
// Windows-1252 text. The bytes after the length are undefined in the file; they are kept as read
// so that a record written back equals the one read.
template <int Kapazitaet> class KurzString {
public:
    static constexpr int Groesse = Kapazitaet + 1;

    static KurzString ausBytes(const char* quelle) {
        KurzString s;
        std::memcpy(s.roh_.data(), quelle, Groesse);
        return s;
    }
    void inBytes(char* ziel) const { std::memcpy(ziel, roh_.data(), Groesse); }

    // A length byte above the capacity shows the whole field, never bytes beyond it.
    QString text() const {
        const int n = std::min<int>(roh_[0], Kapazitaet);
        return Windows1252::dekodieren(QByteArrayView(reinterpret_cast<const char*>(roh_.data()) + 1, n));
    }
    // Longer text is cut to the capacity; the bytes after the new length stay as they were.
    void setzen(QStringView text) {
        const QByteArray bytes =
            Windows1252::kodieren(text.first(std::min<qsizetype>(text.size(), Kapazitaet)));
        roh_[0] = static_cast<std::uint8_t>(bytes.size());
        std::memcpy(roh_.data() + 1, bytes.constData(), bytes.size());
    }
    int laengenByte() const { return roh_[0]; }

    bool operator==(const KurzString&) const = default;

private:
    std::array<std::uint8_t, Groesse> roh_{};
};

} // namespace core
