// The matchday record file: the last whole record, written back byte for byte, its texts and the
// winning row derived from its results.
#include "Pruefen.h"

#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/spieltag/Ergebniseingabe.h"
#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/spieltag/Paarungstexte.h"
#include "core/spieltag/TSpieltag.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    QByteArray bytes = fuzz::bytes(daten, laenge);
    QBuffer geraet(&bytes);
    geraet.open(QIODevice::ReadOnly);
    core::TSpieltag s;
    try {
        s = core::TSpieltag::lesen(geraet, QStringLiteral("f.sp45"));
    } catch (const core::Fehler&) {
        PRUEFEN(bytes.size() < core::TSpieltag::Groesse);
        return 0;
    }
    const qsizetype letzter = (bytes.size() / core::TSpieltag::Groesse - 1) * core::TSpieltag::Groesse;
    PRUEFEN(s.bytes() == bytes.mid(letzter, core::TSpieltag::Groesse));

    core::ProPaarung<QString> ergebnisse;
    for (int i = 1; i <= core::AnzahlPaarungen; ++i) {
        const core::Paarungstexte p = core::Paarungstexte::von(s, i);
        PRUEFEN(p.PPaar.size() <= 30 + 3 + 30 && p.PTendenz.size() <= 10);
        PRUEFEN(p.PStart.isEmpty() || p.PStart.size() == 10);
        ergebnisse[i] = p.eErg;
    }
    PRUEFEN(core::DatumText(s.Datum).isEmpty() || core::DatumText(s.Datum).size() == 10);

    const core::Gewinnreihenermittlung g = core::GewinnreiheErmitteln(s.Ergebnis);
    PRUEFEN(g.L.size() <= core::Gewinnreihenermittlung::Plaetze);
    for (const int nr : g.L)
        PRUEFEN(nr >= 1 && nr <= core::AnzahlPaarungen);

    // The shown results typed in again store what was read, as far as they can be typed.
    const core::Ergebniseingabe eingabe(ergebnisse);
    if (eingabe.fehlerfrei())
        for (int i = 1; i <= core::AnzahlPaarungen; ++i)
            if (!ergebnisse[i].isEmpty())
                PRUEFEN(eingabe.ergebnisse()[i] == s.Ergebnis[i]);
    return 0;
}
