#include "Zeilentabelle.h"

#include <algorithm>

namespace core {

Zeilentabelle::Zeilentabelle(int spalten, int zeilen) : spalten_(spalten), zeilen_(0) {
    setZeilen(zeilen);
}

void Zeilentabelle::setZeilen(int n) {
    n = std::max(n, 0);
    zellen_.resize(std::size_t(n) * std::size_t(spalten_), Leer);
    zeilen_ = n;
}

void Zeilentabelle::zuruecksetzen(int zeilen) {
    zellen_.assign(std::size_t(std::max(zeilen, 0)) * std::size_t(spalten_), Leer);
    zeilen_ = std::max(zeilen, 0);
    pool_.clear();
    poolIndex_.clear();
}

QString Zeilentabelle::text(Zelle z) const {
    if (z == Leer)
        return QString();
    if (istPooltext(z))
        return pooltext(z);
    const int blanks = zahlBlanks(z);
    QString s(blanks, u' ');
    s.append(QString::number(zahlWert(z)));
    return s;
}

bool Zeilentabelle::zahlKodieren(QStringView text, Zelle& z) {
    if (text.isEmpty()) {
        z = Leer;
        return true;
    }
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    const qsizetype ziffern = n - i;
    if (i > GroessteBlanks || ziffern == 0 || ziffern > 8)
        return false;
    if (text[i] == u'0' && ziffern > 1)
        return false;
    std::uint32_t wert = 0;
    for (qsizetype k = i; k < n; ++k) {
        const char16_t c = text[k].unicode();
        if (c < u'0' || c > u'9')
            return false;
        wert = wert * 10 + (c - u'0');
    }
    if (wert > GroessteZahl)
        return false;
    z = zahl(wert, int(i));
    return true;
}

Zeilentabelle::Zelle Zeilentabelle::kodieren(QStringView text) {
    Zelle z;
    if (zahlKodieren(text, z))
        return z;
    const QString schluessel = text.toString();
    const auto it = poolIndex_.constFind(schluessel);
    if (it != poolIndex_.constEnd())
        return TextMarke | it.value();
    const auto index = std::uint32_t(pool_.size());
    pool_.push_back(schluessel);
    poolIndex_.insert(schluessel, index);
    return TextMarke | index;
}

std::optional<Zeilentabelle::Zelle> Zeilentabelle::suchen(QStringView text) const {
    Zelle z;
    if (zahlKodieren(text, z))
        return z;
    const auto it = poolIndex_.constFind(text.toString());
    if (it == poolIndex_.constEnd())
        return std::nullopt;
    return TextMarke | it.value();
}

bool Zeilentabelle::nurBlanks(Zelle z) const {
    if (z == Leer)
        return true;
    if (!istPooltext(z))
        return false;
    const QString& s = pooltext(z);
    return std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c == u' '; });
}

void Zeilentabelle::zeileLeeren(int r) {
    std::fill_n(zeile(r), spalten_, Leer);
}

void Zeilentabelle::umordnen(int ab, const std::vector<int>& ordnung) {
    // Built beside the old cells and swapped in: one copy of every cell, not two.
    const std::size_t breite = std::size_t(spalten_);
    std::vector<Zelle> neu(zellen_.size());
    std::copy_n(zellen_.begin(), std::size_t(ab) * breite, neu.begin());
    Zelle* ziel = neu.data() + std::size_t(ab) * breite;
    // A row of the row grid is copied with a width the compiler knows: no call per row.
    const auto zeilenKopieren = [&](auto konstanteBreite) {
        for (const int alt : ordnung) {
            const Zelle* quelle = zeile(alt);
            for (std::size_t k = 0; k < konstanteBreite; ++k)
                ziel[k] = quelle[k];
            ziel += konstanteBreite;
        }
    };
    if (breite == 9)
        zeilenKopieren(std::integral_constant<std::size_t, 9>());
    else
        zeilenKopieren(breite);
    std::copy(zellen_.begin() + std::ptrdiff_t(ziel - neu.data()), zellen_.end(), ziel);
    zellen_.swap(neu);
}

} // namespace core
