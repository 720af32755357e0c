#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace testhilfe {

// A PDF read back by poppler's tools, as a person would read the printout.
struct Pdf {
    // The text laid out as on the page (pdftotext -layout); each page ends with a form feed.
    static QString text(const QString& pfad) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return QStringLiteral("<pdftotext: %1>").arg(QString::fromUtf8(p.readAllStandardError()));
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static int seiten(const QString& pfad) { return int(text(pfad).count(u'\f')); }
    // The first page as a picture at this resolution.
    static QImage ersteSeite(const QString& pfad, int dpi) {
        QTemporaryDir ordner;
        const QString ziel = ordner.filePath(QStringLiteral("seite"));
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                           QString::number(dpi), pfad, ziel});
        return QImage(ziel + QStringLiteral(".png"));
    }
    // Pixels of exactly this colour: a fill, not the blend at an edge.
    static int pixel(const QImage& bild, QRgb farbe) {
        int n = 0;
        const QImage b = bild.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += (b.pixel(x, y) & 0xFFFFFF) == (farbe & 0xFFFFFF);
        return n;
    }
};

} // namespace testhilfe
