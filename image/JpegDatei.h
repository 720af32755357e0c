#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace image {

// Pictures as JPEG: 24 bits per pixel, the library's defaults, baseline-compatible tables at the
// given quality and the library's simple progression script.
class JpegDatei {
public:
    static constexpr int MinQualitaet = 36;
    static constexpr int MaxQualitaet = 100;

    // Throws core::Fehler when the picture is empty or the library refuses it.
    static QByteArray kodieren(const QImage& bild, int qualitaet);
    // Replaces the file atomically: a failed write leaves an older file of that name whole.
    static void speichern(const QString& pfad, const QImage& bild, int qualitaet);
};

} // namespace image
