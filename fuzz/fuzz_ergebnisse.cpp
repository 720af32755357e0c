// Result texts: any 45 texts split into goals as typed, checked before anything is stored.
#include "Pruefen.h"

#include "core/spieltag/ErgebnisZerlegen.h"
#include "core/spieltag/Ergebniseingabe.h"
#include "core/text/TextDatei.h"

namespace {

bool blank(QChar c) {
    return c <= u' ';
}

// A side as typed: blanks and control characters, the part, blanks and control characters again;
// a side of nothing else is 10.
bool seite(QStringView getippt, const QString& teil) {
    if (std::all_of(getippt.begin(), getippt.end(), blank))
        return teil == QStringLiteral("10");
    const qsizetype stelle = getippt.indexOf(teil);
    if (teil.isEmpty() || blank(teil.front()) || blank(teil.back()) || stelle < 0)
        return false;
    const QStringView vorher = getippt.first(stelle), nachher = getippt.sliced(stelle + teil.size());
    return std::all_of(vorher.begin(), vorher.end(), blank) &&
           std::all_of(nachher.begin(), nachher.end(), blank);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QStringList zeilen = core::TextDatei::dekodieren(fuzz::bytes(daten, laenge)).split(u'\n');
    core::ProPaarung<QString> texte;
    for (int i = 1; i <= core::AnzahlPaarungen && i <= zeilen.size(); ++i) {
        texte[i] = zeilen[i - 1];
        const core::ErgebnisTeile teile = core::ErgebnisZerlegen(texte[i]);
        const qsizetype doppelpunkt = texte[i].indexOf(u':');
        PRUEFEN(teile.Gueltig == (doppelpunkt >= 0));
        if (doppelpunkt < 0) {
            PRUEFEN(teile.Heim == QStringLiteral("10") && teile.Gast == QStringLiteral("10"));
        } else {
            PRUEFEN(seite(QStringView(texte[i]).first(doppelpunkt), teile.Heim));
            PRUEFEN(seite(QStringView(texte[i]).sliced(doppelpunkt + 1), teile.Gast));
        }
    }
    const core::Ergebniseingabe eingabe(texte);
    PRUEFEN(eingabe.geprueft() >= 1 && eingabe.geprueft() <= core::AnzahlPaarungen);
    if (!eingabe.fehlerfrei()) {
        PRUEFEN(!eingabe.fehlertext().isEmpty());
        return 0;
    }
    PRUEFEN(eingabe.geprueft() == core::AnzahlPaarungen);
    for (int i = 1; i <= core::AnzahlPaarungen; ++i) {
        const core::TErgebnis& e = eingabe.ergebnisse()[i];
        PRUEFEN(e.ToreHeim >= 0 && e.ToreGast >= 0);
    }
    core::TSpieltag spieltag;
    PRUEFEN(eingabe.angewendet(spieltag).Ergebnis == eingabe.ergebnisse());
    return 0;
}
