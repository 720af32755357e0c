#include "Reihentext.h"

#include "core/Zeilentabelle.h"

#include <algorithm>
#include <array>
#include <vector>

namespace cli {
namespace {

using Z = core::Zeilentabelle;

constexpr int Spalten = 8; // label, six numbers, rank: the sort key stays hidden as in the window
constexpr int RangSpalte = 7;

// A cell ready to be written: its UTF-8 bytes and how many characters wide it shows.
struct Feld {
    QByteArray bytes;
    qsizetype breite = 0;
};

Feld feld(const QString& text) {
    return {text.toUtf8(), text.size()};
}

class Schreiber {
public:
    explicit Schreiber(const Z& t) : t_(t), pool_(t.poolGroesse()), fertig_(t.poolGroesse()) {}

    QByteArray text() {
        const std::array<Feld, Spalten> kopf = {feld(QStringLiteral("Reihe")), feld(QStringLiteral("1")),
                                                feld(QStringLiteral("2")),     feld(QStringLiteral("3")),
                                                feld(QStringLiteral("4")),     feld(QStringLiteral("5")),
                                                feld(QStringLiteral("6")),     feld(QStringLiteral("GKl."))};
        std::array<qsizetype, Spalten> breite{};
        for (int c = 0; c < Spalten; ++c)
            breite[std::size_t(c)] = kopf[std::size_t(c)].breite;
        qsizetype gesamt = 0;
        for (int r = 1; r < t_.zeilen(); ++r)
            for (int c = 0; c < Spalten; ++c) {
                const qsizetype b = zellbreite(r, c);
                breite[std::size_t(c)] = std::max(breite[std::size_t(c)], b);
                gesamt += b;
            }
        qsizetype zeilenbreite = 0;
        for (qsizetype b : breite)
            zeilenbreite += b + 2;
        QByteArray aus;
        aus.reserve(zeilenbreite * t_.zeilen() + gesamt);

        for (int c = 0; c < Spalten; ++c)
            fuellen(aus, c, kopf[std::size_t(c)].bytes, kopf[std::size_t(c)].breite, breite[std::size_t(c)]);
        zeilenende(aus);
        for (int r = 1; r < t_.zeilen(); ++r) {
            for (int c = 0; c < Spalten; ++c) {
                const Z::Zelle z = t_.zelle(r, c);
                if (Z::istZahl(z)) {
                    char ziffern[96];
                    const char* ende = zahl(z, c, ziffern);
                    fuellen(aus, c, QByteArrayView(ziffern, ende - ziffern), ende - ziffern,
                            breite[std::size_t(c)]);
                } else {
                    const Feld& f = poolfeld(z, c);
                    fuellen(aus, c, f.bytes, f.breite, breite[std::size_t(c)]);
                }
            }
            zeilenende(aus);
        }
        return aus;
    }

private:
    // Column 0 drops the padding blanks of the row label.
    static const char* zahl(Z::Zelle z, int c, char* ziel) {
        if (c == 0)
            z = Z::zahl(Z::zahlWert(z));
        return Z::zahlSchreiben(z, ziel);
    }

    qsizetype zellbreite(int r, int c) {
        const Z::Zelle z = t_.zelle(r, c);
        if (Z::istZahl(z))
            return c == 0 ? Z::zahlLaenge(Z::zahl(Z::zahlWert(z))) : Z::zahlLaenge(z);
        return poolfeld(z, c).breite;
    }

    const Feld& poolfeld(Z::Zelle z, int c) {
        if (z == Z::Leer)
            return leer_;
        if (c == 0) {
            label_ = feld(t_.pooltext(z).trimmed());
            return label_;
        }
        const std::uint32_t i = Z::poolIndex(z);
        if (!fertig_[i]) {
            pool_[i] = feld(t_.pooltext(z));
            fertig_[i] = true;
        }
        return pool_[i];
    }

    // Numbers and labels stand right-aligned; the rank column, the last, left-aligned. Columns
    // are two blanks apart.
    static void fuellen(QByteArray& aus, int c, QByteArrayView bytes, qsizetype breite,
                        qsizetype spaltenbreite) {
        if (c > 0)
            aus.append("  ");
        if (c != RangSpalte)
            aus.append(std::max<qsizetype>(spaltenbreite - breite, 0), ' ');
        aus.append(bytes);
    }

    static void zeilenende(QByteArray& aus) {
        while (aus.endsWith(' '))
            aus.chop(1);
        aus.append('\n');
    }

    const Z& t_;
    std::vector<Feld> pool_;
    std::vector<bool> fertig_;
    Feld leer_;
    Feld label_;
};

} // namespace

QByteArray Reihentext(const core::Zeilentabelle& g1) {
    return Schreiber(g1).text();
}

} // namespace cli
