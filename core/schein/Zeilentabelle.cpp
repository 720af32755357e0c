#include "Zeilentabelle.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace core {

Zeilentabelle::Zeilentabelle(int spalten, int zeilen) : spalten_(spalten), zeilen_(0) {
    setZeilen(zeilen);
}

void Zeilentabelle::setZeilen(int n) {
    n = std::max(n, 0);
    zellen_.resize(std::size_t(n) * std::size_t(spalten_));
    zeilen_ = n;
}

void Zeilentabelle::zuschneiden(int n) {
    n = std::max(n, 0);
    zellen_.zuschneiden(std::size_t(n) * std::size_t(spalten_));
    zeilen_ = n;
}

void Zeilentabelle::zuruecksetzen(int zeilen) {
    zellen_.nullen(std::size_t(std::max(zeilen, 0)) * std::size_t(spalten_));
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

void Zeilentabelle::umordnen(int ab, std::vector<int> ordnung) {
    Grossfeld<int> platz(ordnung.size());
    umordnen(ab, ordnung, platz);
}

namespace {

// The two indexes of a reordering as ints.
struct Ganzzahlindex {
    std::span<int> feld;
    int operator[](std::size_t i) const { return feld[i]; }
    void setzen(std::size_t i, int wert) { feld[i] = wert; }
};

// In place, by swapping rows, so that sorting a large slip does not double its memory; two
// indexes per row keep track of what the swaps moved. wo[i]: where the row that belongs at ab + i
// lies now (counted from ab); ziel[i]: where the row that lies at ab + i now belongs.
template <typename Index> void zeilenTauschen(Zeilentabelle& t, int ab, Index& wo, Index& ziel, int n) {
    for (int i = 0; i < n; ++i)
        ziel.setzen(std::size_t(wo[std::size_t(i)]), i);
    // A row of the row grid is swapped with a width the compiler knows: no call per row.
    const auto tauschen = [&](auto breite) {
        for (int i = 0; i < n; ++i) {
            const int j = wo[std::size_t(i)];
            if (j == i)
                continue;
            std::swap_ranges(t.zeile(ab + i), t.zeile(ab + i) + breite, t.zeile(ab + j));
            const int z = ziel[std::size_t(i)];
            ziel.setzen(std::size_t(j), z);
            wo.setzen(std::size_t(z), j);
        }
    };
    if (t.spalten() == 9)
        tauschen(std::integral_constant<int, 9>());
    else
        tauschen(t.spalten());
}

} // namespace

void Zeilentabelle::umordnen(int ab, std::span<int> ordnung, std::span<int> platz) {
    for (int& i : ordnung)
        i -= ab;
    Ganzzahlindex wo{ordnung};
    Ganzzahlindex ziel{platz.first(ordnung.size())};
    zeilenTauschen(*this, ab, wo, ziel, int(ordnung.size()));
}

void Zeilentabelle::umordnen(int ab, Dreibyteindex& ordnung, Dreibyteindex& platz) {
    zeilenTauschen(*this, ab, ordnung, platz, int(ordnung.size()));
}

} // namespace core
