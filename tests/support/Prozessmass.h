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

// The flags the kernel keeps for the mapping that holds p ("hg": huge pages asked for).
inline QByteArray mappingFlags(const void* p) {
    QFile f(QStringLiteral("/proc/self/smaps"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const auto adresse = quintptr(p);
    bool darin = false;
    for (QByteArray zeile = f.readLine(); !zeile.isEmpty(); zeile = f.readLine()) {
        const qsizetype strich = zeile.indexOf('-');
        const qsizetype blank = zeile.indexOf(' ');
        if (strich > 0 && blank > strich && !zeile.startsWith("VmFlags")) {
            bool ok1 = false, ok2 = false;
            const quintptr von = zeile.left(strich).toULongLong(&ok1, 16);
            const quintptr bis = zeile.mid(strich + 1, blank - strich - 1).toULongLong(&ok2, 16);
            if (ok1 && ok2)
                darin = von <= adresse && adresse < bis;
        } else if (darin && zeile.startsWith("VmFlags:")) {
            return zeile.mid(8).trimmed();
        }
    }
    return {};
}

} // namespace testhilfe
