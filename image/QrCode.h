#pragma once

#include <QByteArray>
#include <QImage>

namespace image {

// QR codes made at run time.
class QrCode {
public:
    // The code of the text (error correction level M) as a square picture of seite pixels: dark
    // modules on white with a quiet zone of four modules, every module a whole number of pixels
    // and the code centred. Empty when the text does not fit into a code.
    static QImage bild(const QByteArray& text, int seite);
};

} // namespace image
