#include "support/TestMain.h"
#include "ui/bausteine/Ikonen.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

using ui::Ikonen;

namespace {

// Relative luminance as used for contrast ratios of screen text.
double leuchtdichte(QColor farbe) {
    auto kanal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * kanal(farbe.redF()) + 0.7152 * kanal(farbe.greenF()) + 0.0722 * kanal(farbe.blueF());
}

double kontrast(QColor a, QColor b) {
    const double la = leuchtdichte(a), lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage gerendert(const QString& pfad, QSize groesse) {
    QImage bild(groesse, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QSvgRenderer zeichner(pfad);
    QPainter maler(&bild);
    zeichner.render(&maler);
    return bild;
}

} // namespace

class TstIkonen : public QObject {
    Q_OBJECT
private slots:
    void symbole_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"tuer",          "wolke",           "schein_neu", "update",   "kaffee",
              "position",      "video",           "info",       "ordner",   "ergebnisse_speichern",
              "quick_oeffnen", "quick_speichern", "papierkorb", "klee",     "abwickeln",
              "sortiert",      "eingabefolge",    "speichern",  "kopieren", "sort_nummer",
              "sort_rang",     "pruefen",         "kamera",     "weiter",   "export",
              "uebertragen",   "bild_speichern",  "copy",       "auslesen", "textfeld_loeschen",
              "globus",        "download",        "installer"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void symbole() {
        QFETCH(QString, name);
        const QString pfad = Ikonen::symbolPfad(name);
        QSvgRenderer zeichner(pfad);
        QVERIFY(zeichner.isValid());
        QCOMPARE(zeichner.viewBoxF(), QRectF(0, 0, 32, 32));

        // Small enough for a tool button, and drawn with the common dark outline.
        const QPixmap klein = Ikonen::symbol(name).pixmap(QSize(16, 16));
        QCOMPARE(klein.size(), QSize(16, 16));
        const QImage bild = gerendert(pfad, QSize(128, 128));
        int deckend = 0;
        bool umriss = false;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                deckend += c.alpha() == 255;
                umriss = umriss || (c.alpha() == 255 && c.rgb() == QColor(0x2B, 0x3A, 0x4A).rgb());
            }
        QVERIFY2(deckend > 128 * 128 / 8, qPrintable(QString::number(deckend)));
        QVERIFY(umriss);
        // Nothing reaches past the edge: the outermost pixel ring stays (almost) clear.
        int amRand = 0;
        for (int i = 0; i < 128; ++i)
            for (QPoint p : {QPoint(i, 0), QPoint(i, 127), QPoint(0, i), QPoint(127, i)})
                amRand += bild.pixelColor(p).alpha() > 128;
        QVERIFY2(amRand <= 8, qPrintable(QString::number(amRand)));
    }

    void bilder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("start") << "start" << QSize(400, 300);
        QTest::newRow("info") << "info" << QSize(400, 300);
    }
    void bilder() {
        QFETCH(QString, name);
        QFETCH(QSize, groesse);
        QSvgRenderer zeichner(Ikonen::bildPfad(name));
        QVERIFY(zeichner.isValid());
        QCOMPARE(zeichner.defaultSize(), groesse);
        // A picture covers its whole window: no pixel is left see-through.
        const QImage bild = Ikonen::bild(name, groesse).toImage();
        QCOMPARE(bild.size(), groesse);
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                QVERIFY2(bild.pixelColor(x, y).alpha() == 255,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void kontaktTextBleibtLesbar() {
        // The about window writes its contact lines in pale ivory into this part of its picture.
        const QColor elfenbein(250, 251, 235);
        const QImage bild = Ikonen::bild(QStringLiteral("info"), QSize(400, 300)).toImage();
        double schlechtester = 100;
        for (int y = 196; y < 300; ++y)
            for (int x = 44; x <= 201; ++x)
                schlechtester = std::min(schlechtester, kontrast(elfenbein, bild.pixelColor(x, y)));
        QVERIFY2(schlechtester >= 4.5, qPrintable(QString::number(schlechtester)));
    }

    void startBildIstUntenRuhig() {
        // Two buttons sit on the lowest 60 pixels; the picture shows no sharp edges there.
        const QImage bild = Ikonen::bild(QStringLiteral("start"), QSize(400, 300)).toImage();
        int staerkste = 0;
        for (int y = 240; y < 300; ++y)
            for (int x = 0; x < 400; ++x) {
                const QColor c = bild.pixelColor(x, y);
                for (QPoint n : {QPoint(x + 1, y), QPoint(x, y + 1)}) {
                    if (n.x() >= 400 || n.y() >= 300)
                        continue;
                    const QColor d = bild.pixelColor(n);
                    staerkste = std::max({staerkste, std::abs(c.red() - d.red()),
                                          std::abs(c.green() - d.green()), std::abs(c.blue() - d.blue())});
                }
            }
        QVERIFY2(staerkste <= 12, qPrintable(QString::number(staerkste)));
    }
};

REMISATOR_TEST_MAIN(TstIkonen)
#include "tst_ikonen.moc"
