#pragma once

#include <QFile>
#include <QRegularExpression>

namespace testhilfe {

namespace detail {
inline qint64 wert(const char* datei, const char* name) {
    QFile f(QString::fromLatin1(datei));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression zeile(QStringLiteral("^%1:\\s*(\\d+)").arg(QLatin1String(name)),
                                   QRegularExpression::MultilineOption);
    const auto treffer = zeile.match(QString::fromLatin1(f.readAll()));
    return treffer.hasMatch() ? treffer.captured(1).toLongLong() : -1;
}
} // namespace detail

// Bytes this process has read from files so far.
inline qint64 gelesen() {
    return detail::wert("/proc/self/io", "rchar");
}

// The peak of the resident memory in KiB since the last reset, and the reset to the present size.
inline qint64 speicherspitze() {
    return detail::wert("/proc/self/status", "VmHWM");
}
inline qint64 speicherJetzt() {
    return detail::wert("/proc/self/status", "VmRSS");
}
inline bool speicherspitzeZuruecksetzen() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}

} // namespace testhilfe
