#pragma once

#include "core/text/Windows1252.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A property of a reader that an input broke: said on stderr, then the run stops, so that the
// fuzzer keeps the input.
#define PRUEFEN(bedingung)                                                                                   \
    do {                                                                                                     \
        if (!(bedingung)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: nicht erfüllt: %s\n", __FILE__, __LINE__, #bedingung);              \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

namespace fuzz {

// A seekable device that hands out at most `stueck` bytes per read, so that small inputs meet the
// piece boundaries that large files meet.
class Tropfen : public QIODevice {
public:
    Tropfen(QByteArray daten, qint64 stueck)
        : daten_(std::move(daten)), stueck_(std::max<qint64>(stueck, 1)) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return daten_.size(); }

protected:
    qint64 readData(char* ziel, qint64 hoechstens) override {
        const qint64 n = std::min({hoechstens, stueck_, qint64(daten_.size()) - pos()});
        if (n <= 0)
            return 0;
        std::memcpy(ziel, daten_.constData() + pos(), std::size_t(n));
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray daten_;
    qint64 stueck_;
};

inline QByteArray bytes(const std::uint8_t* daten, std::size_t laenge) {
    return QByteArray(reinterpret_cast<const char*>(daten), qsizetype(laenge));
}

// The piece size of an input: it changes with the input's length, so the fuzzer tries many.
inline qint64 stueck(const QByteArray& bytes) {
    return 1 + bytes.size() % 37;
}

// Whether a text survives the 8-bit code page: written files hold it exactly.
inline bool inWindows1252(const QString& text) {
    return core::Windows1252::dekodieren(core::Windows1252::kodieren(text)) == text;
}

} // namespace fuzz
