#include "Reihenausgabe.h"

#include "Json.h"

#include "core/G1Spalten.h"
#include "core/Zeilentabelle.h"

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

class Zellen {
public:
    explicit Zellen(const Z& t) : t_(t), pool_(t.poolGroesse()) {}

    qsizetype breite(int r, int c) {
        const Z::Zelle z = zelle(r, c);
        return Z::istZahl(z) ? Z::zahlLaenge(z) : feld(z, c).breite;
    }
    void text(QByteArray& aus, int r, int c) {
        const Z::Zelle z = zelle(r, c);
        if (Z::istZahl(z))
            zahl(aus, z);
        else
            aus.append(feld(z, c).bytes);
    }
    void json(QByteArray& aus, int r, int c) {
        const Z::Zelle z = zelle(r, c);
        if (Z::istZahl(z)) {
            aus.append('"');
            zahl(aus, z);
            aus.append('"');
        } else {
            aus.append(feld(z, c).json);
        }
    }

private:
    // Column 0 drops the padding blanks of the row label.
    Z::Zelle zelle(int r, int c) const {
        const Z::Zelle z = t_.zelle(r, c);
        return c == 0 && Z::istZahl(z) ? Z::zahl(Z::zahlWert(z)) : z;
    }
    static void zahl(QByteArray& aus, Z::Zelle z) {
        char ziffern[96];
        aus.append(ziffern, Z::zahlSchreiben(z, ziffern) - ziffern);
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

void zeilenende(QByteArray& aus) {
    while (aus.endsWith(' '))
        aus.chop(1);
    aus.append('\n');
}

} // namespace

void Reihentext(const core::Zeilentabelle& g1, QByteArray& aus) {
    const std::array<QByteArray, S::Rang + 1> kopf = {"Reihe", "1", "2", "3", "4", "5", "6", "GKl."};
    std::array<qsizetype, S::Rang + 1> breite{};
    for (std::size_t c = 0; c < kopf.size(); ++c)
        breite[c] = kopf[c].size();
    Zellen zellen(g1);
    for (int r = 1; r < g1.zeilen(); ++r)
        for (int c = 0; c <= S::Rang; ++c)
            breite[std::size_t(c)] = std::max(breite[std::size_t(c)], zellen.breite(r, c));

    qsizetype zeilenbreite = 1;
    for (const qsizetype b : breite)
        zeilenbreite += b + 2;
    aus.reserve(aus.size() + zeilenbreite * g1.zeilen() + 1024);
    // Numbers and labels stand right-aligned; the rank column, the last, left-aligned. Columns are
    // two blanks apart.
    const auto fuellen = [&](int c, qsizetype zellbreite) {
        if (c > 0)
            aus.append("  ");
        if (c != S::Rang)
            aus.append(breite[std::size_t(c)] - zellbreite, ' ');
    };
    for (int c = 0; c <= S::Rang; ++c) {
        fuellen(c, kopf[std::size_t(c)].size());
        aus.append(kopf[std::size_t(c)]);
    }
    zeilenende(aus);
    for (int r = 1; r < g1.zeilen(); ++r) {
        for (int c = 0; c <= S::Rang; ++c) {
            fuellen(c, c != S::Rang ? zellen.breite(r, c) : 0);
            zellen.text(aus, r, c);
        }
        zeilenende(aus);
    }
}

void ReihenJson(const core::Zeilentabelle& g1, QByteArray& aus) {
    Zellen zellen(g1);
    aus.reserve(aus.size() + qsizetype(g1.zeilen()) * 90 + 1024);
    aus.append('[');
    for (int r = 1; r < g1.zeilen(); ++r) {
        aus.append(r > 1 ? ",{\"reihe\":" : "{\"reihe\":");
        zellen.json(aus, r, 0);
        aus.append(",\"zahlen\":[");
        for (int c = 1; c <= 6; ++c) {
            if (c > 1)
                aus.append(',');
            zellen.json(aus, r, c);
        }
        aus.append("],\"gkl\":");
        zellen.json(aus, r, S::Rang);
        aus.append(",\"schluessel\":");
        zellen.json(aus, r, S::Schluessel);
        aus.append('}');
    }
    aus.append(']');
}

} // namespace cli
