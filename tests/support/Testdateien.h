#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testhilfe {

// Writes a test file whole, or stops the test program.
inline QString dateiSchreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
        qFatal("Testdatei nicht geschrieben");
    return pfad;
}

inline QByteArray dateiLesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

} // namespace testhilfe
