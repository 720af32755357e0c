#include "Kreuzmuster.h"

#include "core/grund/Fehler.h"

#include <QDir>

namespace core {

Kreuzmuster KreuzmusterLesen(const QByteArray& bytes, const QString& datei) {
    if (bytes.size() < Kreuzmuster::Groesse)
        throw Fehler(QStringLiteral("Die Datei \"%1\" enthält kein vollständiges Kreuzmuster "
                                    "(%2 von %3 Bytes).")
                         .arg(QDir::toNativeSeparators(datei))
                         .arg(bytes.size())
                         .arg(Kreuzmuster::Groesse));
    Kreuzmuster muster;
    for (int n = 1; n <= 45; ++n)
        if (bytes[n - 1] != 0)
            muster.Zahlen.hinzufuegen(n);
    for (int e = 1; e <= 14; ++e)
        muster.Systeme[std::size_t(e)] = bytes[44 + e] != 0;
    return muster;
}

QByteArray KreuzmusterPacken(const Kreuzmuster& muster) {
    QByteArray bytes(Kreuzmuster::Groesse, '\0');
    for (int n = 1; n <= 45; ++n)
        bytes[n - 1] = muster.Zahlen.enthaelt(n) ? 1 : 0;
    for (int e = 1; e <= 14; ++e)
        bytes[44 + e] = muster.Systeme[std::size_t(e)] ? 1 : 0;
    return bytes;
}

} // namespace core
