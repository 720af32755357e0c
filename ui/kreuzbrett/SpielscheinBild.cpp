#include "SpielscheinBild.h"

#include "KreuzGeometrie.h"

#include <QPainter>
#include <QString>

#include <array>

namespace ui {

namespace {

using G = KreuzGeometrie;

constexpr std::array<const char*, 7> teilsystemZahlen{"9", "12", "10", "11", "22", "26", "12"};
constexpr std::array<const char*, 7> teilsystemReihen{"012", "22", "30", "66", "77", "130", "132"};

// Ground behind the field rows, a few pixels beyond the outermost click areas.
QRect grundflaeche(int ersterTag, int letzterTag, int obenMehr) {
    const QRect erstes = G::klickFlaeche(ersterTag);
    const QRect letztes = G::klickFlaeche(letzterTag);
    return QRect(QPoint(erstes.left() - 4, erstes.top() - 2 - obenMehr),
                 QPoint(letztes.right() + 4, letztes.bottom() + 2));
}

} // namespace

QPixmap SpielscheinBild::zeichnen() {
    QPixmap bild(G::bild);
    bild.fill(papierfarbe);
    QPainter maler(&bild);
    zeichnen(maler);
    return bild;
}

void SpielscheinBild::zeichnen(QPainter& maler) {
    maler.save();
    // Field boxes must land on whole pixels, exactly on the click areas.
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setRenderHint(QPainter::TextAntialiasing, true);
    const QRect ganz(QPoint(0, 0), G::bild);
    maler.fillRect(ganz, papierfarbe);
    maler.setPen(druckfarbe);
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(ganz.adjusted(0, 0, -1, -1));
    kopfleiste(maler);
    zahlenfelder(maler);
    vollsysteme(maler);
    teilsysteme(maler);
    lesemarken(maler);
    maler.restore();
}

void SpielscheinBild::kopfleiste(QPainter& maler) {
    const QRect leiste(0, 0, G::bild.width(), 16);
    maler.fillRect(leiste, druckfarbe);
    maler.setPen(papierfarbe);
    schrift(maler, 11, true);
    maler.drawText(leiste.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("AUSWAHLWETTE"));
    schrift(maler, 10, false);
    maler.drawText(leiste.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("6 aus 45"));
}

void SpielscheinBild::zahlenfelder(QPainter& maler) {
    maler.fillRect(grundflaeche(1, 45, 0), SpielscheinBild::feldgrund);
    for (int tag = 1; tag <= 45; ++tag)
        feld(maler, tag, QString::number(tag));
}

void SpielscheinBild::vollsysteme(QPainter& maler) {
    maler.setPen(druckfarbe);
    schrift(maler, 13, true);
    maler.drawText(QRect(50, 160, 170, 28), Qt::AlignCenter, QStringLiteral("Vollsysteme"));
    maler.fillRect(grundflaeche(101, 107, 0), SpielscheinBild::feldgrund);
    for (int eintrag = 1; eintrag <= 7; ++eintrag)
        feld(maler, 100 + eintrag, QStringLiteral("%1").arg(6 + eintrag, 3, 10, QLatin1Char('0')));
}

void SpielscheinBild::teilsysteme(QPainter& maler) {
    maler.fillRect(QRect(4, 232, G::bild.width() - 8, 1), druckfarbe);
    maler.setPen(druckfarbe);
    schrift(maler, 13, true);
    maler.drawText(QRect(50, 256, 170, 24), Qt::AlignCenter, QStringLiteral("Teilsysteme"));

    // The row counts stand in the tinted ground above their fields.
    maler.fillRect(grundflaeche(108, 114, 16), SpielscheinBild::feldgrund);
    const int reihenOben = G::teilsystemOben + G::klickOben - 16;
    maler.setPen(druckfarbe);
    schrift(maler, 8, false);
    maler.drawText(QRect(4, reihenOben, 36, 13), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Reihen"));
    schrift(maler, 9, true);
    for (int i = 0; i < 7; ++i) {
        const QRect flaeche = G::klickFlaeche(108 + i);
        maler.drawText(QRect(flaeche.left() - 3, reihenOben, flaeche.width() + 6, 13), Qt::AlignCenter,
                       QString::fromLatin1(teilsystemReihen[i]));
    }
    for (int i = 0; i < 7; ++i)
        feld(maler, 108 + i, QString::fromLatin1(teilsystemZahlen[i]));
}

// Reading marks in the margin, one beside each row of fields and a row along the foot.
void SpielscheinBild::lesemarken(QPainter& maler) {
    for (int oben : G::zahlOben)
        maler.fillRect(QRect(5, oben + 6, 6, 9), druckfarbe);
    maler.fillRect(QRect(5, G::vollsystemOben + 6, 6, 9), druckfarbe);
    maler.fillRect(QRect(5, G::teilsystemOben + 6, 6, 9), druckfarbe);
    maler.fillRect(QRect(4, 338, G::bild.width() - 8, 1), druckfarbe);
    for (int x = 12; x + 6 < G::bild.width() - 8; x += 15)
        maler.fillRect(QRect(x, 346, 7, 5), druckfarbe);
}

void SpielscheinBild::feld(QPainter& maler, int tag, const QString& aufdruck) {
    const QRect flaeche = G::klickFlaeche(tag);
    maler.fillRect(flaeche, druckfarbe);
    maler.fillRect(flaeche.adjusted(1, 1, -1, -1), papierfarbe);
    maler.setPen(druckfarbe);
    schrift(maler, 8, true);
    maler.drawText(flaeche.adjusted(2, 2, -2, -2), Qt::AlignCenter, aufdruck);
}

void SpielscheinBild::schrift(QPainter& maler, int pixel, bool fett) {
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    maler.setFont(schrift);
}

} // namespace ui
