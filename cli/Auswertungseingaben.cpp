#include "Auswertungseingaben.h"

#include "Aufruf.h"
#include "Aufruffehler.h"
#include "Eingabedatei.h"
#include "OhneFuellung.h"
#include "Spieltagsdatei.h"

#include "core/grund/DateiFehler.h"
#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/schein/G1Spalten.h"
#include "core/spieltag/GewinnreiheErmitteln.h"

#include <cerrno>

namespace cli {
namespace {

const QString SpieltagOption = QStringLiteral("spieltag");
const QString GewinnreiheOption = QStringLiteral("gewinnreihe");
const QString ZsOption = QStringLiteral("zs");
const QString QuotenOption = QStringLiteral("quoten");

// The texts of the winning-row boxes as typed: at most two digits each, six boxes at most, then ZS.
core::Boxtexte boxen(const Aufruf& aufruf) {
    core::Boxtexte boxen;
    const QString zahlen = aufruf.wert(GewinnreiheOption);
    const QStringList felder = zahlen.isEmpty() ? QStringList() : zahlen.split(u',');
    if (felder.size() > 6)
        throw Aufruffehler(QStringLiteral("--gewinnreihe nimmt höchstens sechs Zahlen, angegeben sind %1.")
                               .arg(felder.size()));
    for (int i = 0; i < felder.size(); ++i) {
        if (!core::BoxNimmt(felder[i]))
            throw Aufruffehler(
                QStringLiteral("\"%1\" passt nicht in die Box %2: sie nimmt nur bis zu %3 Ziffern.")
                    .arg(felder[i])
                    .arg(i + 1)
                    .arg(core::BoxStellen));
        boxen[std::size_t(i + 1)] = felder[i];
    }
    const QString zs = aufruf.wert(ZsOption);
    if (!core::BoxNimmt(zs))
        throw Aufruffehler(
            QStringLiteral("\"%1\" passt nicht in die Box ZS: sie nimmt nur bis zu %2 Ziffern.")
                .arg(zs)
                .arg(core::BoxStellen));
    boxen[7] = zs;
    return boxen;
}

void quotenLaden(const QString& pfad, Eingaben& e) {
    const Eingabedatei datei(pfad);
    const core::Quotendatei quoten = *datei.lesen([](const QString& p) { return core::QuotenLaden(p); });
    e.quoten = quoten.inBoxen(e.quoten);
    if (!quoten.fehler().isEmpty())
        throw core::Fehler(quoten.fehler());
    e.quotenDatei = datei.dateiname();
}

} // namespace

QList<Option> EingabeOptionen() {
    return {
        {{SpieltagOption},
         QStringLiteral("DATEI"),
         QStringLiteral("Gewinnreihe aus dem Spieltag; die Quoten aus TT.MM.JJJJ.quo im\n"
                        "Ordner des Spieltags, wenn es sie gibt")},
        {{GewinnreiheOption},
         QStringLiteral("ZAHLEN"),
         QStringLiteral(
             "bis zu sechs Gewinnzahlen, durch Kommas getrennt, wie in die\nBoxen 1 bis 6 getippt")},
        {{ZsOption}, QStringLiteral("ZAHL"), QStringLiteral("das Zusatzspiel, wie in die Box ZS getippt")},
        {{QuotenOption}, QStringLiteral("DATEI"), QStringLiteral("die Quoten aus dieser Datei")},
    };
}

void EingabenPruefen(const Aufruf& aufruf) {
    const bool mitGewinnreihe = aufruf.gesetzt(GewinnreiheOption);
    if (aufruf.gesetzt(SpieltagOption) == mitGewinnreihe)
        throw Aufruffehler(
            QStringLiteral("\"%1\" nimmt die Gewinnreihe entweder aus --spieltag oder aus --gewinnreihe.")
                .arg(aufruf.befehl->name));
    if (aufruf.gesetzt(ZsOption) && !mitGewinnreihe)
        throw Aufruffehler(QStringLiteral("--zs gilt nur mit --gewinnreihe; mit --spieltag folgt das "
                                          "Zusatzspiel aus den Ergebnissen."));
    if (mitGewinnreihe)
        boxen(aufruf);
}

Eingaben EingabenLesen(const Aufruf& aufruf) {
    Eingaben e;
    const bool mitQuoten = aufruf.gesetzt(QuotenOption);
    if (aufruf.gesetzt(SpieltagOption)) {
        // As reading a matchday does: derive the winning row, then look for the odds of its date.
        const QString pfad = aufruf.wert(SpieltagOption);
        const core::TSpieltag spieltag = SpieltagLesen(pfad);
        const core::Gewinnreihenermittlung ermittelt = core::GewinnreiheErmitteln(spieltag.Ergebnis);
        e.gewinnreihe = ermittelt.Gewinnreihe;
        e.boxen = ermittelt.Boxen;
        const QString datum = core::DatumText(spieltag.Datum);
        e.gewinnreiheHerkunft = QStringLiteral("Spieltag vom %1").arg(datum);
        // The folder as given, byte for byte: the name is no path Qt could open in every case.
        const QString ordner = pfad.left(pfad.lastIndexOf(u'/') + 1);
        const QString dateiname = ordner + datum + QStringLiteral(".quo");
        if (!mitQuoten && !datum.isEmpty() && Eingabedatei::vorhanden(dateiname))
            quotenLaden(dateiname, e);
    } else {
        // As typing into the boxes: box 6 left, then box 7 if it was typed into.
        e.boxen = boxen(aufruf);
        core::BoxVerlassen(e.gewinnreihe, e.boxen, 6);
        if (aufruf.gesetzt(ZsOption))
            core::BoxVerlassen(e.gewinnreihe, e.boxen, 7);
        e.gewinnreiheHerkunft = QStringLiteral("eingegeben");
    }
    if (mitQuoten)
        quotenLaden(aufruf.wert(QuotenOption), e);
    return e;
}

core::Spielschein ScheinLesen(const QString& name) {
    const Eingabedatei datei(name);
    const core::Zeilentabelle vorlage(core::G1Spalten::Anzahl);
    std::optional<core::Spielschein> schein =
        datei.lesen([&](const QString& p) { return core::SpielscheinEinlesen(p, vorlage, OhneFuellung()); });
    if (!schein)
        throw core::Fehler(core::LesefehlerText(datei.anzeige(), ENOENT)); // vanished since it was opened
    schein->dateiname = datei.dateiname();
    return std::move(*schein);
}

} // namespace cli
