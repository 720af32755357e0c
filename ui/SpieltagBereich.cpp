#include "SpieltagBereich.h"

#include "ui/Bausteine.h"
#include "ui/Namen.h"
#include "ui/TFfrPaarung.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>

namespace ui {

SpieltagBereich::SpieltagBereich(QWidget* parent) : QWidget(parent) {
    resize(Breite, Hoehe);
    QFrame* kopf = Bausteine::panel(this, "PSpieltag", QRect(2, 2, 274, 94), "flaeche");
    cbSofortQ = Bausteine::haken(kopf, namen::cbSofortQ,
                                 QStringLiteral("Mit Spieltag Quoten einlesen, wenn vorhanden"),
                                 QRect(4, 3, 266, 18));
    cbSofortQ->setChecked(true);
    QLabel* warnung =
        Bausteine::text(kopf, QStringLiteral("Einträge werden überschrieben"), QRect(24, 20, 240, 16));
    warnung->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    warnung->setStyleSheet(QStringLiteral("color: #FF0000;"));

    QFrame* leiste = Bausteine::panel(kopf, "PSpieltagLeiste", QRect(2, 40, 270, 50), "leiste");
    BOpen = Bausteine::knopf(leiste, namen::BOpen, QStringLiteral("Spieltag einlesen..."),
                             QStringLiteral("ordner"), QRect(3, 4, 104, 42),
                             QStringLiteral("Eine Spieltag-Datei öffnen"));
    QLabel* tag = Bausteine::text(leiste, QStringLiteral("Spieltag"), QRect(128, 3, 80, 16));
    tag->setAlignment(Qt::AlignCenter);
    LTag = Bausteine::anzeige(leiste, namen::LTag, QRect(128, 21, 80, 21));
    LTag->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 12, true));
    ErgebnisseSpeichern = Bausteine::knopf(leiste, namen::ErgebnisseSpeichern, QString(),
                                           QStringLiteral("ergebnisse_speichern"), QRect(225, 4, 42, 42),
                                           QStringLiteral("Eingetragene Ergebnisse im Spieltag speichern"));

    PC1 = new QTabWidget(this);
    PC1->setObjectName(QString::fromLatin1(namen::PC1));
    PC1->setGeometry(2, 100, 274, 548);
    PC1->setDocumentMode(false);
    const QString seiten[3] = {QStringLiteral("1 - 15"), QStringLiteral("16 - 30"),
                               QStringLiteral("31 - 45")};
    for (int t = 1; t <= 3; ++t) {
        auto* seite = new QWidget;
        seite->setObjectName(QStringLiteral("TabSheet%1").arg(t));
        PC1->addTab(seite, seiten[t - 1]);
        for (int i = 1; i <= 15; ++i) {
            const int n = (t - 1) * 15 + i;
            auto* frame = new TFfrPaarung(n, seite);
            frame->move(0, (i - 1) * TFfrPaarung::Hoehe);
            Paarungen[n] = frame;
            PPaar[n] = frame->PPaar;
            PStart[n] = frame->PStart;
            PTendenz[n] = frame->PTendenz;
            eErg[n] = frame->eErg;
        }
    }
}

} // namespace ui
