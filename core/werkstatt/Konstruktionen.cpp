#include "Konstruktionen.h"

#include "core/systeme/SystemTabellen.h"
#include "core/systeme/TSystemDef.h"
#include "core/werkstatt/Garantiepruefung.h"
#include "core/werkstatt/Kombinatorik.h"
#include "core/werkstatt/Parallelklassen.h"
#include "core/werkstatt/Ueberdeckung.h"

#include <algorithm>
#include <array>
#include <bit>
#include <future>
#include <limits>
#include <map>
#include <tuple>

namespace core {
namespace {

std::uint64_t bit(int p) {
    return std::uint64_t(1) << p;
}

struct Katalogsystem {
    QString name;
    int zahlen = 0;
    std::vector<std::uint64_t> reihen;
    std::array<int, 7> sicher{};
};

// The partial systems of the catalogue with what they guarantee, worked out once.
const std::vector<Katalogsystem>& katalog() {
    static const std::vector<Katalogsystem> k = [] {
        std::vector<Katalogsystem> alle;
        for (int i = ErstesTeilsystem; i <= LetztesTeilsystem; ++i) {
            Katalogsystem s;
            s.name = QString::fromLatin1(System(i).Name.data(), qsizetype(System(i).Name.size()));
            s.zahlen = System(i).Anzahl;
            for (const TeilsystemReihe& r : TeilsystemTabelle(i)) {
                std::uint64_t m = 0;
                for (const std::uint8_t p : r)
                    m |= bit(p - 1);
                s.reihen.push_back(m);
            }
            Garantiepruefung::Optionen o;
            o.verteilung = false;
            o.threads = 1;
            s.sicher = Garantiepruefung::pruefen(s.reihen, s.zahlen, o).sicher;
            alle.push_back(std::move(s));
        }
        return alle;
    }();
    return k;
}

// Short rows (of products, of designs induced on fewer numbers) filled up with the smallest
// numbers they lack catch as much; a row that is there twice stays once.
void auffuellen(std::vector<std::uint64_t>& reihen, int n, int k) {
    for (std::uint64_t& r : reihen)
        for (int p = 0; p < n && std::popcount(r) < k; ++p)
            r |= bit(p);
    std::sort(reihen.begin(), reihen.end());
    reihen.erase(std::unique(reihen.begin(), reihen.end()), reihen.end());
}

// The design on the numbers 0..n-1 left when the others are taken out: rows that lost numbers
// are filled up with the smallest numbers they lack, and a row that is there twice stays once.
// Every m-set of the rest is an m-set of the whole, so the guarantee carries over.
std::vector<std::uint64_t> induzieren(const std::vector<std::uint64_t>& reihen, int n, int k) {
    std::vector<std::uint64_t> neu;
    for (const std::uint64_t r : reihen)
        neu.push_back(r & (bit(n) - 1));
    auffuellen(neu, n, k);
    return neu;
}

// The rows through the last number, without it: a design with rows of k-1 numbers out of n-1 in
// which every (t-1)-set lies in a row (the derived design).
std::vector<std::uint64_t> ableiten(const std::vector<std::uint64_t>& reihen, int n) {
    std::vector<std::uint64_t> neu;
    for (const std::uint64_t r : reihen)
        if (r & bit(n - 1))
            neu.push_back(r & ~bit(n - 1));
    return neu;
}

// Known designs with rows of k numbers for "t wenn m" on n numbers, from the catalogue directly,
// derived at a number, and induced on fewer numbers.
std::vector<Konstruktionen::Entwurf> bekannte(int n, int k, int t, int m) {
    std::vector<Konstruktionen::Entwurf> alle;
    for (const Katalogsystem& s : katalog()) {
        if (k == 6 && s.zahlen >= n && s.sicher[std::size_t(m)] >= t) {
            Konstruktionen::Entwurf e;
            e.herkunft = s.zahlen == n ? QStringLiteral("Katalogsystem %1").arg(s.name)
                                       : QStringLiteral("aus dem Katalogsystem %1").arg(s.name);
            e.reihen = induzieren(s.reihen, n, k);
            alle.push_back(std::move(e));
        }
        // deriving keeps "t wenn t" one lower
        if (k == 5 && m == t && s.zahlen - 1 >= n && s.sicher[std::size_t(t + 1)] >= t + 1) {
            Konstruktionen::Entwurf e;
            e.herkunft = QStringLiteral("abgeleitet aus dem Katalogsystem %1").arg(s.name);
            e.reihen = induzieren(ableiten(s.reihen, s.zahlen), n, k);
            alle.push_back(std::move(e));
        }
    }
    return alle;
}

// Builds designs by adding a few numbers to a smaller one. With the numbers split into A (the
// first a) and B (the last b), a t-set has i numbers in A and t-i in B; rows X + Y whose parts
// run through a design of A that holds every i1-set and one of B that holds every i2-set catch
// every t-set with i <= i1 and t-i <= i2. The cheapest choice of such products that catches every
// split wins. Small designs on the way come from a short search with a fixed seed, so the result
// is the same every time.
class Anbau {
public:
    Anbau(std::int64_t suchschritte, std::function<bool()> stop)
        : suchschritte_(suchschritte), stop_(std::move(stop)) {}

