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
        // A number without blanks: its code grows with its value.
        if (z >= Z::zahl(0) && z <= Z::zahl(Z::GroessteZahl)) {
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

// The numbers below 100 as two characters: right-aligned (" 5", "17") and as the last two digits
// of a longer number ("05", "17").
using Paare = std::array<std::array<char, 2>, 100>;
constexpr Paare paare(char fuehrend) {
    Paare t{};
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = {i < 10 ? fuehrend : char('0' + i / 10), char('0' + i % 10)};
    return t;
}
constexpr Paare zweiStellen = paare(' ');
constexpr Paare zweiZiffern = paare('0');

// A cell whose last byte goes just before ende; the blanks before it are there already. Beside
// a number below 100 the byte before a one-digit number is written too, with the blank it holds
// anyway, so that the count of digits costs no branch; only a column after another has that byte.
void rechtsSchreiben(Zellen& zellen, char* ende, int r, int c) {
    const Z::Zelle z = zellen.zelle(r, c);
    if (Z::istZahl(z)) {
        std::uint32_t wert = Z::zahlWert(z);
        if (wert < 100 && c > 0) {
            std::memcpy(ende - 2, zweiStellen[wert].data(), 2);
            return;
        }
        // Two digits a step: the row labels of a large slip have seven.
        for (; wert >= 100; wert /= 100) {
            ende -= 2;
            std::memcpy(ende, zweiZiffern[wert % 100].data(), 2);
        }
        if (wert >= 10) {
            std::memcpy(ende - 2, zweiZiffern[wert].data(), 2);
        } else {
            ende[-1] = char('0' + wert);
        }
    } else if (z != Z::Leer) {
        const QByteArray& bytes = zellen.feld(z, c).bytes;
        std::copy(bytes.cbegin(), bytes.cend(), ende - bytes.size());
    }
}

// Counts the number that ends just before ende one up, in place; false when it has no room to grow.
bool hochzaehlen(char* anfang, qsizetype ende) {
    for (qsizetype i = ende - 1; i >= 0; --i) {
        if (anfang[i] == '9') {
            anfang[i] = '0';
            continue;
        }
        anfang[i] = anfang[i] == ' ' ? '1' : char(anfang[i] + 1);
        return true;
    }
    return false;
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
    // A row of numbers without blanks, nearly every row, is measured by the largest codes alone,
    // without a branch per cell; any other row cell by cell.
    constexpr int Spalten = S::Rang + 1;
    std::array<Z::Zelle, Spalten> groesste{};
    for (int r = 1; r < g1.zeilen(); ++r) {
        const Z::Zelle* zeile = g1.zeile(r);
        std::array<Z::Zelle, Spalten> z;
        Z::Zelle marken = 0;
        for (int c = 0; c < Spalten; ++c) {
            z[std::size_t(c)] = c == 0 ? zellen.zelle(r, 0) : zeile[c];
            marken |= z[std::size_t(c)] ^ Z::zahl(0);
        }
        if (marken <= Z::GroessteZahl) {
            for (int c = 0; c < Spalten; ++c)
                groesste[std::size_t(c)] = std::max(groesste[std::size_t(c)], z[std::size_t(c)]);
        } else {
            for (int c = 0; c < Spalten; ++c)
                mass[std::size_t(c)].messen(zellen, r, c);
        }
    }
    for (int c = 0; c < Spalten; ++c) {
        Spaltenmass& m = mass[std::size_t(c)];
        if (groesste[std::size_t(c)] != Z::Leer)
            m.groessteZahl = std::max(m.groessteZahl, Z::zahlWert(groesste[std::size_t(c)]));
        m.abschliessen();
    }

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
        // The start of a common line, its label and blanks, in one copy of a size the compiler
        // knows. Labels mostly follow each other: the next one is the last one counted up.
        constexpr std::size_t Vorlage = 64;
        std::array<char, Vorlage> vorlage;
        vorlage.fill(' ');
        const bool mitVorlage = rangAnfang <= qsizetype(Vorlage);
        std::optional<std::uint32_t> inVorlage;
        for (int r = 1; r < g1.zeilen(); ++r) {
            char* const anfang = aus.platz();
            const Z::Zelle label = zellen.zelle(r, 0);
            if (mitVorlage && Z::istZahl(label)) {
                const std::uint32_t wert = Z::zahlWert(label);
                if (!inVorlage || wert != *inVorlage + 1 || !hochzaehlen(vorlage.data(), ende[0])) {
                    std::fill_n(vorlage.begin(), ende[0], ' ');
                    rechtsSchreiben(zellen, vorlage.data() + ende[0], r, 0);
                }
                inVorlage = wert;
                std::memcpy(anfang, vorlage.data(), Vorlage);
            } else {
                std::memset(anfang, ' ', std::size_t(rangAnfang));
                rechtsSchreiben(zellen, anfang + ende[0], r, 0);
            }
            // The numbers of a tip row, nearly all below 100, without a call.
            const Z::Zelle* z = g1.zeile(r);
            for (int c = 1; c < S::Rang; ++c) {
                char* const bis = anfang + ende[std::size_t(c)];
                if (const Z::Zelle wert = z[c] - Z::zahl(0); wert < 100)
                    std::memcpy(bis - 2, zweiStellen[wert].data(), 2);
                else
                    rechtsSchreiben(zellen, bis, r, c);
            }
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
