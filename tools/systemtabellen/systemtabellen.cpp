// systemtabellen: builds the row tables of the partial systems "11/66", "22/77", "26/130" and
// "12/132" and writes them as plain data into core/SystemTabellen.cpp.
//
// Run it from the build tree and let it rewrite the generated block of the source file:
//
//     cmake --build --preset dev --target systemtabellen
//     build/dev/tools/systemtabellen/systemtabellen core/SystemTabellen.cpp
//
// Without an argument it prints the generated block to standard output. It replaces only the lines
// between the markers "// BEGIN systemtabellen" and "// END systemtabellen" and leaves the rest of
// the file alone. Every run yields the same tables: the constructions and the searches are
// deterministic.
//
// How the tables come about:
//
// - S(5,6,12): the orbit of a 6-set of the projective line over GF(11) under PSL(2,11); the first
//   6-set in lexicographic order whose orbit is a Steiner system is taken.
// - 4-(11,6,3): the blocks of S(5,6,12) that do not contain one point.
// - S(3,6,22): the octads of the extended binary Golay code (an extended quadratic-residue code of
//   length 23) that contain two fixed coordinates, without these two.
// - S(3,6,26): the circles of the inversive plane of order 5, the images of the subline
//   GF(5) + {oo} of the projective line over GF(25) under the Moebius maps PGL(2,25).
//
// Each is checked to be the t-design it should be. Then a backtracking search gives the points the
// labels 1..v so that the fixed rows of each table (its first rows, its last row and a few others,
// listed in the functions below) are blocks, the rows are put into their stored order, and the whole
// table is checked against every fixed row and the order.
//
// Stored orders:
//
// - "12/132" and "22/77": ascending (lexicographic).
// - "11/66": ascending, except that 1 5 6 7 8 9 comes right after 1 5 6 8 10 11 instead of before it.
// - "26/130": with B0 = 1 2 3 4 5 6: first B0; then for each point i = 1..6 the blocks that meet B0
//   only in i, ascending, followed by the blocks that meet B0 in i and a larger point, ascending;
//   then the 30 blocks disjoint from B0, ascending, except that the eight of them that come last in
//   colexicographic order are put at the very end (ascending among themselves). This gives the
//   ascending runs of 5, 29, 24, 19, 14, 31 and 8 rows.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Block = std::uint32_t; // bit p set = point p (0-based)
using Reihe = std::array<int, 6>;
using Tabelle = std::vector<Reihe>;

int bits(Block b) {
    return __builtin_popcount(b);
}

[[noreturn]] void abbruch(const std::string& text) {
    std::fprintf(stderr, "systemtabellen: %s\n", text.c_str());
    std::exit(1);
}

// True when every t-set of the v points lies in exactly lambda blocks of size 6.
bool istDesign(const std::vector<Block>& bloecke, int v, int t, int lambda) {
    std::map<Block, int> anzahl;
    for (const Block b : bloecke) {
        if (bits(b) != 6)
            return false;
        std::vector<int> p;
        for (int i = 0; i < v; ++i)
            if (b >> i & 1U)
                p.push_back(i);
        std::vector<int> idx(static_cast<std::size_t>(t));
        for (int i = 0; i < t; ++i)
            idx[std::size_t(i)] = i;
        for (;;) {
            Block s = 0;
            for (const int i : idx)
                s |= 1U << p[std::size_t(i)];
            ++anzahl[s];
            int i = t - 1;
            while (i >= 0 && idx[std::size_t(i)] == 6 - t + i)
                --i;
            if (i < 0)
                break;
            ++idx[std::size_t(i)];
            for (int j = i + 1; j < t; ++j)
                idx[std::size_t(j)] = idx[std::size_t(j - 1)] + 1;
        }
    }
    long long teilmengen = 1;
    for (int i = 0; i < t; ++i)
        teilmengen = teilmengen * (v - i) / (i + 1);
    if (static_cast<long long>(anzahl.size()) != teilmengen)
        return false;
    return std::all_of(anzahl.begin(), anzahl.end(), [&](const auto& e) { return e.second == lambda; });
}

// --- S(5,6,12) from PSL(2,11) ---------------------------------------------------------------

