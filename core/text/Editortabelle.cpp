#include "Editortabelle.h"

#include "Kommatext.h"
#include "TextDatei.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Zeilentabelle.h"

#include <algorithm>
#include <array>

namespace core {
namespace {

constexpr int Zahlen = 6;
constexpr int KuerzesteErsteZeile = 7;

// The number 1..45 a field of digits stands for (leading zeros allowed), 0 for any other field.
int Tippzahl(QStringView feld) {
    if (feld.isEmpty() || feld.size() > 4)
        return 0;
    int zahl = 0;
    for (const QChar c : feld) {
        if (c < u'0' || c > u'9')
            return 0;
        zahl = zahl * 10 + (c.unicode() - u'0');
    }
    return zahl <= 45 ? zahl : 0;
}

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
    return zeile.contains(u';') ? u';' : u',';
}

Auslesung TippreihenAuslesen(QStringView text, const Textmass& mass) {
    Auslesung a;
    int zeilen = 0;
    QStringView erste;
    TextDatei::jedeZeile(text, [&](QStringView zeile) {
        if (zeilen++ == 0)
            erste = ZeileTrimmen(zeile);
    });
    if (erste.size() < KuerzesteErsteZeile) {
        a.ersteZeileZuKurz = true;
        return a;
    }

    const char16_t trenner = TrennerSuchen(erste).unicode();
    Zeilentabelle& t = a.tabelle;
    t.zuruecksetzen(zeilen + 1);
    TextDatei::jedeZeile(text, [&](QStringView roh) {
        const QStringView zeile = ZeileTrimmen(roh);
        if (zeile.isEmpty())
            return;
        std::array<int, Zahlen> reihe{};
        int felder = 0;
        bool tipp = true;
        KommatextFelder(
            zeile,
            [&](QStringView feld) {
                const int zahl = Tippzahl(feld);
                tipp = tipp && felder < Zahlen && zahl > 0 &&
                       std::find(reihe.begin(), reihe.begin() + felder, zahl) == reihe.begin() + felder;
                if (felder < Zahlen)
                    reihe[std::size_t(felder)] = zahl;
                ++felder;
            },
            trenner);
        if (!tipp || felder != Zahlen) {
            ++a.uebersprungen;
            return;
        }
        Zeilentabelle::Zelle* zellen = t.zeile(++a.reihen);
        for (int c = 0; c < Zahlen; ++c)
            zellen[c + 1] = Zeilentabelle::zahl(std::uint32_t(reihe[std::size_t(c)]));
    });
    t.setZeilen(a.reihen + 1);
    EditorTabelleBeschriften(t, mass);
    return a;
}

void ReihenUebertragen(const Zeilentabelle& quelle, Zeilentabelle& ziel) {
    const int spalten = std::min({EditorSpalten, quelle.spalten(), ziel.spalten()});
    ziel.setZeilen(quelle.zeilen());
    for (int r = 1; r < quelle.zeilen(); ++r)
        for (int c = 0; c < spalten; ++c)
            ziel.setZelle(r, c, ziel.uebernehmen(quelle, quelle.zelle(r, c)));
}

} // namespace core
