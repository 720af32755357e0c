#include "Editortabelle.h"

#include "Kommatext.h"
#include "TextDatei.h"
#include "core/grund/Konstanten.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Zeilentabelle.h"

#include <algorithm>

namespace core {
namespace {

constexpr int Zahlen = 6;
constexpr int KuerzesteErsteZeile = 7;

} // namespace

void EditorTabelleBeschriften(Zeilentabelle& t, const Textmass& mass) {
    for (int c = 1; c <= Zahlen; ++c)
        t.setText(0, c, ZahlRechtsbuendig(c, 26, mass));
    t.setText(0, 0, TextRechtsbuendig(u"Reihe", 40, mass));
    if (t.zeilen() > 1)
        ZeilennummernSchreiben(t, 1, t.zeilen() - 1, 40, mass);
}

QStringView ZeileTrimmen(QStringView zeile) {
    qsizetype von = 0;
    qsizetype bis = zeile.size();
    while (von < bis && zeile[von].unicode() <= u' ')
        ++von;
    while (bis > von && zeile[bis - 1].unicode() <= u' ')
        --bis;
    return zeile.sliced(von, bis - von);
}

QChar TrennerSuchen(QStringView zeile) {
    for (const QChar t : Trenner)
        if (zeile.contains(t))
            return t;
    return u',';
}

int TippreihenAuslesen(QStringView text, Zeilentabelle& t, const Textmass& mass) {
    int zeilen = 0;
    QStringView erste;
    TextDatei::jedeZeile(text, [&](QStringView zeile) {
        if (zeilen++ == 0)
            erste = ZeileTrimmen(zeile);
    });
    if (erste.size() < KuerzesteErsteZeile) {
        // Nothing is read: the grid keeps one row as it was.
        t.setZeilen(2);
        return 1;
    }

    // The probe is the first line, the one the length test looked at.
    const char16_t trenner = TrennerSuchen(erste).unicode();
    t.zuruecksetzen(zeilen + 1);
    const Zeilentabelle::Zelle blank = t.kodieren(u" ");
    int reihe = 0;
    TextDatei::jedeZeile(text, [&](QStringView roh) {
        const QStringView zeile = ZeileTrimmen(roh);
        if (zeile.isEmpty())
            return;
        Zeilentabelle::Zelle* zellen = t.zeile(++reihe);
        int spalte = 0;
        KommatextFelder(
            zeile,
            [&](QStringView feld) {
                // Fields beyond the sixth are dropped.
                if (spalte < Zahlen)
                    zellen[++spalte] = feld.isEmpty() ? blank : t.kodieren(feld);
            },
            trenner);
    });
    t.setZeilen(reihe + 1);
    EditorTabelleBeschriften(t, mass);
    return reihe;
}

void ReihenUebertragen(const Zeilentabelle& quelle, Zeilentabelle& ziel) {
    const int spalten = std::min({EditorSpalten, quelle.spalten(), ziel.spalten()});
    ziel.setZeilen(quelle.zeilen());
    for (int r = 1; r < quelle.zeilen(); ++r)
        for (int c = 0; c < spalten; ++c)
            ziel.setZelle(r, c, ziel.uebernehmen(quelle, quelle.zelle(r, c)));
}

} // namespace core
