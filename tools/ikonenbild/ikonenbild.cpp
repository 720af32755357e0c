// ikonenbild EIN.svg GROESSE AUS.png: the program's SVG icon as a square PNG of that size, for the
// icon theme's fixed sizes.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("Aufruf: ikonenbild EIN.svg GROESSE AUS.png\n", stderr);
        return 1;
    }
    bool zahl = false;
    const int groesse = QString::fromLocal8Bit(argv[2]).toInt(&zahl);
    QSvgRenderer zeichner(QString::fromLocal8Bit(argv[1]));
    if (!zahl || groesse < 1 || groesse > 4096 || !zeichner.isValid()) {
        std::fprintf(stderr, "ikonenbild: %s oder %s ist unbrauchbar\n", argv[1], argv[2]);
        return 1;
    }
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    zeichner.render(&maler);
    maler.end();
    if (!bild.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "ikonenbild: %s kann nicht geschrieben werden\n", argv[3]);
        return 1;
    }
    return 0;
}
