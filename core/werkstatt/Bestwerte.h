#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace core {

// One cell of the yardstick: rows of six that guarantee t right when t winning numbers are
// among v chosen numbers (the covering design C(v,6,t)).
struct Bestwert {
    int v = 0;
    int t = 0;
    int bester = 0;     // smallest number of rows known
    int untere = 0;     // best proven lower bound
    int schoenheim = 0; // Schönheim's bound
    QString stand;      // date of the last improvement of `bester`
};

// What a built system is measured against, for any numbers, bankers and guarantee.
struct Massstab {
    // From the table, only for six free numbers a row (no bankers) and m == t.
    std::optional<int> besterBekannter;
    std::optional<int> untereSchranke;
    // m == t: Schönheim's bound for the free numbers; m > t: the counting bound (every m-set
    // needs a row that meets it in t numbers), since Schönheim's bound is for m == t only.
    std::int64_t schranke = 0;
    bool gezaehlt = false;
    // For m > t: the best known value of "t wenn t", which every "t wenn m" can do with.
    std::optional<int> besterFuerTwennT;
    int t = 0;

    // "Bester bekannter Wert: 77 Reihen"; where none is known "Schönheim-Schranke: 9.968 Reihen"
    // or, for m > t, "Untere Schranke: 12 Reihen" followed by the best known value of t wenn t.
    QString text() const;
};

// The yardstick shipped with the program (La Jolla Covering Repository, Daniel M. Gordon,
// CC BY 4.0), a Qt resource compiled into the core.
class Bestwerte {
public:
    // The shipped table, read once.
    static const Bestwerte& mitgeliefert();
    // Reads the comma-separated table; lines starting with '#' are comments, the first other line
    // names the columns. Throws Fehler naming the line that cannot be read.
    static Bestwerte lesen(QStringView text);
    // The source as it must be named wherever the values are shown.
    static QString quelle();

    std::optional<Bestwert> wert(int v, int t) const;
    const std::vector<Bestwert>& alle() const { return werte_; }

    // v chosen numbers, `bank` of them bankers, guarantee t wenn m.
    Massstab massstab(int v, int t, int m, int bank = 0) const;

private:
    std::vector<Bestwert> werte_;
};

} // namespace core