std::vector<Block> witt12() {
    constexpr int P = 11, Unendlich = 11;
    auto inv = [](int x) {
        for (int y = 1; y < P; ++y)
            if (x * y % P == 1)
                return y;
        return 0;
    };
    std::set<std::array<int, 12>> gruppe;
    const std::set<int> quadrate = {1, 3, 4, 5, 9};
    for (int a = 0; a < P; ++a)
        for (int b = 0; b < P; ++b)
            for (int c = 0; c < P; ++c)
                for (int d = 0; d < P; ++d) {
                    if (!quadrate.count(((a * d - b * c) % P + P) % P))
                        continue;
                    std::array<int, 12> bild{};
                    for (int x = 0; x <= P; ++x) {
                        int z, n;
                        if (x == Unendlich) {
                            z = a;
                            n = c;
                        } else {
                            z = (a * x + b) % P;
                            n = (c * x + d) % P;
                        }
                        bild[std::size_t(x)] = n == 0 ? Unendlich : z * inv(n) % P;
                    }
                    gruppe.insert(bild);
                }
    if (gruppe.size() != 660)
        abbruch("PSL(2,11) hat nicht 660 Elemente");
    for (Block s = 0; s < (1U << 12); ++s) {
        if (bits(s) != 6)
            continue;
        std::set<Block> bahn;
        for (const auto& g : gruppe) {
            Block b = 0;
            for (int x = 0; x < 12; ++x)
                if (s >> x & 1U)
                    b |= 1U << g[std::size_t(x)];
            bahn.insert(b);
        }
        std::vector<Block> bloecke(bahn.begin(), bahn.end());
        if (bloecke.size() == 132 && istDesign(bloecke, 12, 5, 1))
            return bloecke;
    }
    abbruch("keine Bahn von PSL(2,11) ist ein S(5,6,12)");
}

// --- S(3,6,22) from the binary Golay code ---------------------------------------------------------

std::vector<Block> witt22() {
    constexpr int P = 23;
    std::set<int> quadrate;
    for (int x = 1; x < P; ++x)
        quadrate.insert(x * x % P);
    // The code spanned by the cyclic shifts of one of these words is a quadratic-residue code for the
    // right choice; the first candidate that extends to a [24,12,8] code is taken.
    std::vector<Block> kandidaten;
    for (int mitNull = 0; mitNull < 2; ++mitNull)
        for (int rest = 1; rest >= 0; --rest) {
            Block w = mitNull ? 1U : 0U;
            for (int x = 1; x < P; ++x)
                if (quadrate.count(x) == std::size_t(rest))
                    w |= 1U << x;
            kandidaten.push_back(w);
        }
    for (const Block w : kandidaten) {
        std::vector<Block> basis;
        for (int i = 0; i < P; ++i) {
            Block z = ((w << i) | (w >> (P - i))) & ((1U << P) - 1);
            for (const Block b : basis)
                z = std::min(z, z ^ b);
            if (z != 0) {
                basis.push_back(z);
                std::sort(basis.rbegin(), basis.rend());
            }
        }
        if (basis.size() != 12)
            continue;
        for (Block& b : basis)
            if (bits(b) % 2 != 0)
                b |= 1U << P;
        std::vector<Block> oktaden;
        int kleinstes = 24;
        for (std::uint32_t m = 1; m < (1U << 12); ++m) {
            Block c = 0;
            for (int i = 0; i < 12; ++i)
                if (m >> i & 1U)
                    c ^= basis[std::size_t(i)];
            kleinstes = std::min(kleinstes, bits(c));
            if (bits(c) == 8)
                oktaden.push_back(c);
        }
        if (kleinstes != 8 || oktaden.size() != 759)
            continue;
        std::vector<Block> bloecke;
        const Block fest = (1U << 22) | (1U << 23);
        for (const Block o : oktaden)
            if ((o & fest) == fest)
                bloecke.push_back(o & ~fest);
        std::sort(bloecke.begin(), bloecke.end());
        if (bloecke.size() == 77 && istDesign(bloecke, 22, 3, 1))
            return bloecke;
    }
    abbruch("kein Kandidat ergibt den Golay-Code");
}

// --- S(3,6,26): the inversive plane of order 5 ----------------------------------------------------

// GF(25) as a + 5b for a + b w with w^2 = 2 over GF(5).
int gfMal(int x, int y) {
    const int a = x % 5, b = x / 5, c = y % 5, d = y / 5;
    return (a * c + 2 * b * d) % 5 + 5 * ((a * d + b * c) % 5);
}
int gfPlus(int x, int y) {
    return (x % 5 + y % 5) % 5 + 5 * ((x / 5 + y / 5) % 5);
}
int gfMinus(int x) {
    return (5 - x % 5) % 5 + 5 * ((5 - x / 5) % 5);
}
int gfInvers(int x) {
    for (int y = 1; y < 25; ++y)
        if (gfMal(x, y) == 1)
            return y;
    return 0;
}