    // A design (rows over 0..n-1 with up to k numbers) in which every t-set lies in a row.
    const std::vector<std::uint64_t>& bauen(int n, int k, int t, int tiefe) {
        const auto schluessel = std::make_tuple(n, k, t, tiefe);
        if (const auto f = fertig_.find(schluessel); f != fertig_.end())
            return f->second;
        std::vector<std::uint64_t> bestes = einfach(n, k, t);
        auto nimm = [&](std::vector<std::uint64_t> r) {
            if (!r.empty() && (bestes.empty() || r.size() < bestes.size()))
                bestes = std::move(r);
        };
        for (const Konstruktionen::Entwurf& e : bekannte(n, k, t, t))
            nimm(e.reihen);
        if (bestes.empty() || bestes.size() > 1) {
            if (k < 6 || Kombinatorik::binom(n, t) <= 1500)
                nimm(gesucht(n, k, t));
            for (int b = 1; tiefe > 0 && b <= 3 && n - b >= k; ++b)
                nimm(anbauen(n - b, b, k, t, tiefe - 1));
        }
        return fertig_[schluessel] = bestes;
    }

private:
    // The cases that need no search: nothing to hold, one row for all, a partition.
    static std::vector<std::uint64_t> einfach(int n, int k, int t) {
        if (t <= 0 || k >= n)
            return {bit(std::min(k, n)) - 1};
        if (t == 1) {
            std::vector<std::uint64_t> r;
            for (int p = 0; p < n; p += k)
                r.push_back((bit(std::min(p + k, n)) - 1) & ~(bit(p) - 1));
            return r;
        }
        if (t == k && Kombinatorik::binom(n, k) <= 64) {
            std::vector<std::uint64_t> r;
            for (std::int64_t i = 0; i < Kombinatorik::binom(n, k); ++i)
                r.push_back(Kombinatorik::mengeAus(i, k));
            return r;
        }
        return {};
    }

    std::vector<std::uint64_t> gesucht(int n, int k, int t) const {
        const Ueberdeckung::Aufgabe a{n, k, t, t};
        if (!Ueberdeckung::machbar(a))
            return {};
        Ueberdeckung u(a, 0x5EED);
        Ueberdeckung::Gluehen g;
        g.schritte = 5000;
        g.runde = 50000;
        g.t0 = 0.4;
        g.t1 = 0.02;
        return u.verkleinern(suchschritte_, g, stop_);
    }

    // The design of A keeps adding numbers; the smaller parts may add one step of their own.
    static int zutatTiefe(int j, int i1, int t, int tiefe) {
        return i1 == t && j == 0 ? tiefe : std::min(tiefe, 1);
    }

