#include "QrCode.h"

#include <QPainter>

#include <memory>

#include <qrencode.h>

namespace image {

QImage QrCode::bild(const QByteArray& text, int seite) {
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(text.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    constexpr int Ruhezone = 4;
    if (!code || code->width + 2 * Ruhezone > seite)
        return {};
    const int module = code->width;
    const int modulPixel = qMax(1, seite / (module + 2 * Ruhezone));
    const int rand = (seite - module * modulPixel) / 2;

    QImage b(seite, seite, QImage::Format_RGB32);
    b.fill(Qt::white);
    QPainter maler(&b);
    for (int y = 0; y < module; ++y)
        for (int x = 0; x < module; ++x)
            if (code->data[y * module + x] & 1)
                maler.fillRect(rand + x * modulPixel, rand + y * modulPixel, modulPixel, modulPixel,
                               Qt::black);
    return b;
}

} // namespace image
