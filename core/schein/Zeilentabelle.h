#pragma once

#include "core/grund/Dreibyteindex.h"
#include "core/grund/Grossfeld.h"

#include <QHash>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace core {

// A grid of text cells, kept compact: a canonical small number (digits without leading zero,
// optionally after leading blanks) is stored as a number, any other text once in a pool.
// Every cell reads back as exactly the text it holds. Row 0 is the header row.
class Zeilentabelle {
public:
    using Zelle = std::uint32_t;
    // Zero, so that new rows of a freshly allocated block are empty without being written.
    static constexpr Zelle Leer = 0;
    static constexpr std::uint32_t GroessteZahl = (1U << 24) - 1;
    static constexpr int GroessteBlanks = 63;
    // Rows, the header row included, that a table can have.
    static constexpr int GroessteZeilenzahl = INT32_MAX;

    explicit Zeilentabelle(int spalten, int zeilen = 1);

    int spalten() const { return spalten_; }
    int zeilen() const { return zeilen_; }
    // New rows start empty; rows beyond n disappear.
    void setZeilen(int n);
    // The same, and the memory of the rows beyond n is given back without being touched: for a
    // table made larger than it turned out to need.
    void zuschneiden(int n);
    // Empties every cell and the text pool, and sets the row count.
    void zuruecksetzen(int zeilen);

    QString text(int r, int c) const { return text(zelle(r, c)); }
    QString text(Zelle z) const;
    void setText(int r, int c, QStringView text) { setZelle(r, c, kodieren(text)); }
    bool istLeer(int r, int c) const { return zelle(r, c) == Leer; }

    Zelle zelle(int r, int c) const {
        return zellen_[std::size_t(r) * std::size_t(spalten_) + std::size_t(c)];
    }
    void setZelle(int r, int c, Zelle z) {
        zellen_[std::size_t(r) * std::size_t(spalten_) + std::size_t(c)] = z;
    }
    Zelle* zeile(int r) { return zellen_.data() + std::size_t(r) * std::size_t(spalten_); }
    const Zelle* zeile(int r) const { return zellen_.data() + std::size_t(r) * std::size_t(spalten_); }

    // The code of a text; a text that is not a small number is entered into the pool.
    Zelle kodieren(QStringView text);
    // The code of a text only if it needs no pool entry, else nullopt-like: returns false.
    static bool zahlKodieren(QStringView text, Zelle& z);
    static Zelle zahl(std::uint32_t wert, int blanks = 0) {
        return ZahlMarke | (std::uint32_t(blanks) << 24) | wert;
    }
    static bool istZahl(Zelle z) { return (z & MarkeMaske) == ZahlMarke; }
    static bool istPooltext(Zelle z) { return (z & MarkeMaske) == TextMarke; }
    static std::uint32_t zahlWert(Zelle z) { return z & GroessteZahl; }
    static int zahlBlanks(Zelle z) { return int((z >> 24) & 0x3F); }
    const QString& pooltext(Zelle z) const { return pool_[z & ~MarkeMaske]; }

    // Length and text of a number cell (its blanks, then its digits), for writers of many cells.
    static int zahlLaenge(Zelle z) { return zahlBlanks(z) + ziffernAnzahl(zahlWert(z)); }
    template <typename Ch> static Ch* zahlSchreiben(Zelle z, Ch* ziel) {
        std::uint32_t wert = zahlWert(z);
        // Tip numbers, ranks and keys, nearly every cell of a slip: one or two digits, no blanks.
        if (wert < 100 && zahlBlanks(z) == 0) {
            if (wert >= 10)
                *ziel++ = Ch('0' + wert / 10);
            *ziel++ = Ch('0' + wert % 10);
            return ziel;
        }
        ziel = std::fill_n(ziel, zahlBlanks(z), Ch(' '));
        const int n = ziffernAnzahl(wert);
        for (int i = n - 1; i >= 0; --i) {
            ziel[i] = Ch('0' + wert % 10);
            wert /= 10;
        }
        return ziel + n;
    }

    // The code in this table of a cell of another table: numbers and the empty cell are the same
    // everywhere, a pool text is entered here.
    Zelle uebernehmen(const Zeilentabelle& andere, Zelle z) {
        return istPooltext(z) ? kodieren(andere.pooltext(z)) : z;
    }

    // The code the text has in this table, without entering it: nullopt when no cell holds it.
    std::optional<Zelle> suchen(QStringView text) const;
    // The empty cell and a cell of blanks only: no number, whatever the conversion says.
    bool nurBlanks(Zelle z) const;
    // Index of a pool text, 0 .. poolGroesse() - 1, for per-text caches of callers.
    static std::uint32_t poolIndex(Zelle z) { return z & ~MarkeMaske; }

    void zeileLeeren(int r);
    // Rows ab.. are rearranged so that new row ab+i is the former row ordnung[i]; ordnung names
    // each of the rows ab .. ab + ordnung.size() - 1 once. Besides ordnung, needs one index per row.
    void umordnen(int ab, std::vector<int> ordnung);
    // The same on the caller's memory: ordnung is overwritten, and platz (one index per row) is
    // taken for the second index, so that a sort can lend its keys' block.
    void umordnen(int ab, std::span<int> ordnung, std::span<int> platz);
    // The same with indexes of three bytes, counted from ab: new row ab+i is the former row
    // ab + ordnung[i]. Both indexes are overwritten.
    void umordnen(int ab, Dreibyteindex& ordnung, Dreibyteindex& platz);

    std::size_t poolGroesse() const { return pool_.size(); }
    // Bytes held by the cells (capacity included), without the pool.
    std::size_t zellenBytes() const { return zellen_.capacity() * sizeof(Zelle); }

private:
    // Without a loop: writers of millions of cells count digits for every one.
    static int ziffernAnzahl(std::uint32_t wert) {
        static_assert(GroessteZahl < 100000000U, "a cell's number has at most 8 digits");
        return 1 + int(wert >= 10) + int(wert >= 100) + int(wert >= 1000) + int(wert >= 10000) +
               int(wert >= 100000) + int(wert >= 1000000) + int(wert >= 10000000);
    }

    static constexpr Zelle MarkeMaske = 0xC0000000U;
    static constexpr Zelle ZahlMarke = 0x40000000U;
    static constexpr Zelle TextMarke = 0x80000000U;

    int spalten_;
    int zeilen_;
    Grossfeld<Zelle> zellen_;
    std::vector<QString> pool_;
    QHash<QString, std::uint32_t> poolIndex_;
};

} // namespace core
