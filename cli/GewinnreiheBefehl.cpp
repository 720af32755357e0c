#include "GewinnreiheBefehl.h"

#include "Aufruf.h"
#include "Json.h"
#include "Spieltagsdatei.h"
#include "Textspalten.h"

#include "core/grund/Datumswert.h"
#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/spieltag/Paarungstexte.h"

#include <QJsonArray>

namespace cli {
namespace {

QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe&) {
    const core::TSpieltag spieltag = SpieltagLesen(aufruf.argumente[0]);
    const core::Gewinnreihenermittlung e = core::GewinnreiheErmitteln(spieltag.Ergebnis);
    const QString datum = core::DatumText(spieltag.Datum);
    if (aufruf.json) {
        QJsonObject o = GewinnreiheJson(e.Gewinnreihe);
        o.insert(QStringLiteral("datum"), datum);
        return JsonText(o);
    }
    QString text = QStringLiteral("Spieltag vom %1\nGewinnreihe: %2\n").arg(datum, GewinnreiheText(e.Boxen));
    if (!e.L.isEmpty()) {
        Textspalten tabelle({Textspalten::Ausrichtung::Links, Textspalten::Ausrichtung::Rechts,
                             Textspalten::Ausrichtung::Links, Textspalten::Ausrichtung::Links});
        tabelle.zeile({QStringLiteral("Box"), QStringLiteral("Nr."), QStringLiteral("Paarung"),
                       QStringLiteral("Ergebnis")});
        for (int k = 1; k <= e.L.size(); ++k) {
            const core::Paarungstexte p = core::Paarungstexte::von(spieltag, e.L[k - 1]);
            tabelle.zeile({k <= 6 ? QString::number(k) : QStringLiteral("ZS"), QString::number(e.L[k - 1]),
                           p.PPaar, p.Ergebnis ? p.eErg : QStringLiteral("ohne Ergebnis")});
        }
        text += u'\n' + tabelle.text();
    }
    return text.toUtf8();
}

} // namespace

Befehl GewinnreiheBefehl() {
    return {
        .name = QStringLiteral("gewinnreihe"),
        .argumente = {QStringLiteral("die Spieltag-Datei"), QStringLiteral("eine Datei")},
        .verwendung = QStringLiteral("gewinnreihe DATEI.sp45"),
        .beschreibung = QStringLiteral("die Gewinnreihe, die aus den Ergebnissen des Spieltags folgt"),
        .ausfuehren = ausfuehren,
    };
}

QString GewinnreiheText(const core::Boxtexte& boxen) {
    QStringList teile;
    for (int i = 1; i <= 6; ++i)
        if (!boxen[std::size_t(i)].isEmpty())
            teile.append(boxen[std::size_t(i)]);
    QString text = teile.join(u' ');
    if (!boxen[7].isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("  ")) + QStringLiteral("ZS ") + boxen[7];
    return text.isEmpty() ? QStringLiteral("leer") : text;
}

QJsonObject GewinnreiheJson(const core::TGewinnreihe& reihe) {
    QJsonArray zahlen;
    for (const std::uint8_t z : reihe.Zahlen)
        if (z != 0)
            zahlen.append(int(z));
    return {{QStringLiteral("zahlen"), zahlen},
            {QStringLiteral("zs"), reihe.ZS != 0 ? QJsonValue(reihe.ZS) : QJsonValue(QJsonValue::Null)}};
}

} // namespace cli