    std::vector<std::uint64_t> anbauen(int a, int b, int k, int t, int tiefe) {
        // without a design of A for all t-sets nothing else is worth building
        if (bauen(a, k, t, tiefe).empty())
            return {};
        // the splits (i in A, t-i in B) that occur, as indices 0..; a family covers a range of them
        const int kleinstes = std::max(0, t - b);
        const int groesstes = std::min(t, a);
        const int arten = groesstes - kleinstes + 1;
        struct Familie {
            int j, i1, i2;
            std::size_t kosten;
        };
        std::vector<Familie> familien;
        for (int j = 0; j <= std::min(k, b); ++j)
            for (int i1 = 0; i1 <= std::min(t, k - j); ++i1)
                for (int i2 = std::max(0, t - i1); i2 <= std::min(t, j); ++i2) {
                    const std::size_t x = bauen(a, k - j, i1, zutatTiefe(j, i1, t, tiefe)).size();
                    const std::size_t y = bauen(b, j, i2, 0).size();
                    if (x > 0 && y > 0)
                        familien.push_back({j, i1, i2, x * y});
                }
        // cheapest cover of the splits by ranges [t - i2, i1]
        const std::size_t nie = std::size_t(-1);
        std::vector<std::size_t> kosten(std::size_t(arten + 1), nie);
        std::vector<std::pair<int, int>> weg(std::size_t(arten + 1), {-1, -1}); // family, from
        kosten[0] = 0;
        for (int bis = 1; bis <= arten; ++bis)
            for (std::size_t f = 0; f < familien.size(); ++f) {
                const int lo = std::max(t - familien[f].i2, kleinstes) - kleinstes;
                const int hi = std::min(familien[f].i1, groesstes) - kleinstes;
                if (hi != bis - 1 || lo > hi)
                    continue;
                for (int von = lo; von <= hi; ++von)
                    if (kosten[std::size_t(von)] != nie &&
                        kosten[std::size_t(von)] + familien[f].kosten < kosten[std::size_t(bis)]) {
                        kosten[std::size_t(bis)] = kosten[std::size_t(von)] + familien[f].kosten;
                        weg[std::size_t(bis)] = {int(f), von};
                    }
            }
        if (kosten[std::size_t(arten)] == nie)
            return {};
        std::vector<std::uint64_t> reihen;
        for (int bis = arten; bis > 0;) {
            const auto [f, von] = weg[std::size_t(bis)];
            const Familie& fam = familien[std::size_t(f)];
            const std::vector<std::uint64_t>& xs =
                bauen(a, k - fam.j, fam.i1, zutatTiefe(fam.j, fam.i1, t, tiefe));
            const std::vector<std::uint64_t>& ys = bauen(b, fam.j, fam.i2, 0);
            for (const std::uint64_t x : xs)
                for (const std::uint64_t y : ys)
                    reihen.push_back(x | (y << a));
            bis = von;
        }
        std::sort(reihen.begin(), reihen.end());
        reihen.erase(std::unique(reihen.begin(), reihen.end()), reihen.end());
        return reihen;
    }

    std::int64_t suchschritte_;
    std::function<bool()> stop_;
    std::map<std::tuple<int, int, int, int>, std::vector<std::uint64_t>> fertig_;
};

// Joins two parts A (the first a numbers) and B (the other b) for "3 wenn 3" with rows of six:
// class i of a resolvable cover of A's pairs by triples goes with class i of one of B (the part
// with fewer classes takes its own again in turn), every block of the one with every block of the
// other. A pair of A then meets every number of B in a row, and a pair of B every number of A; a
// design of each part holds the triples inside it. Two such covers with r classes cost
// r * ceil(a/3) * ceil(b/3) rows, close to the triples across the parts divided by 18.
class Haelften {
public:
    Haelften(Anbau& anbau, std::int64_t suchschritte, std::function<bool()> stop)
        : anbau_(anbau), schritte_(80 * suchschritte), stop_(std::move(stop)) {}

    // The smallest such design for n numbers, its parts made the same way where that is smaller.
    const std::vector<std::uint64_t>& bauen(int n) {
        if (const auto f = fertig_.find(n); f != fertig_.end())
            return f->second;
        // the splits in the order of what they cost at best, as long as that may beat the best
        // so far; a cover has often more classes than conceivable
        std::vector<std::uint64_t> bestes;
        int versuche = 0;
        for (const auto& [wenigstens, a] : teilungen(n)) {
            if (versuche++ == 3 || (!bestes.empty() && wenigstens >= std::int64_t(bestes.size())))
                break;
            std::vector<std::uint64_t> r = verbinden(a, n - a);
            if (!r.empty() && (bestes.empty() || r.size() < bestes.size()))
                bestes = std::move(r);
        }
        return fertig_[n] = std::move(bestes);
    }

    // What bauen(n) gives at least: -1 when n cannot be split.
    static std::int64_t hoffnung(int n) {
        const auto t = teilungen(n);
        return t.empty() ? -1 : t.front().first;
    }

private:
    // Parts below 9 numbers join dearer than a few numbers added; above 24 the covers take long.
    static constexpr int KleinsterTeil = 9;
    static constexpr int GroessterTeil = 24;

    // The sizes of the first part, each with the rows its split would cost at best, fewest first.
    static std::vector<std::pair<std::int64_t, int>> teilungen(int n) {
        std::vector<std::pair<std::int64_t, int>> t;
        for (int a = KleinsterTeil; a <= n / 2; ++a)
            if (n - a <= GroessterTeil)
                t.push_back({hoffnung(a, n - a), a});
        std::sort(t.begin(), t.end());
        return t;
    }

    // The fewest classes conceivable and parts no larger than the triples they hold over 20.
    static std::int64_t hoffnung(int a, int b) {
        const int klassen = std::max(Parallelklassen::mindestens(a), Parallelklassen::mindestens(b));
        return std::int64_t(klassen) * Parallelklassen::bloecke(a) * Parallelklassen::bloecke(b) +
               Kombinatorik::binom(a, 3) / 20 + Kombinatorik::binom(b, 3) / 20;
    }

