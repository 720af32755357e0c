#pragma once

#include <QByteArray>
#include <QString>

namespace core {

// The 8-bit code page of the program's text files.
class Windows1252 {
public:
    static QString dekodieren(QByteArrayView bytes);
    // Characters without a byte in the code page become '?'.
    static QByteArray kodieren(QStringView text);
    static void anhaengen(QByteArray& ziel, QStringView text);
};

} // namespace core
