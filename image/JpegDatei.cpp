#include "JpegDatei.h"

#include "core/grund/Fehler.h"
#include "core/text/TextDatei.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace image {
namespace {

// The library ends the process on an error unless the handler jumps back.
struct Fehlerfalle {
    jpeg_error_mgr basis;
    std::jmp_buf sprung;
    char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void fehlerAusgang(j_common_ptr info) {
    auto* falle = reinterpret_cast<Fehlerfalle*>(info->err);
    (*info->err->format_message)(info, falle->text);
    std::longjmp(falle->sprung, 1);
}

// Runs the library on plain data only, so that the jump back skips no destructor.
bool bibliothekKodieren(const uchar* pixel, int breite, int hoehe, qsizetype zeilenlaenge, int qualitaet,
                        unsigned char** puffer, unsigned long* laenge, Fehlerfalle& falle) {
    jpeg_compress_struct info{};
    info.err = jpeg_std_error(&falle.basis);
    falle.basis.error_exit = fehlerAusgang;
    if (setjmp(falle.sprung)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, puffer, laenge);
    info.image_width = JDIMENSION(breite);
    info.image_height = JDIMENSION(hoehe);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualitaet, TRUE);
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW zeile = const_cast<JSAMPROW>(pixel + qsizetype(info.next_scanline) * zeilenlaenge);
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

QString kodierfehler(const QString& grund) {
    return QStringLiteral("Das Bild kann nicht als JPEG gespeichert werden.\n\n") + grund;
}

} // namespace

QByteArray JpegDatei::kodieren(const QImage& bild, int qualitaet) {
    if (bild.isNull())
        throw core::Fehler(QStringLiteral("Kein Bild im Speicher"));
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    // Our own buffer, larger than any JPEG of the picture: a buffer the library grows itself is
    // handed back only at the end, so after an error midway its pointer would be stale.
    using Groesse = unsigned long;
    Groesse laenge = 6 * (Groesse(rgb.width()) + 16) * (Groesse(rgb.height()) + 16) + 4096;
    unsigned char* const eigener = static_cast<unsigned char*>(std::malloc(laenge));
    if (!eigener)
        throw core::Fehler(kodierfehler(QStringLiteral("Nicht genug Speicher.")));
    unsigned char* puffer = eigener;
    Fehlerfalle falle{};
    const bool gelungen = bibliothekKodieren(rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine(),
                                             qualitaet, &puffer, &laenge, falle);
    QByteArray bytes;
    if (gelungen)
        bytes = QByteArray(reinterpret_cast<const char*>(puffer), qsizetype(laenge));
    if (puffer != eigener)
        std::free(puffer);
    std::free(eigener);
    if (!gelungen)
        throw core::Fehler(kodierfehler(QString::fromLocal8Bit(falle.text)));
    return bytes;
}

void JpegDatei::speichern(const QString& pfad, const QImage& bild, int qualitaet) {
    core::TextDatei::bytesSchreiben(pfad, kodieren(bild, qualitaet));
}

} // namespace image
