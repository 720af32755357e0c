#include "PngDatei.h"

#include "core/grund/Fehler.h"
#include "core/text/TextDatei.h"

#include <QBuffer>

namespace image {

void PngDatei::speichern(const QString& pfad, const QImage& bild) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    if (bild.isNull() || !bild.save(&puffer, "PNG"))
        throw core::Fehler(QStringLiteral("Das Bild kann nicht als PNG gespeichert werden."));
    core::TextDatei::bytesSchreiben(pfad, puffer.data());
}

} // namespace image