std::vector<Block> inversiveEbene26() {
    constexpr int Unendlich = 25;
    std::set<Block> kreise;
    for (int a = 0; a < 25; ++a)
        for (int b = 0; b < 25; ++b)
            for (int c = 0; c < 25; ++c)
                for (int d = 0; d < 25; ++d) {
                    if (gfPlus(gfMal(a, d), gfMinus(gfMal(b, c))) == 0)
                        continue;
                    Block k = 0;
                    for (const int x : {0, 1, 2, 3, 4, Unendlich}) {
                        int z, n;
                        if (x == Unendlich) {
                            z = a;
                            n = c;
                        } else {
                            z = gfPlus(gfMal(a, x), b);
                            n = gfPlus(gfMal(c, x), d);
                        }
                        k |= 1U << (n == 0 ? Unendlich : gfMal(z, gfInvers(n)));
                    }
                    kreise.insert(k);
                }
    std::vector<Block> bloecke(kreise.begin(), kreise.end());
    if (bloecke.size() != 130 || !istDesign(bloecke, 26, 3, 1))
        abbruch("die Kreise der inversiven Ebene sind kein S(3,6,26)");
    return bloecke;
}

// --- relabelling search ---------------------------------------------------------------------------

// The blocks in labels 1..v (bild[label] = point), each ascending, the table ascending.
Tabelle umbenannt(const std::vector<Block>& bloecke, const std::vector<int>& bild, int v) {
    std::vector<int> label(std::size_t(v), 0);
    for (int l = 1; l <= v; ++l)
        label[std::size_t(bild[std::size_t(l)])] = l;
    Tabelle t;
    for (const Block b : bloecke) {
        Reihe r{};
        std::size_t k = 0;
        for (int p = 0; p < v; ++p)
            if (b >> p & 1U)
                r[k++] = label[std::size_t(p)];
        std::sort(r.begin(), r.end());
        t.push_back(r);
    }
    std::sort(t.begin(), t.end());
    return t;
}

// Gives the points the labels 1..v in turn; a label is kept only while every required row that
// has labels placed so far can still become a block. At the end `ordnen` puts the relabelled
// (ascending) table into its stored order or refuses it.
class Umbenennung {
public:
    Umbenennung(std::vector<Block> bloecke, int v, std::vector<Reihe> pflicht,
                std::function<bool(Tabelle&)> ordnen)
        : bloecke_(std::move(bloecke)), v_(v), pflicht_(std::move(pflicht)), ordnen_(std::move(ordnen)) {}

    Tabelle suchen() {
        bild_.assign(std::size_t(v_) + 1, -1);
        frei_ = (1U << v_) - 1;
        if (!schritt(1))
            abbruch("keine Benennung erfuellt die Vorgaben");
        return ergebnis_;
    }

private:
    bool moeglich(int label) const {
        for (const Reihe& r : pflicht_) {
            if (std::find(r.begin(), r.end(), label) == r.end())
                continue;
            Block s = 0;
            for (const int l : r)
                if (l <= label)
                    s |= 1U << bild_[std::size_t(l)];
            if (bits(s) < 2)
                continue;
            if (std::none_of(bloecke_.begin(), bloecke_.end(), [s](Block b) { return (b & s) == s; }))
                return false;
        }
        return true;
    }

    bool schritt(int label) {
        if (label > v_) {
            ergebnis_ = umbenannt(bloecke_, bild_, v_);
            return ordnen_(ergebnis_);
        }
        for (int p = 0; p < v_; ++p) {
            if (!(frei_ >> p & 1U))
                continue;
            bild_[std::size_t(label)] = p;
            frei_ &= ~(1U << p);
            if (moeglich(label) && schritt(label + 1))
                return true;
            frei_ |= 1U << p;
        }
        return false;
    }

    std::vector<Block> bloecke_;
    int v_;
    std::vector<Reihe> pflicht_;
    std::function<bool(Tabelle&)> ordnen_;
    std::vector<int> bild_;
    Block frei_ = 0;
    Tabelle ergebnis_;
};

