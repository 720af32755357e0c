#include "Reihenausgabe.h"

#include "Ausgabe.h"
#include "Json.h"

#include "core/schein/G1Spalten.h"
#include "core/schein/Zeilentabelle.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace cli {
namespace {

using Z = core::Zeilentabelle;
using S = core::G1Spalten;

// A text ready to be written: its UTF-8 bytes, how many characters wide it shows, and the
// quoted JSON string.
struct Feld {
    QByteArray bytes;
    qsizetype breite = 0;
    QByteArray json;

    explicit Feld(const QString& text = QString())
        : bytes(text.toUtf8()), breite(text.size()), json(JsonWert(text)) {}
};

// One line of text; its blanks are held back until something follows them, so that no line ends
// in blanks, wherever the blocks of the output end.
class Textzeile {
public:
    explicit Textzeile(Ausgabe& aus) : aus_(aus) {}

    void blanks(qsizetype n) { offen_ += n; }
    void zahl(Z::Zelle z) {
        offen_ += Z::zahlBlanks(z);
        blanksSchreiben();
        aus_.bis(Z::zahlSchreiben(Z::zahl(Z::zahlWert(z)), aus_.platz()));
    }
    void text(QByteArrayView bytes) {
        qsizetype n = bytes.size();
        while (n > 0 && bytes[n - 1] == ' ')
            --n;
        if (n > 0) {
            blanksSchreiben();
            aus_.schreiben(bytes.first(n));
        }
        offen_ += bytes.size() - n;
    }
    void ende() {
        offen_ = 0;
        aus_.schreiben('\n');
    }

private:
    void blanksSchreiben() {
        aus_.fuellen(offen_);
        offen_ = 0;
    }

    Ausgabe& aus_;
    qsizetype offen_ = 0;
};

class Zellen {
public:
    explicit Zellen(const Z& t) : t_(t), pool_(t.poolGroesse()) {}

    // Column 0 drops the padding blanks of the row label.
    Z::Zelle zelle(int r, int c) const {
        const Z::Zelle z = t_.zelle(r, c);
        return c == 0 && Z::istZahl(z) ? Z::zahl(Z::zahlWert(z)) : z;
    }
    const Feld& feld(Z::Zelle z, int c) {
        if (z == Z::Leer)
            return leer_;
        if (c == 0) {
            label_ = Feld(t_.pooltext(z).trimmed());
            return label_;
        }
        std::optional<Feld>& f = pool_[Z::poolIndex(z)];
        if (!f)
            f.emplace(t_.pooltext(z));
        return *f;
    }
    qsizetype breite(int r, int c) {
        const Z::Zelle z = zelle(r, c);
        return Z::istZahl(z) ? Z::zahlLaenge(z) : feld(z, c).breite;
    }
    void text(Textzeile& zeile, int r, int c) {
        const Z::Zelle z = zelle(r, c);
        if (Z::istZahl(z))
            zeile.zahl(z);
        else
            zeile.text(feld(z, c).bytes);
    }
    // The cell as a JSON string from p on in the block of aus; returns where the block ends now.
    char* json(Ausgabe& aus, char* p, int r, int c) {
        const Z::Zelle z = zelle(r, c);
        if (Z::istZahl(z)) {
            *p++ = '"';
            p = Z::zahlSchreiben(z, p);
            *p++ = '"';
            return p;
        }
        aus.bis(p);
        aus.schreiben(feld(z, c).json);
        return aus.platz();
    }

private:
    const Z& t_;
    std::vector<std::optional<Feld>> pool_;
    Feld leer_;
    Feld label_;
};

// The widest cell of a column, in characters and in bytes. Numbers without blanks, nearly all
// cells, are measured by the largest alone.
struct Spaltenmass {
    qsizetype breite = 0;
    qsizetype bytes = 0;
    std::uint32_t groessteZahl = 0;
    bool einByteJeZeichen = true; // every cell as many bytes as characters

    void messen(Zellen& zellen, int r, int c) {
        const Z::Zelle z = zellen.zelle(r, c);
        if (z == Z::zahl(Z::zahlWert(z))) {
            groessteZahl = std::max(groessteZahl, Z::zahlWert(z));
        } else if (Z::istZahl(z)) {
            breite = std::max(breite, qsizetype(Z::zahlLaenge(z)));
            bytes = std::max(bytes, breite);
        } else if (z != Z::Leer) {
            const Feld& f = zellen.feld(z, c);
            breite = std::max(breite, f.breite);
            bytes = std::max(bytes, f.bytes.size());
            einByteJeZeichen = einByteJeZeichen && f.bytes.size() == f.breite;
        }
    }
    void abschliessen() {
        breite = std::max(breite, qsizetype(Z::zahlLaenge(Z::zahl(groessteZahl))));
        bytes = std::max(bytes, breite);
    }
};

// A cell whose last byte goes just before ende; the blanks before it are there already.
void rechtsSchreiben(Zellen& zellen, char* ende, int r, int c) {
    const Z::Zelle z = zellen.zelle(r, c);
    if (Z::istZahl(z)) {
        std::uint32_t wert = Z::zahlWert(z);
        do {
            *--ende = char('0' + wert % 10);
            wert /= 10;
        } while (wert > 0);
    } else if (z != Z::Leer) {
        const QByteArray& bytes = zellen.feld(z, c).bytes;
        std::copy(bytes.cbegin(), bytes.cend(), ende - bytes.size());
    }
}

// A cell from p on; returns its end.
char* linksSchreiben(Zellen& zellen, char* p, int r, int c) {
    const Z::Zelle z = zellen.zelle(r, c);
    if (Z::istZahl(z))
        return Z::zahlSchreiben(z, p);
    const QByteArray& bytes = zellen.feld(z, c).bytes;
    return std::copy(bytes.cbegin(), bytes.cend(), p);
}

} // namespace

