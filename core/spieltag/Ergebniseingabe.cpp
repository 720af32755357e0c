#include "Ergebniseingabe.h"

#include "ErgebnisZerlegen.h"
#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"

namespace core {
namespace {

// Throws the conversion error, or one naming the pairing when the count does not fit a signed byte.
std::int8_t torzahl(const QString& teil, int nr) {
    const std::int32_t tore = StrToInt(teil);
    if (tore < 0 || tore > Ergebniseingabe::HoechsteTorzahl)
        throw Fehler(Ergebniseingabe::torzahlFehler(nr, tore));
    return static_cast<std::int8_t>(tore);
}

} // namespace

QString Ergebniseingabe::torzahlFehler(int nr, std::int32_t tore) {
    return QStringLiteral("Das Ergebnis der Paarung %1 ist ungültig: %2 Tore sind nicht möglich, "
                          "erlaubt sind 0 bis %3.")
        .arg(nr)
        .arg(tore)
        .arg(HoechsteTorzahl);
}

Ergebniseingabe::Ergebniseingabe(const ProPaarung<QString>& texte) {
    for (int i = 1; i <= AnzahlPaarungen; ++i) {
        geprueft_ = i;
        const ErgebnisTeile teile = ErgebnisZerlegen(texte[i]);
        gueltig_[i] = teile.Gueltig;
        try {
            ergebnis_[i] = {torzahl(teile.Heim, i), torzahl(teile.Gast, i)};
        } catch (const Fehler& f) {
            fehlertext_ = f.text();
            return;
        }
    }
}

TSpieltag Ergebniseingabe::angewendet(const TSpieltag& spieltag) const {
    if (!fehlerfrei())
        throw Fehler(fehlertext_);
    TSpieltag neu = spieltag;
    neu.Ergebnis = ergebnis_;
    return neu;
}

void Ergebniseingabe::speichern(TSpieltag& spieltag, const QString& pfad) const {
    const TSpieltag neu = angewendet(spieltag);
    neu.dateiSchreiben(pfad);
    spieltag = neu;
}

} // namespace core
