// The editor text: rows read from any text against the lines split by hand, a semicolon of the
// first line standing for a comma, and the lines without a tip row counted.
#include "Pruefen.h"

#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Zeilentabelle.h"
#include "core/text/Editortabelle.h"
#include "core/text/Kommatext.h"
#include "core/text/TextDatei.h"

namespace {

class OhneFuellung : public core::Textmass {
public:
    int breite(QStringView) const override { return 0; }
};

} // namespace

// The tip row a line's fields give by hand: exactly six fields of digits, different numbers 1..45.
bool tippreihe(const QStringList& felder, QStringList& zahlen) {
    zahlen.clear();
    for (const QString& f : felder) {
        bool zahl = !f.isEmpty() && f.size() <= 4;
        for (const QChar c : f)
            zahl = zahl && c >= u'0' && c <= u'9';
        const int wert = zahl ? f.toInt() : 0;
        if (wert < 1 || wert > 45 || zahlen.contains(QString::number(wert)))
            return false;
        zahlen.append(QString::number(wert));
    }
    return zahlen.size() == 6;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QString text = core::TextDatei::dekodieren(fuzz::bytes(daten, laenge));
    const core::Auslesung a = core::TippreihenAuslesen(text, OhneFuellung());
    const core::Zeilentabelle& t = a.tabelle;

    QStringList zeilen;
    for (const QString& z : core::TextDatei::zeilen(text))
        zeilen.append(core::ZeileTrimmen(z).toString());
    if (zeilen.isEmpty() || zeilen[0].size() < 7) {
        PRUEFEN(a.ersteZeileZuKurz && a.reihen == 0 && a.uebersprungen == 0);
        return 0;
    }
    PRUEFEN(!a.ersteZeileZuKurz && t.zeilen() == a.reihen + 1);
    const QChar trenner = zeilen[0].contains(u';') ? u';' : u',';
    int r = 0;
    int uebersprungen = 0;
    QStringList zahlen;
    for (const QString& z : zeilen) {
        if (z.isEmpty())
            continue;
        if (!tippreihe(core::KommatextZerlegen(QString(z).replace(trenner, u',')), zahlen)) {
            ++uebersprungen;
            continue;
        }
        ++r;
        PRUEFEN(r <= a.reihen);
        for (int c = 1; c <= 6; ++c)
            PRUEFEN(t.text(r, c) == zahlen[c - 1]);
        PRUEFEN(t.text(r, 0) == QString::number(r));
    }
    PRUEFEN(r == a.reihen && uebersprungen == a.uebersprungen);
    return 0;
}
