#include "Auswertungseingaben.h"

#include "Aufruf.h"
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

void quotenLaden(const QString& pfad, Eingaben& e) {
    const Eingabedatei datei(pfad);
    const core::Quotendatei quoten = *datei.lesen([](const QString& p) { return core::QuotenLaden(p); });
    e.quoten = quoten.inBoxen(e.quoten);
    if (!quoten.fehler().isEmpty())
        throw core::Fehler(quoten.fehler());
    e.quotenDatei = datei.dateiname();
}

} // namespace

Eingaben EingabenLesen(const Aufruf& aufruf) {
    Eingaben e;
    if (aufruf.spieltag) {
        // As reading a matchday does: derive the winning row, then look for the odds of its date.
        const core::TSpieltag spieltag = SpieltagLesen(*aufruf.spieltag);
        const core::Gewinnreihenermittlung ermittelt = core::GewinnreiheErmitteln(spieltag.Ergebnis);
        e.gewinnreihe = ermittelt.Gewinnreihe;
        e.boxen = ermittelt.Boxen;
        const QString datum = core::DatumText(spieltag.Datum);
        e.gewinnreiheHerkunft = QStringLiteral("Spieltag vom %1").arg(datum);
        // The folder as given, byte for byte: the name is no path Qt could open in every case.
        const QString ordner = aufruf.spieltag->left(aufruf.spieltag->lastIndexOf(u'/') + 1);
        const QString dateiname = ordner + datum + QStringLiteral(".quo");
        if (!aufruf.quoten && !datum.isEmpty() && Eingabedatei::vorhanden(dateiname))
            quotenLaden(dateiname, e);
    } else {
        // As typing into the boxes: box 6 left, then box 7 if it was typed into.
        e.boxen = *aufruf.gewinnreihe;
        core::BoxVerlassen(e.gewinnreihe, e.boxen, 6);
        if (aufruf.mitZs)
            core::BoxVerlassen(e.gewinnreihe, e.boxen, 7);
        e.gewinnreiheHerkunft = QStringLiteral("eingegeben");
    }
    if (aufruf.quoten)
        quotenLaden(*aufruf.quoten, e);
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
