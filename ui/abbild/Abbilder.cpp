#include "Abbilder.h"

#include "core/grund/Konstanten.h"
#include "ui/abbild/TFAbbild.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Namen.h"

#include <QPainter>
#include <QWidget>

namespace ui {

QString Abbilder::titel(const QString& dateiLabel) {
    return dateiLabel.size() > 4 ? dateiLabel.chopped(4) : QString();
}

QRect Abbilder::fussFeld(QSize bild, int fussAbstand) {
    return QRect(bild.width() - FussAbstandRechts, bild.height() - fussAbstand, FussBreite, FussHoehe);
}

QImage Abbilder::aufnehmen(QWidget* panel, int zeilenWeg, int fussAbstand) {
    const QSize groesse(panel->width(), panel->height() - zeilenWeg);
    if (groesse.isEmpty())
        return {};
    // The window paints the panel's area itself, background included: the picture is the same on
    // every display server and offscreen, whatever covers the window on the screen.
    QImage bild(groesse, QImage::Format_RGB32);
    QWidget* fenster = panel->window();
    const QPoint ecke = panel->mapTo(fenster, QPoint());
    fenster->render(&bild, QPoint(), QRegion(QRect(ecke, groesse)));

    QPainter maler(&bild);
    const QRect feld = fussFeld(groesse, fussAbstand);
    maler.fillRect(feld, QColor(0, 64, 128));
    maler.setPen(QColor(250, 251, 235));
    maler.setFont(Bausteine::schrift(QStringLiteral("Arial"), 9, true));
    maler.drawText(feld, Qt::AlignCenter, core::ProgrammName);
    return bild;
}

TFAbbild* Abbilder::BildschirmAbbild(QWidget* panel, const QString& titel, int zeilenWeg, int fussAbstand,
                                     QWidget* eltern) {
    const QImage bild = aufnehmen(panel, zeilenWeg, fussAbstand);
    auto* fenster = new TFAbbild(umgebung_, ordner_, speicherOrdner_, eltern);
    fenster->setObjectName(QString::fromLatin1(namen::FAbbild) + QString::number(++anzahl_));
    fenster->setWindowTitle(titel);
    fenster->setBild(bild, QSize(panel->width(), qMax(0, panel->height() - zeilenWeg)));
    fenster->show();
    return fenster;
}

} // namespace ui