bool zeileIst(const Tabelle& t, int zeile, const Reihe& r) {
    return zeile >= 1 && std::size_t(zeile) <= t.size() && t[std::size_t(zeile) - 1] == r;
}

// Row numbers (1-based) after which the order descends.
std::vector<int> abstiege(const Tabelle& t) {
    std::vector<int> a;
    for (std::size_t i = 1; i < t.size(); ++i)
        if (!(t[i - 1] < t[i]))
            a.push_back(int(i));
    return a;
}

// --- the four tables ------------------------------------------------------------------------------

Tabelle tabelle12_132(const std::vector<Block>& s5612) {
    const std::vector<Reihe> vorgaben = {
        {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 7, 10}, {1, 2, 3, 4, 8, 11}, {1, 2, 3, 4, 9, 12}};
    Umbenennung u(s5612, 12, vorgaben, [&](Tabelle& t) {
        for (int i = 0; i < 4; ++i)
            if (!zeileIst(t, i + 1, vorgaben[std::size_t(i)]))
                return false;
        return zeileIst(t, 132, {7, 8, 9, 10, 11, 12});
    });
    return u.suchen();
}

Tabelle tabelle11_66(const std::vector<Block>& s5612) {
    std::vector<Block> bloecke;
    for (const Block b : s5612)
        if (!(b >> 11 & 1U))
            bloecke.push_back(b);
    if (!istDesign(bloecke, 11, 4, 3))
        abbruch("die Bloecke ohne einen Punkt sind kein 4-(11,6,3)");
    const Reihe r34 = {1, 5, 6, 8, 10, 11}, r35 = {1, 5, 6, 7, 8, 9};
    const std::vector<Reihe> vorgaben = {
        {1, 2, 3, 4, 6, 11}, {1, 2, 3, 4, 7, 8}, {1, 2, 3, 4, 9, 10}, r34, r35, {6, 7, 8, 9, 10, 11}};
    Umbenennung u(bloecke, 11, vorgaben, [&](Tabelle& t) {
        // In ascending order 1 5 6 7 8 9 must be row 34 with 1 5 6 8 10 11 right after it.
        if (!zeileIst(t, 34, r35) || !zeileIst(t, 35, r34))
            return false;
        std::swap(t[33], t[34]);
        for (int i = 0; i < 3; ++i)
            if (!zeileIst(t, i + 1, vorgaben[std::size_t(i)]))
                return false;
        return zeileIst(t, 66, {6, 7, 8, 9, 10, 11});
    });
    return u.suchen();
}

Tabelle tabelle22_77(const std::vector<Block>& s3622) {
    const std::vector<Reihe> vorgaben = {
        {1, 2, 3, 4, 5, 6},     {1, 2, 7, 8, 9, 10},   {1, 2, 11, 12, 13, 14},  {1, 2, 15, 16, 17, 18},
        {1, 2, 19, 20, 21, 22}, {1, 3, 7, 11, 15, 19}, {13, 14, 16, 18, 20, 21}};
    Umbenennung u(s3622, 22, vorgaben, [&](Tabelle& t) {
        for (int i = 0; i < 6; ++i)
            if (!zeileIst(t, i + 1, vorgaben[std::size_t(i)]))
                return false;
        return zeileIst(t, 77, vorgaben[6]);
    });
    return u.suchen();
}

// The stored order of "26/130" (see the top of this file) from the ascending table.
Tabelle ordnung26(const Tabelle& aufsteigend) {
    auto inB0 = [](int p) { return p <= 6; };
    Tabelle t;
    std::vector<bool> genommen(aufsteigend.size(), false);
    auto nimm = [&](auto bedingung) {
        for (std::size_t i = 0; i < aufsteigend.size(); ++i)
            if (!genommen[i] && bedingung(aufsteigend[i])) {
                genommen[i] = true;
                t.push_back(aufsteigend[i]);
            }
    };
    auto schnitt = [&](const Reihe& r) {
        std::vector<int> s;
        for (const int p : r)
            if (inB0(p))
                s.push_back(p);
        return s;
    };
    nimm([&](const Reihe& r) { return schnitt(r).size() == 6; });
    for (int i = 1; i <= 6; ++i) {
        nimm([&](const Reihe& r) { return schnitt(r) == std::vector<int>{i}; });
        nimm([&](const Reihe& r) {
            const auto s = schnitt(r);
            return s.size() == 2 && s[0] == i;
        });
    }
    Tabelle fremd;
    for (std::size_t i = 0; i < aufsteigend.size(); ++i)
        if (!genommen[i])
            fremd.push_back(aufsteigend[i]);
    Tabelle colex = fremd;
    std::sort(colex.begin(), colex.end(), [](const Reihe& a, const Reihe& b) {
        return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
    });
    const std::set<Reihe> zuletzt(colex.end() - std::min<std::ptrdiff_t>(8, std::ptrdiff_t(colex.size())),
                                  colex.end());
    for (const Reihe& r : fremd)
        if (!zuletzt.count(r))
            t.push_back(r);
    for (const Reihe& r : fremd)
        if (zuletzt.count(r))
            t.push_back(r);
    return t;
}

