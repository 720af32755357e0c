#include "KreuzBrett.h"

#include "ui/Bausteine.h"
#include "ui/KreuzGeometrie.h"
#include "ui/Namen.h"
#include "ui/SpielscheinBild.h"
#include "ui/TKreuz.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace ui {

KreuzBrett::KreuzBrett(QWidget* parent) : QFrame(parent) {
    setObjectName(QString::fromLatin1(namen::PKreuz));
    resize(Breite, Hoehe);
    setCursor(Qt::PointingHandCursor);

    for (int n = 1; n <= 45; ++n) {
        auto* kreuz = new TKreuz(n, this);
        kreuz->move(KreuzGeometrie::kreuzOrt(n));
        Zahlkreuze[n] = kreuz;
        Trefferflaechen[n - 1] = KreuzGeometrie::klickFlaeche(n);
    }
    for (int e = 1; e <= 14; ++e) {
        auto* kreuz = new TKreuz(100 + e, this);
        kreuz->move(KreuzGeometrie::kreuzOrt(100 + e));
        Systemkreuze[e] = kreuz;
        Trefferflaechen[44 + e] = KreuzGeometrie::klickFlaeche(100 + e);
    }

    PZ = new QLabel(QStringLiteral("19"), this);
    PZ->setObjectName(QString::fromLatin1(namen::PZ));
    PZ->setGeometry(14, 247, 32, 20);
    PZ->setAlignment(Qt::AlignCenter);
    PZ->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 15, true));
    PZ->setStyleSheet(QStringLiteral("color: #FFFFFF; border: 1px solid #7A7A7A;"
                                     " border-right-color: #FFFFFF; border-bottom-color: #FFFFFF;"));

    Zufall = Bausteine::knopf(this, namen::Zufall, QString(), QStringLiteral("klee"), QRect(20, 159, 28, 28),
                              QStringLiteral("Zufallstipp"));
    BKreuzeDel = Bausteine::knopf(this, namen::BKreuzeDel, QString(), QStringLiteral("papierkorb"),
                                  QRect(222, 159, 28, 28), QStringLiteral("Alle Kreuze entfernen"));
    Zufall->setIconSize(QSize(22, 22));
    BKreuzeDel->setIconSize(QSize(22, 22));
}

void KreuzBrett::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    SpielscheinBild::zeichnen(maler);
}

void KreuzBrett::mousePressEvent(QMouseEvent* ereignis) {
    emit gedrueckt(ereignis->position().toPoint(), ereignis->button());
}

} // namespace ui
