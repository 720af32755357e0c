#include "TFfrAnzeigeGew.h"

#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Namen.h"

#include <QLabel>
#include <QLineEdit>

namespace ui {

TFfrAnzeigeGew::TFfrAnzeigeGew(int nummer, QWidget* parent) : QFrame(parent) {
    setObjectName(QString::fromLatin1(namen::frAnzeige) + QString::number(nummer));
    resize(Breite, Hoehe);
    PNr = new QLabel(nummer <= 6 ? QString::number(nummer) : QStringLiteral("ZS"), this);
    PNr->setObjectName(QString::fromLatin1(namen::PNr));
    PNr->setGeometry(1, 0, 22, 16);
    PNr->setAlignment(Qt::AlignCenter);
    PNr->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11));
    PNr->setStyleSheet(QStringLiteral("background: %1; color: #FFFFFF;")
                           .arg(nummer <= 6 ? QStringLiteral("#7F7F7F") : QStringLiteral("#015C7E")));
    ETZ = new QLineEdit(this);
    ETZ->setObjectName(QString::fromLatin1(namen::ETZ));
    ETZ->setGeometry(1, 16, 22, 18);
    ETZ->setAlignment(Qt::AlignCenter);
    ETZ->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 12, true));
    ETZ->setProperty("Tag", nummer);
    ETZ->setAccessibleName(nummer <= 6 ? QStringLiteral("Gewinnzahl %1").arg(nummer) : QStringLiteral("ZS"));
}

} // namespace ui