Tabelle tabelle26_130(const std::vector<Block>& s3626) {
    const std::vector<Reihe> vorgaben = {
        {1, 2, 3, 4, 5, 6},      {1, 7, 8, 9, 10, 11},   {1, 12, 13, 14, 15, 16}, {1, 17, 18, 19, 20, 21},
        {1, 22, 23, 24, 25, 26}, {1, 2, 7, 12, 17, 22},  {1, 2, 8, 13, 18, 23},   {1, 2, 9, 14, 19, 24},
        {1, 2, 10, 15, 20, 25},  {1, 2, 11, 16, 21, 26}, {1, 3, 7, 13, 19, 25},   {15, 16, 17, 20, 22, 26}};
    Umbenennung u(s3626, 26, vorgaben, [&](Tabelle& t) {
        t = ordnung26(t);
        for (int i = 0; i < 11; ++i)
            if (!zeileIst(t, i + 1, vorgaben[std::size_t(i)]))
                return false;
        return zeileIst(t, 130, vorgaben[11]) && abstiege(t) == std::vector<int>{5, 34, 58, 77, 91, 122};
    });
    return u.suchen();
}

// --- output ---------------------------------------------------------------------------------------

std::string ausgabe(const std::string& name, const Tabelle& t) {
    std::ostringstream s;
    s << "constexpr Reihe " << name << "[" << t.size() << "] = {\n";
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i % 3 == 0)
            s << "   ";
        char zelle[64];
        std::snprintf(zelle, sizeof zelle, " /* %3zu */ {%d, %d, %d, %d, %d, %d},", i + 1, t[i][0], t[i][1],
                      t[i][2], t[i][3], t[i][4], t[i][5]);
        s << zelle;
        if (i % 3 == 2 || i + 1 == t.size())
            s << "\n";
    }
    s << "};\n";
    return s.str();
}

void einsetzen(const std::string& datei, const std::string& block) {
    std::ifstream ein(datei);
    if (!ein)
        abbruch("kann " + datei + " nicht lesen");
    std::vector<std::string> zeilen;
    for (std::string z; std::getline(ein, z);)
        zeilen.push_back(z);
    ein.close();
    auto anfang = std::find_if(zeilen.begin(), zeilen.end(), [](const std::string& z) {
        return z.rfind("// BEGIN systemtabellen", 0) == 0;
    });
    auto ende = std::find_if(anfang, zeilen.end(),
                             [](const std::string& z) { return z.rfind("// END systemtabellen", 0) == 0; });
    if (anfang == zeilen.end() || ende == zeilen.end())
        abbruch("die Marken fehlen in " + datei);
    std::ostringstream s;
    for (auto it = zeilen.begin(); it <= anfang; ++it)
        s << *it << "\n";
    s << block;
    for (auto it = ende; it != zeilen.end(); ++it)
        s << *it << "\n";
    std::ofstream aus(datei, std::ios::trunc);
    aus << s.str();
    if (!aus)
        abbruch("kann " + datei + " nicht schreiben");
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<Block> s5612 = witt12();
    const std::vector<Block> s3622 = witt22();
    const std::vector<Block> s3626 = inversiveEbene26();

    std::string block;
    block += ausgabe("Tabelle11_66", tabelle11_66(s5612));
    block += ausgabe("Tabelle22_77", tabelle22_77(s3622));
    block += ausgabe("Tabelle26_130", tabelle26_130(s3626));
    block += ausgabe("Tabelle12_132", tabelle12_132(s5612));

    if (argc > 1)
        einsetzen(argv[1], block);
    else
        std::fputs(block.c_str(), stdout);
    return 0;
}
