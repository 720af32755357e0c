#include "Reihenausgabe.h"

#include "Ausgabe.h"
#include "Json.h"

#include "core/G1Spalten.h"
#include "core/Zeilentabelle.h"

#include <QByteArray>

#include <algorithm>
#include <array>
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
    void json(Ausgabe& aus, int r, int c) {
        const Z::Zelle z = zelle(r, c);
        if (Z::istZahl(z)) {
            char* p = aus.platz();
            *p++ = '"';
            p = Z::zahlSchreiben(z, p);
            *p++ = '"';
            aus.bis(p);
        } else {
            aus.schreiben(feld(z, c).json);
        }
    }

private:
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

    const Z& t_;
    std::vector<std::optional<Feld>> pool_;
    Feld leer_;
    Feld label_;
};

} // namespace

void Reihentext(const core::Zeilentabelle& g1, Ausgabe& aus) {
    const std::array<QByteArray, S::Rang + 1> kopf = {"Reihe", "1", "2", "3", "4", "5", "6", "GKl."};
    std::array<qsizetype, S::Rang + 1> breite{};
    for (std::size_t c = 0; c < kopf.size(); ++c)
        breite[c] = kopf[c].size();
    Zellen zellen(g1);
    for (int r = 1; r < g1.zeilen(); ++r)
        for (int c = 0; c <= S::Rang; ++c)
            breite[std::size_t(c)] = std::max(breite[std::size_t(c)], zellen.breite(r, c));

    // Numbers and labels stand right-aligned; the rank column, the last, left-aligned. Columns are
    // two blanks apart.
    Textzeile zeile(aus);
    const auto fuellen = [&](int c, qsizetype zellbreite) {
        if (c > 0)
            zeile.blanks(2);
        if (c != S::Rang)
            zeile.blanks(breite[std::size_t(c)] - zellbreite);
    };
    for (int c = 0; c <= S::Rang; ++c) {
        fuellen(c, kopf[std::size_t(c)].size());
        zeile.text(kopf[std::size_t(c)]);
    }
    zeile.ende();
    for (int r = 1; r < g1.zeilen(); ++r) {
        for (int c = 0; c <= S::Rang; ++c) {
            fuellen(c, c != S::Rang ? zellen.breite(r, c) : 0);
            zellen.text(zeile, r, c);
        }
        zeile.ende();
    }
}

void ReihenJson(const core::Zeilentabelle& g1, Ausgabe& aus) {
    Zellen zellen(g1);
    aus.schreiben('[');
    for (int r = 1; r < g1.zeilen(); ++r) {
        aus.schreiben(r > 1 ? QByteArrayView(",{\"reihe\":") : QByteArrayView("{\"reihe\":"));
        zellen.json(aus, r, 0);
        aus.schreiben(",\"zahlen\":[");
        for (int c = 1; c <= 6; ++c) {
            if (c > 1)
                aus.schreiben(',');
            zellen.json(aus, r, c);
        }
        aus.schreiben("],\"gkl\":");
        zellen.json(aus, r, S::Rang);
        aus.schreiben(",\"schluessel\":");
        zellen.json(aus, r, S::Schluessel);
        aus.schreiben('}');
    }
    aus.schreiben(']');
}

} // namespace cli
