#include "support/TestMain.h"
#include "ui/kreuzbrett/KreuzGeometrie.h"
#include "ui/kreuzbrett/SpielscheinBild.h"

#include <QImage>
#include <QPainter>

using ui::KreuzGeometrie;
using ui::SpielscheinBild;

namespace {

// The places of the crosses, written out once more from the slip's layout: numbers by column and
// row, the systems by their place in the row.
QPoint erwarteterOrt(int tag) {
    const int zeilenOben[] = {21, 50, 79, 107, 135};
    if (tag <= 45)
        return {26 * ((tag - 1) % 9 + 1), zeilenOben[(tag - 1) / 9]};
    const int eintrag = tag - 100;
    return eintrag <= 7 ? QPoint(26 + 26 * eintrag, 192) : QPoint(26 + 26 * (eintrag - 7), 304);
}

QList<int> alleTags() {
    QList<int> tags;
    for (int tag = 1; tag <= 45; ++tag)
        tags << tag;
    for (int tag = 101; tag <= 114; ++tag)
        tags << tag;
    return tags;
}

// The pixels one ring inside (abstand > 0) or outside (abstand < 0) the border of a box.
QList<QPoint> ring(const QRect& box, int abstand) {
    const QRect r = box.adjusted(abstand, abstand, -abstand, -abstand);
    QList<QPoint> punkte;
    for (int x = r.left(); x <= r.right(); ++x)
        punkte << QPoint(x, r.top()) << QPoint(x, r.bottom());
    for (int y = r.top() + 1; y < r.bottom(); ++y)
        punkte << QPoint(r.left(), y) << QPoint(r.right(), y);
    return punkte;
}

QString farbe(const QImage& bild, QPoint p) {
    return QColor(bild.pixel(p)).name();
}

} // namespace

class TstSpielscheinBild : public QObject {
    Q_OBJECT
    QImage bild;

private slots:
    void initTestCase() {
        bild = SpielscheinBild::zeichnen().toImage();
        QCOMPARE(bild.size(), QSize(255, 362));
    }

    void klickFlaeche_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QRect>("flaeche");
        QTest::newRow("1") << 1 << QRect(QPoint(21, 20), QPoint(40, 42));
        QTest::newRow("9") << 9 << QRect(QPoint(229, 20), QPoint(248, 42));
        QTest::newRow("10") << 10 << QRect(QPoint(21, 49), QPoint(40, 71));
        QTest::newRow("23") << 23 << QRect(QPoint(125, 78), QPoint(144, 100));
        QTest::newRow("37") << 37 << QRect(QPoint(21, 134), QPoint(40, 156));
        QTest::newRow("45") << 45 << QRect(QPoint(229, 134), QPoint(248, 156));
        QTest::newRow("101") << 101 << QRect(QPoint(47, 191), QPoint(66, 213));
        QTest::newRow("107") << 107 << QRect(QPoint(203, 191), QPoint(222, 213));
        QTest::newRow("108") << 108 << QRect(QPoint(47, 303), QPoint(66, 325));
        QTest::newRow("114") << 114 << QRect(QPoint(203, 303), QPoint(222, 325));
        QTest::newRow("0") << 0 << QRect();
        QTest::newRow("46") << 46 << QRect();
        QTest::newRow("100") << 100 << QRect();
        QTest::newRow("115") << 115 << QRect();
    }
    void klickFlaeche() {
        QFETCH(int, tag);
        QFETCH(QRect, flaeche);
        QCOMPARE(KreuzGeometrie::klickFlaeche(tag), flaeche);
    }

    void kreuzOrtFolgtDemSchein() {
        for (int tag : alleTags()) {
            QCOMPARE(KreuzGeometrie::kreuzOrt(tag), erwarteterOrt(tag));
            // The "X" (about 10 by 18 pixels) lies within its field's border.
            const QRect kreuz(erwarteterOrt(tag), QSize(10, 18));
            QVERIFY2(KreuzGeometrie::klickFlaeche(tag).adjusted(1, 1, -1, -1).contains(kreuz),
                     qPrintable(QString::number(tag)));
        }
    }

    void feldRahmenLiegtAufDerKlickflaeche() {
        const QString druck = SpielscheinBild::druckfarbe.name();
        const QString papier = SpielscheinBild::papierfarbe.name();
        const QString grund = SpielscheinBild::feldgrund.name();
        for (int tag : alleTags()) {
            const QPoint ort = erwarteterOrt(tag);
            const QRect box(QPoint(ort.x() - 5, ort.y() - 1), QPoint(ort.x() + 14, ort.y() + 21));
            const QByteArray wo = QByteArray::number(tag);
            for (QPoint p : ring(box, 0))
                QVERIFY2(farbe(bild, p) == druck, (wo + " Rahmen").constData());
            for (QPoint p : ring(box, 1))
                QVERIFY2(farbe(bild, p) == papier, (wo + " innen").constData());
            for (QPoint p : ring(box, -1))
                QVERIFY2(farbe(bild, p) == grund, (wo + " aussen").constData());
            // The field's number is printed inside it.
            bool aufdruck = false;
            for (int y = box.top() + 2; y < box.bottom() - 1; ++y)
                for (int x = box.left() + 2; x < box.right() - 1; ++x)
                    aufdruck = aufdruck || farbe(bild, QPoint(x, y)) != papier;
            QVERIFY2(aufdruck, (wo + " Aufdruck").constData());
        }
    }

    void flaechenDerKnoepfeBleibenFrei_data() {
        QTest::addColumn<QRect>("flaeche");
        QTest::newRow("Zufall") << QRect(20, 159, 28, 28);
        QTest::newRow("Loeschen") << QRect(222, 159, 28, 28);
        QTest::newRow("Zaehler") << QRect(14, 247, 32, 20);
    }
    void flaechenDerKnoepfeBleibenFrei() {
        QFETCH(QRect, flaeche);
        for (int y = flaeche.top(); y <= flaeche.bottom(); ++y)
            for (int x = flaeche.left(); x <= flaeche.right(); ++x)
                QVERIFY2(farbe(bild, QPoint(x, y)) == SpielscheinBild::papierfarbe.name(),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void knopfFlaechenImKopf() {
        QCOMPARE(KreuzGeometrie::zufallKnopf, QRect(20, 159, 28, 28));
        QCOMPARE(KreuzGeometrie::loeschKnopf, QRect(222, 159, 28, 28));
        QCOMPARE(KreuzGeometrie::zaehler, QRect(14, 247, 32, 20));
    }

    void zeichnetAufEinenFremdenMaler() {
        // Painting into a larger picture leaves everything right of and below the slip alone.
        QImage gross(300, 400, QImage::Format_RGB32);
        gross.fill(Qt::black);
        QPainter maler(&gross);
        SpielscheinBild::zeichnen(maler);
        maler.end();
        QCOMPARE(gross.copy(0, 0, 255, 362), bild.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(QColor(gross.pixel(255, 100)), QColor(Qt::black));
        QCOMPARE(QColor(gross.pixel(100, 362)), QColor(Qt::black));
    }
};

REMISATOR_TEST_MAIN(TstSpielscheinBild)
#include "tst_spielscheinbild.moc"
