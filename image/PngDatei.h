#pragma once

#include <QImage>
#include <QString>

namespace image {

// Pictures as PNG: lossless, for a picture that is to be edited further.
class PngDatei {
public:
    // Replaces the file atomically: a failed write leaves an older file of that name whole. Throws
    // core::Fehler when the picture is empty.
    static void speichern(const QString& pfad, const QImage& bild);
};

} // namespace image
