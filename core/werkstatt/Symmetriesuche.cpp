#include "Symmetriesuche.h"

#include "core/werkstatt/Bahnen.h"
#include "core/werkstatt/Bahnenwahl.h"
#include "core/werkstatt/Kombinatorik.h"
#include "core/werkstatt/Verteilung.h"

#include <QString>

#include <algorithm>
#include <condition_variable>
#include <limits>
#include <mutex>

namespace core {
namespace {

// A group a symmetric system is sought under: a rotation of `kreise` cycles of `laenge` numbers,
// the other numbers fixed; or (primzahl > 0) the maps x -> a*x + b modulo that prime, a out of a
// group of `ordnung` factors, the other numbers fixed.
struct Gruppe {
    int laenge = 0;
    int kreise = 1;
    int platz = 0; // in the list of groups: the seed goes by it, not by the order they are tried in
    int primzahl = 0;
    int ordnung = 0;

    Bahnen bahnen(int n, int t) const {
        return primzahl > 0 ? Bahnen::affin(n, t, primzahl, ordnung) : Bahnen(n, t, laenge, kreise);
    }
    QString text() const {
        if (primzahl > 0)
            return QStringLiteral("symmetrisch unter den Abbildungen x → a·x + b modulo %1 mit %2 Faktoren a")
                .arg(primzahl)
                .arg(ordnung);
        if (kreise > 1)
            return QStringLiteral("symmetrisch unter einer Drehung von %1 Kreisen zu %2 Zahlen")
                .arg(kreise)
                .arg(laenge);
        return QStringLiteral("symmetrisch unter einer Drehung von %1 Zahlen").arg(laenge);
    }
};

// The rotations tried: up to four cycles of equal length and up to two fixed numbers. For t = 2
// after them also many short cycles and up to four fixed numbers: there one row per orbit of a
// long cycle covers far too few of the pairs for the rows to be fitted closely (two orbits of 35
// for 35 numbers against a best known 42), and the small orbits of cycles of five or seven let
// them be fitted to a few rows. For t >= 3 after them the maps x -> a*x + b modulo a prime of
// the numbers (up to two fixed): larger groups, far fewer orbits to choose, and among them are
// systems that no rotation alone gives.
std::vector<Gruppe> drehgruppen(int n, int t) {
    std::vector<Gruppe> g;
    auto nehmen = [&](int kreise, int fest) {
        if ((n - fest) % kreise == 0 && (n - fest) / kreise >= 5)
            g.push_back({(n - fest) / kreise, kreise, int(g.size())});
    };
    for (int kreise = 1; kreise <= 4; ++kreise)
        for (int fest = 0; fest <= 2; ++fest)
            nehmen(kreise, fest);
    if (t == 2)
        for (int kreise = 1; kreise <= n / 5; ++kreise)
            for (int fest = 0; fest <= 4; ++fest)
                if (kreise > 4 || fest > 2)
                    nehmen(kreise, fest);
    if (t >= 3)
        for (int ordnung = 2; ordnung <= 12; ++ordnung)
            for (int fest = 0; fest <= 2; ++fest)
                if (const int p = n - fest; p >= 7 && Bahnen::primzahl(p) && (p - 1) % ordnung == 0)
                    g.push_back({p * ordnung, 1, int(g.size()), p, ordnung});
    return g;
}

// A system that the group maps onto itself, found as one row per orbit: smaller searches, and
// for many numbers often a better start than any greedy cover.
std::vector<std::uint64_t> symmetrischSuchen(const Ueberdeckung::Aufgabe& a, const Gruppe& gruppe,
                                             std::uint64_t saat, std::int64_t schritte, std::int64_t ziel,
                                             const std::function<bool()>& stop,
                                             const std::function<void(std::int64_t)>& besser) {
    const Bahnen bahnen = gruppe.bahnen(a.n, a.t);
    if (Bahnenwahl::machbar(bahnen, a.n, a.k))
        return Bahnenwahl(bahnen, a.n, a.k).suchen(saat, schritte, ziel, stop, besser);
    Ueberdeckung u(a, saat, &bahnen);
    Ueberdeckung::Gluehen g;
    g.schritte = 5000;
    g.runde = 100000;
    g.t0 = 0.5;
    g.t1 = 0.05;
    u.gierigAuffuellen();
    u.ueberfluessigeEntfernen();
    std::vector<std::uint64_t> bestes = bahnen.ausbreiten(u.reihen());
    while (u.schritteGesamt() < schritte && !(stop && stop())) {
        if (u.offen() == 0) {
            bestes = bahnen.ausbreiten(u.reihen());
            if (besser)
                besser(std::int64_t(bestes.size()));
            if (std::int64_t(bestes.size()) <= ziel || u.reihen().size() <= 1)
                break;
            u.schwaechsteEntfernen();
            continue;
        }
        u.gluehen(g, nullptr);
    }
    return bestes;
}

} // namespace

// Below these counts of numbers the search from the starts alone reaches as far, and sooner
// (4 wenn 4 from 14 numbers: the best known 80 rows in 1.4 s, with the groups first in 5.5 s);
// from them on the groups win (4 wenn 4 from 15 numbers: 125 rows under three cycles of five
// against 133; 5 wenn 5 from 14 numbers: the best known 371 against 377).
bool Symmetriesuche::lohnt(const Ueberdeckung::Aufgabe& a, std::int64_t andere, std::int64_t ziel) {
    const int ab = a.t == 2 ? 30 : a.t == 3 ? 18 : a.t == 4 ? 15 : 14;
    return a.m == a.t && andere > ziel && a.n >= ab;
}

std::vector<Konstruktionen::Entwurf> Symmetriesuche::suchen(const Rahmen& rahmen, const QElapsedTimer& uhr,
                                                            const std::function<bool()>& vorbei,
                                                            const std::function<void(std::int64_t)>& melden) {
    const Ueberdeckung::Aufgabe& aufgabe = rahmen.aufgabe;
    const std::int64_t ziel = rahmen.ziel;
    const double grenzeNs = rahmen.grenzeNs;
    const int threads = rahmen.threads;
    // With a step budget every search keeps to it.
    auto budget = [&](std::int64_t ueblich) {
        return rahmen.schritte > 0 ? std::min(ueblich, rahmen.schritte) : ueblich;
    };
    std::vector<Gruppe> gruppen = drehgruppen(aufgabe.n, aufgabe.t);
    if (aufgabe.t == 2) {
        // A row meets at most 15 orbits of pairs, so about orbits / 15 rows per orbit are
        // needed. Groups that by this count cannot beat the start go; the most promising first.
        auto schranke = [&](const Gruppe& gr) {
            const std::int64_t bahnen = gr.bahnen(aufgabe.n, 2).anzahl();
            const std::int64_t proReihe = Kombinatorik::binom(aufgabe.k, 2);
            return (bahnen + proReihe - 1) / proReihe * gr.laenge;
        };
        std::vector<std::pair<std::int64_t, Gruppe>> bewertet;
        for (const Gruppe& gr : gruppen)
            if (const std::int64_t b = schranke(gr); b < rahmen.andere)
                bewertet.push_back({b, gr});
        std::stable_sort(bewertet.begin(), bewertet.end(),
                         [](const auto& x, const auto& y) { return x.first < y.first; });
        gruppen.clear();
        for (const auto& [b, gr] : bewertet)
            gruppen.push_back(gr);
    }
    const std::int64_t andere = rahmen.andere;
    std::atomic<std::int64_t> symmetrischBeste{std::numeric_limits<std::int64_t>::max()};
    const bool ganzeBahnen = aufgabe.t >= 3;
    auto phaseVorbei = [&](double beginn, double anteilNs) {
        if (!ganzeBahnen || grenzeNs <= 0)
            return false;
        const double jetzt = double(uhr.nsecsElapsed());
        return jetzt - beginn >= anteilNs || jetzt >= grenzeNs * 0.85 ||
               (jetzt >= grenzeNs * 0.5 && symmetrischBeste.load() >= andere);
    };
    std::vector<std::vector<std::uint64_t>> gefunden(gruppen.size());
    // Once a group reaches the target, the groups after it are not needed; those before it run
    // to their end, so that the same seed gives the same rows.
    std::atomic<std::size_t> erreicht{gruppen.size()};
    auto runde = [&](const std::vector<std::size_t>& liste, double anteilNs, std::int64_t je,
                     std::uint64_t versatz) {
        // the list is ascending: once one group is past the one that reached the target, all are
        auto arbeiten = [&](int j) {
            const std::size_t i = liste[std::size_t(j)];
            if (i > erreicht.load())
                return;
            // For t = 2 the orbits are few and a search over them is quick, but where it
            // ends depends much on where it starts: several short ones from other seeds
            // end smaller.
            const int versuche = aufgabe.t == 2 ? 8 : 1;
            const double beginn = double(uhr.nsecsElapsed());
            for (int versuch = 0; versuch < versuche; ++versuch) {
                std::vector<std::uint64_t> r = symmetrischSuchen(
                    aufgabe, gruppen[i],
                    rahmen.saat + versatz + std::uint64_t(gruppen[i].platz) + 1000 * std::uint64_t(versuch),
                    budget(je), ziel,
                    [&] { return vorbei() || i > erreicht.load() || phaseVorbei(beginn, anteilNs); },
                    [&](std::int64_t reihen) { senken(symmetrischBeste, reihen); });
                if (!r.empty() && (gefunden[i].empty() || r.size() < gefunden[i].size()))
                    gefunden[i] = std::move(r);
                if (!gefunden[i].empty() && std::int64_t(gefunden[i].size()) <= ziel)
                    break;
            }
            if (!gefunden[i].empty() && std::int64_t(gefunden[i].size()) <= ziel)
                senken(erreicht, i);
        };
        // the calling thread reports meanwhile, as it does during the search from the starts
        std::mutex mutex;
        std::condition_variable signal;
        verteilen(threads, int(liste.size()), arbeiten, mutex, signal,
                  [&](std::unique_lock<std::mutex>& sperre) {
                      if (!melden)
                          return;
                      const std::int64_t beste = std::min(andere, symmetrischBeste.load());
                      sperre.unlock();
                      melden(beste);
                      sperre.lock();
                  });
    };
    std::vector<std::size_t> alle(gruppen.size());
    for (std::size_t i = 0; i < alle.size(); ++i)
        alle[i] = i;
    if (!ganzeBahnen) {
        runde(alle, 0, 50000, 0);
    } else {
        runde(alle, grenzeNs * 0.15 * threads / double(gruppen.size()), 20000, 0);
        std::vector<std::size_t> weiter;
        for (const std::size_t i : alle)
            if (!gefunden[i].empty())
                weiter.push_back(i);
        std::stable_sort(weiter.begin(), weiter.end(), [&](std::size_t x, std::size_t y) {
            return gefunden[x].size() < gefunden[y].size();
        });
        weiter.resize(std::min<std::size_t>(weiter.size(), std::size_t(threads)));
        std::sort(weiter.begin(), weiter.end());
        if (erreicht.load() == gruppen.size() && symmetrischBeste.load() < andere)
            runde(weiter, grenzeNs, 1000000, 7777);
    }
    gefunden.resize(std::min(gruppen.size(), erreicht.load() + 1));
    std::vector<Konstruktionen::Entwurf> ergebnis;
    for (std::size_t i = 0; i < gefunden.size(); ++i)
        if (!gefunden[i].empty() && Konstruktionen::gilt(gefunden[i], aufgabe.n, aufgabe.t, aufgabe.t))
            ergebnis.push_back({gruppen[i].text(), gefunden[i]});
    return ergebnis;
}

} // namespace core