    // A design of one part: the smaller of the ones put together by adding numbers and by halves.
    const std::vector<std::uint64_t>& teil(int n) {
        const std::vector<std::uint64_t>& angebaut = anbau_.bauen(n, 6, 3, 3);
        if (hoffnung(n) < 0 || hoffnung(n) >= std::int64_t(angebaut.size()))
            return angebaut;
        const std::vector<std::uint64_t>& geteilt = bauen(n);
        return geteilt.empty() || geteilt.size() >= angebaut.size() ? angebaut : geteilt;
    }

    // The cover with the fewest classes found for n numbers, tried from the least conceivable.
    std::vector<std::vector<std::uint64_t>> decken(int n) const {
        std::vector<std::vector<std::uint64_t>> k;
        for (int r = Parallelklassen::mindestens(n); k.empty() && r <= Parallelklassen::mindestens(n) + 2;
             ++r)
            k = Parallelklassen::suchen(n, r, schritte_, 0x5EED + std::uint64_t(r), stop_);
        return k;
    }

    std::vector<std::uint64_t> verbinden(int a, int b) {
        // the covers not known yet on other cores while this one builds the parts
        std::map<int, std::future<std::vector<std::vector<std::uint64_t>>>> spaeter;
        for (const int n : {a, b})
            if (!klassen_.count(n) && !spaeter.count(n))
                spaeter[n] = std::async(std::launch::async, [this, n] { return decken(n); });
        const std::vector<std::uint64_t> da = teil(a);
        const std::vector<std::uint64_t> db = teil(b);
        for (auto& [n, f] : spaeter)
            klassen_[n] = f.get();
        const auto& ka = klassen_[a];
        const auto& kb = klassen_[b];
        if (ka.empty() || kb.empty() || da.empty() || db.empty())
            return {};
        std::vector<std::uint64_t> reihen = da;
        for (const std::uint64_t y : db)
            reihen.push_back(y << a);
        for (std::size_t i = 0; i < std::max(ka.size(), kb.size()); ++i)
            for (const std::uint64_t x : ka[i % ka.size()])
                for (const std::uint64_t y : kb[i % kb.size()])
                    reihen.push_back(x | (y << a));
        return reihen;
    }

    Anbau& anbau_;
    std::int64_t schritte_;
    std::function<bool()> stop_;
    std::map<int, std::vector<std::vector<std::uint64_t>>> klassen_;
    std::map<int, std::vector<std::uint64_t>> fertig_;
};

} // namespace

bool Konstruktionen::gilt(const std::vector<std::uint64_t>& reihen, int n, int t, int m) {
    return Garantiepruefung::garantiePruefen(reihen, n, Garantie{t, m}, 1).loecher == 0;
}

std::vector<Konstruktionen::Entwurf> Konstruktionen::fuer(int n, int k, int t, int m,
                                                          std::int64_t suchschritte,
                                                          const std::function<bool()>& stop,
                                                          std::size_t genug) {
    std::vector<Entwurf> alle = bekannte(n, k, t, m);
    const bool erreicht =
        std::any_of(alle.begin(), alle.end(), [&](const Entwurf& e) { return e.reihen.size() <= genug; });
    // for t = 2 the search alone does better
    if (!erreicht && m == t && t >= 3 && n <= 45) {
        Anbau anbau(suchschritte, stop);
        Entwurf e;
        e.herkunft = QStringLiteral("aus kleineren Systemen zusammengesetzt");
        e.reihen = anbau.bauen(n, k, t, 3);
        auffuellen(e.reihen, n, k);
        const std::int64_t angebaut =
            e.reihen.empty() ? std::numeric_limits<std::int64_t>::max() : std::int64_t(e.reihen.size());
        if (!e.reihen.empty())
            alle.push_back(std::move(e));
        // the parts' covers take a while: only where they may come out smaller
        if (t == 3 && k == 6 && Haelften::hoffnung(n) >= 0 && Haelften::hoffnung(n) < angebaut) {
            Entwurf h;
            h.herkunft = QStringLiteral("aus zwei Hälften zusammengesetzt");
            h.reihen = Haelften(anbau, suchschritte, stop).bauen(n);
            auffuellen(h.reihen, n, k);
            if (!h.reihen.empty())
                alle.push_back(std::move(h));
        }
    }
    // Offered only what a count confirms.
    std::erase_if(alle, [&](const Entwurf& e) { return e.reihen.empty() || !gilt(e.reihen, n, t, m); });
    std::stable_sort(alle.begin(), alle.end(),
                     [](const Entwurf& a, const Entwurf& b) { return a.reihen.size() < b.reihen.size(); });
    return alle;
}

} // namespace core
