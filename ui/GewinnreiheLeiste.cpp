#include "GewinnreiheLeiste.h"

#include "ui/Bausteine.h"
#include "ui/Namen.h"
#include "ui/TFfrAnzeigeGew.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace ui {

GewinnreiheLeiste::GewinnreiheLeiste(QWidget* parent) : QWidget(parent) {
    resize(Breite, Hoehe);
    QFrame* flaeche = Bausteine::panel(this, "PGewinnreihe", QRect(0, 0, Breite, Hoehe), "flaeche");
    QLabel* titel = Bausteine::text(flaeche, QStringLiteral("Gewinn- reihe:"), QRect(4, 4, 52, 34));
    titel->setWordWrap(true);
    titel->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));

    PAnzeige = Bausteine::panel(flaeche, namen::PAnzeige, QRect(58, 3, 184, 37), "rahmenlos");
    for (int i = 1; i <= 7; ++i) {
        auto* rahmen = new TFfrAnzeigeGew(i, PAnzeige);
        rahmen->move(i <= 6 ? (i - 1) * TFfrAnzeigeGew::Breite + 1 : 152, 1);
        Rahmen[i] = rahmen;
        Boxen[i] = rahmen->ETZ;
    }
    BSortier2 = Bausteine::knopf(flaeche, namen::BSortier2, QString(), QStringLiteral("eingabefolge"),
                                 QRect(246, 5, 32, 32),
                                 QStringLiteral("Gewinnzahlen sortiert oder in Eingabefolge zeigen"));
    Loeschen = Bausteine::knopf(flaeche, namen::GewinnreiheLoeschen, QStringLiteral("Gewinnreihe löschen"),
                                QStringLiteral("papierkorb"), QRect(282, 3, 118, 36));
    cbSofort = Bausteine::haken(flaeche, namen::cbSofort,
                                QStringLiteral("Bei manueller Eingabe der Gewinnreihe sofort auswerten"),
                                QRect(6, 43, 394, 18));
    cbSofort->setChecked(true);
}

} // namespace ui
