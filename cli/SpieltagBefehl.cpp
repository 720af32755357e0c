#include "SpieltagBefehl.h"

#include "Aufruf.h"
#include "Json.h"
#include "Spieltagsdatei.h"
#include "Textspalten.h"

#include "core/grund/Datumswert.h"
#include "core/spieltag/Paarungstexte.h"

#include <QJsonArray>

namespace cli {
namespace {

QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe&) {
    const core::TSpieltag spieltag = SpieltagLesen(aufruf.argumente[0]);
    const QString datum = core::DatumText(spieltag.Datum);
    if (aufruf.json) {
        QJsonArray paarungen;
        for (int i = 1; i <= core::AnzahlPaarungen; ++i) {
            const core::Paarungstexte p = core::Paarungstexte::von(spieltag, i);
            paarungen.append(QJsonObject{{QStringLiteral("nr"), i},
                                         {QStringLiteral("anstoss"), p.PStart},
                                         {QStringLiteral("heim"), spieltag.Paarung[i].Heim.text()},
                                         {QStringLiteral("gast"), spieltag.Paarung[i].Gast.text()},
                                         {QStringLiteral("tendenz"), p.PTendenz},
                                         {QStringLiteral("ergebnis"), p.eErg}});
        }
        return JsonText({{QStringLiteral("datum"), datum}, {QStringLiteral("paarungen"), paarungen}});
    }
    using A = Textspalten::Ausrichtung;
    Textspalten tabelle({A::Rechts, A::Links, A::Links, A::Links, A::Links});
    tabelle.zeile({QStringLiteral("Nr."), QStringLiteral("Anstoß"), QStringLiteral("Paarung"),
                   QStringLiteral("Tendenz"), QStringLiteral("Ergebnis")});
    for (int i = 1; i <= core::AnzahlPaarungen; ++i) {
        const core::Paarungstexte p = core::Paarungstexte::von(spieltag, i);
        tabelle.zeile({QString::number(i), p.PStart, p.PPaar, p.PTendenz, p.eErg});
    }
    return (QStringLiteral("Spieltag vom %1\n\n").arg(datum) + tabelle.text()).toUtf8();
}

} // namespace

Befehl SpieltagBefehl() {
    return {
        .name = QStringLiteral("spieltag"),
        .argumente = {QStringLiteral("die Spieltag-Datei"), QStringLiteral("eine Datei")},
        .verwendung = QStringLiteral("spieltag DATEI.sp45"),
        .beschreibung = QStringLiteral("die 45 Paarungen des Spieltags mit Anstoß, Tendenz und Ergebnis"),
        .ausfuehren = ausfuehren,
    };
}

} // namespace cli
