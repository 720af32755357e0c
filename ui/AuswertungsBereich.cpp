#include "AuswertungsBereich.h"

#include "ui/Bausteine.h"
#include "ui/GewinnreiheLeiste.h"
#include "ui/GitterEinrichtung.h"
#include "ui/Namen.h"
#include "ui/QuotenPanel.h"
#include "ui/ZeilenGitter.h"
#include "ui/ZeilenModell.h"
#include "ui/Zellenmaler.h"

#include <QLabel>
#include <QScrollBar>

namespace ui {

AuswertungsBereich::AuswertungsBereich(QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromLatin1(namen::PFoto));
    setAttribute(Qt::WA_StyledBackground);
    resize(Breite, Hoehe);

    Gewinnreihe = new GewinnreiheLeiste(this);
    Gewinnreihe->move(0, 0);

    QFrame* scheinleiste = Bausteine::panel(this, "PSpielschein", QRect(0, 66, Breite, 44), "leiste");
    SpielscheinEinlesen =
        Bausteine::knopf(scheinleiste, namen::SpielscheinEinlesen, QStringLiteral("Spielschein einlesen..."),
                         QStringLiteral("ordner"), QRect(2, 2, 100, 40));
    BSave = Bausteine::knopf(scheinleiste, namen::BSave, QStringLiteral("Als Spielschein speichern..."),
                             QStringLiteral("speichern"), QRect(104, 2, 110, 40));
    BCopy = Bausteine::knopf(scheinleiste, namen::BCopy, QStringLiteral("Tipps kopieren"),
                             QStringLiteral("kopieren"), QRect(216, 2, 92, 40),
                             QStringLiteral("Tippreihen in die Zwischenablage kopieren."));
    BGridDel = Bausteine::knopf(scheinleiste, namen::BGridDel, QStringLiteral("Reihen löschen"),
                                QStringLiteral("papierkorb"), QRect(310, 2, 92, 40));

    QFrame* gitterleiste = Bausteine::panel(this, "PGitterKopf", QRect(0, 112, 230, 26), "flaeche");
    Bausteine::text(gitterleiste, QStringLiteral("Datei:"), QRect(4, 5, 32, 16));
    LDatei = Bausteine::text(gitterleiste, QString(), QRect(36, 5, 76, 16), namen::LDatei);
    LDatei->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    SortNachNummer =
        Bausteine::knopf(gitterleiste, namen::SortNachNummer, QString(), QStringLiteral("sort_nummer"),
                         QRect(114, 2, 22, 22), QStringLiteral("Nach Reihennummer sortieren"));
    BSortier = Bausteine::knopf(gitterleiste, namen::BSortier, QString(), QStringLiteral("sort_rang"),
                                QRect(138, 2, 22, 22), QStringLiteral("Nach Gewinnklasse sortieren"));
    SortNachNummer->setIconSize(QSize(16, 16));
    BSortier->setIconSize(QSize(16, 16));
    Bausteine::text(gitterleiste, QStringLiteral("Reihen:"), QRect(164, 5, 40, 16));
    LReihen = Bausteine::text(gitterleiste, QStringLiteral("0"), QRect(200, 5, 27, 16), namen::LReihen);
    LReihen->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LReihen->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));

    scrv1 = new QScrollBar(Qt::Vertical, this);
    scrv1->setObjectName(QString::fromLatin1(namen::scrv1));
    scrv1->setGeometry(0, 140, 16, 305);

    G1Modell = new ZeilenModell(9, G1Zeilen, this);
    G1 = new ZeilenGitter(G1Modell, this);
    G1->setObjectName(QString::fromLatin1(namen::G1));
    G1->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11));
    G1->setItemDelegate(new WeisseZellen(G1));
    G1->setGeometry(18, 140, 209, 305);
    G1Einrichten(*G1);
    G1->scrollbarKoppeln(scrv1);

    P116 = new QuotenPanel(this);
    P116->move(Breite - QuotenPanel::Breite, 112);

    QFrame* ergebnis = Bausteine::panel(this, "PErgebnis", QRect(0, 448, Breite, 202), "flaeche");
    Bausteine::text(ergebnis, QStringLiteral("Gewinn:"), QRect(6, 6, 60, 16))
        ->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    G2Modell = new ZeilenModell(3, 7, this);
    G2 = new ZeilenGitter(G2Modell, ergebnis);
    G2->setObjectName(QString::fromLatin1(namen::G2));
    G2->setItemDelegate(new WeisseZellen(G2));
    G2->setGeometry(6, 24, 194, 116);
    G2Einrichten(*G2);

    BAuswerten = Bausteine::knopf(ergebnis, namen::BAuswerten, QStringLiteral("Gewinn- Prüfung"),
                                  QStringLiteral("pruefen"), QRect(212, 24, 184, 44),
                                  QStringLiteral("Alle Tippreihen mit der Gewinnreihe vergleichen"));
    Bausteine::text(ergebnis, QStringLiteral("Gesamtgewinn"), QRect(212, 76, 184, 16))
        ->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    LGesGewinn = Bausteine::anzeige(ergebnis, namen::LGesGewinn, QRect(212, 94, 184, 26));
    LGesGewinn->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LGesGewinn->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 15, true));
    Abbild = Bausteine::knopf(ergebnis, namen::Abbild, QStringLiteral("Abbild der Auswertung"),
                              QStringLiteral("kamera"), QRect(212, 150, 184, 44),
                              QStringLiteral("Ein Bild der Auswertung als JPEG speichern"));
}

} // namespace ui