void Reihentext(const core::Zeilentabelle& g1, Ausgabe& aus) {
    const std::array<QByteArray, S::Rang + 1> kopf = {"Reihe", "1", "2", "3", "4", "5", "6", "GKl."};
    std::array<Spaltenmass, S::Rang + 1> mass{};
    for (std::size_t c = 0; c < kopf.size(); ++c)
        mass[c].breite = mass[c].bytes = kopf[c].size();
    Zellen zellen(g1);
    for (int r = 1; r < g1.zeilen(); ++r)
        for (int c = 0; c <= S::Rang; ++c)
            mass[std::size_t(c)].messen(zellen, r, c);
    for (Spaltenmass& m : mass)
        m.abschliessen();

    // Numbers and labels stand right-aligned; the rank column, the last, left-aligned. Columns are
    // two blanks apart.
    Textzeile zeile(aus);
    const auto fuellen = [&](int c, qsizetype zellbreite) {
        if (c > 0)
            zeile.blanks(2);
        if (c != S::Rang)
            zeile.blanks(mass[std::size_t(c)].breite - zellbreite);
    };
    for (int c = 0; c <= S::Rang; ++c) {
        fuellen(c, kopf[std::size_t(c)].size());
        zeile.text(kopf[std::size_t(c)]);
    }
    zeile.ende();

    // When every cell is as many bytes as characters and the longest line fits into the room the
    // block grants, the columns stand at fixed places: a line is laid into blanks, its cells
    // written at their places and the line cut back to its last character that is no blank.
    std::array<qsizetype, S::Rang> ende{};
    qsizetype laenge = 0;
    bool fest = true;
    for (int c = 0; c < S::Rang; ++c) {
        laenge += (c > 0 ? 2 : 0) + mass[std::size_t(c)].breite;
        ende[std::size_t(c)] = laenge;
        fest = fest && mass[std::size_t(c)].einByteJeZeichen;
    }
    const qsizetype rangAnfang = laenge + 2;
    if (fest && rangAnfang + mass[S::Rang].bytes + 1 <= Ausgabe::Platz) {
        for (int r = 1; r < g1.zeilen(); ++r) {
            char* const anfang = aus.platz();
            std::memset(anfang, ' ', std::size_t(rangAnfang));
            for (int c = 0; c < S::Rang; ++c)
                rechtsSchreiben(zellen, anfang + ende[std::size_t(c)], r, c);
            char* p = linksSchreiben(zellen, anfang + rangAnfang, r, S::Rang);
            while (p > anfang && p[-1] == ' ')
                --p;
            *p++ = '\n';
            aus.bis(p);
        }
        return;
    }
    for (int r = 1; r < g1.zeilen(); ++r) {
        for (int c = 0; c <= S::Rang; ++c) {
            fuellen(c, c != S::Rang ? zellen.breite(r, c) : 0);
            zellen.text(zeile, r, c);
        }
        zeile.ende();
    }
}

// A text without its final zero from p on; returns its end.
template <std::size_t N> char* kopieren(char* p, const char (&text)[N]) {
    std::memcpy(p, text, N - 1);
    return p + N - 1;
}

void ReihenJson(const core::Zeilentabelle& g1, Ausgabe& aus) {
    // A row is written straight into the block: its numbers and keys take far less than the room
    // the block grants, and a pool text goes through the output.
    static_assert(S::Anzahl * 73 + 64 <= Ausgabe::Platz, "a row of numbers fits into the room");
    Zellen zellen(g1);
    aus.schreiben('[');
    for (int r = 1; r < g1.zeilen(); ++r) {
        char* p = aus.platz();
        if (r > 1)
            *p++ = ',';
        p = zellen.json(aus, kopieren(p, "{\"reihe\":"), r, 0);
        p = kopieren(p, ",\"zahlen\":[");
        for (int c = 1; c <= 6; ++c) {
            if (c > 1)
                *p++ = ',';
            p = zellen.json(aus, p, r, c);
        }
        p = zellen.json(aus, kopieren(p, "],\"gkl\":"), r, S::Rang);
        p = zellen.json(aus, kopieren(p, ",\"schluessel\":"), r, S::Schluessel);
        *p++ = '}';
        aus.bis(p);
    }
    aus.schreiben(']');
}

} // namespace cli
