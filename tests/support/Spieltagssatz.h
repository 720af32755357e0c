#pragma once

#include "core/spieltag/TSpieltag.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstring>
#include <random>

namespace testhilfe {

// Matchday records laid out byte by byte at the offsets of the file format.
struct Satz {
    QByteArray b = QByteArray(3792, '\0');

    static Satz zufaellig(unsigned saat) {
        Satz s;
        std::mt19937 zufall(saat);
        for (char& c : s.b)
            c = char(zufall() & 0xFF);
        return s;
    }
    // Results giving the winning row "nummern" in this order and the additional number zs: draws
    // from 6 : 6 down, zs 2 : 1, every other pairing 3 : 0.
    static Satz mitGewinnreihe(double datum, const QList<int>& nummern, int zs) {
        Satz s;
        s.datum(datum);
        s.alleErgebnisse(3, 0);
        for (int k = 0; k < nummern.size(); ++k)
            s.ergebnis(nummern[k], 6 - k, 6 - k);
        if (zs > 0)
            s.ergebnis(zs, 2, 1);
        return s;
    }
    void doppel(int offset, double wert) {
        quint64 bits;
        std::memcpy(&bits, &wert, 8);
        for (int k = 0; k < 8; ++k)
            b[offset + k] = char(bits >> (8 * k));
    }
    void kurz(int offset, const QByteArray& text, int laenge = -1) {
        b[offset] = char(laenge < 0 ? text.size() : laenge);
        for (int k = 0; k < text.size(); ++k)
            b[offset + 1 + k] = text[k];
    }
    void datum(double wert) { doppel(0, wert); }
    void anstoss(int i, double wert) { doppel(8 * i, wert); }
    void heim(int i, const QByteArray& t, int laenge = -1) { kurz(368 + 62 * (i - 1), t, laenge); }
    void gast(int i, const QByteArray& t, int laenge = -1) { kurz(368 + 62 * (i - 1) + 31, t, laenge); }
    void tendenz(int i, const QByteArray& t, int laenge = -1) { kurz(3158 + 11 * (i - 1), t, laenge); }
    void ergebnis(int i, int h, int g) {
        b[3653 + 2 * (i - 1)] = char(h);
        b[3654 + 2 * (i - 1)] = char(g);
    }
    void alleErgebnisse(int h, int g) {
        for (int i = 1; i <= 45; ++i)
            ergebnis(i, h, g);
    }
    // "20=3:3 5=2:2 *=3:0": the results named, "*" for every other pairing (else 10:10).
    void ergebnisse(const QString& beschreibung) {
        const QStringList teile = beschreibung.split(u' ', Qt::SkipEmptyParts);
        const auto setzen = [&](int i, const QString& t) {
            const QStringList hg = t.split(u':');
            ergebnis(i, hg[0].toInt(), hg[1].toInt());
        };
        alleErgebnisse(10, 10);
        for (const QString& t : teile)
            if (t.startsWith(u'*'))
                for (int i = 1; i <= 45; ++i)
                    setzen(i, t.sliced(2));
        for (const QString& t : teile)
            if (!t.startsWith(u'*'))
                setzen(t.section(u'=', 0, 0).toInt(), t.section(u'=', 1));
    }
    core::TSpieltag spieltag() const { return core::TSpieltag::ausBytes(b); }
};

} // namespace testhilfe
