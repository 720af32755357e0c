#include "Systembau.h"

#include "core/grund/Fehler.h"
#include "core/grund/Zahlformat.h"
#include "core/werkstatt/Bahnen.h"
#include "core/werkstatt/Bahnenwahl.h"
#include "core/werkstatt/Kombinatorik.h"
#include "core/werkstatt/Konstruktionen.h"
#include "core/werkstatt/Ueberdeckung.h"

#include <QElapsedTimer>

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>

namespace core {
namespace {

constexpr std::int64_t Nie = std::numeric_limits<std::int64_t>::max();

// The order in positions: the free numbers (not bankers) carry the search, rows of k of them,
// with the guarantee they must keep among themselves.
struct Plan {
    std::vector<int> zahlen; // ascending
    std::vector<int> bank;   // ascending
    std::uint64_t bankMaske = 0;
    std::vector<int> frei; // positions of the free numbers
    Ueberdeckung::Aufgabe aufgabe;
    std::int64_t schranke = 0; // rows needed at least

    std::uint64_t ganz(std::uint64_t freieReihe) const {
        std::uint64_t m = bankMaske;
        for (; freieReihe; freieReihe &= freieReihe - 1)
            m |= Kombinatorik::bit(frei[std::size_t(std::countr_zero(freieReihe))]);
        return m;
    }
};

Plan planen(const Bauauftrag& a) {
    Plan p;
    p.zahlen = a.zahlen;
    std::sort(p.zahlen.begin(), p.zahlen.end());
    p.bank = a.bank;
    std::sort(p.bank.begin(), p.bank.end());
    for (std::size_t i = 0; i < p.zahlen.size(); ++i) {
        if (std::binary_search(p.bank.begin(), p.bank.end(), p.zahlen[i]))
            p.bankMaske |= Kombinatorik::bit(int(i));
        else
            p.frei.push_back(int(i));
    }
    const int n = int(p.frei.size());
    const int k = 6 - int(p.bank.size());
    // With fewer free numbers than winning numbers among the chosen ones, some of them are
    // bankers, and each such banker is a hit in every row.
    const int gezwungen = std::max(0, a.garantie.wenn - n);
    p.aufgabe = {n, k, a.garantie.richtige - gezwungen, a.garantie.wenn - gezwungen};
    if (p.aufgabe.t <= 0)
        p.schranke = 1;
    else if (p.aufgabe.m == p.aufgabe.t)
        p.schranke = Kombinatorik::schoenheim(n, k, p.aufgabe.t);
    else
        p.schranke = Kombinatorik::zaehlschranke(n, k, p.aufgabe.t, p.aufgabe.m);
    return p;
}

// What one run found.
struct Laufergebnis {
    std::vector<std::uint64_t> gueltig; // the smallest rows that keep the guarantee
    std::int64_t gueltigSchritt = Nie;  // the step it was reached at
    std::vector<std::uint64_t> grenze;  // at the row limit, the fewest open m-sets
    std::int64_t grenzeOffen = Nie;
    std::int64_t grenzeSchritt = Nie;
    std::int64_t schritte = 0;
    bool zeitUm = false;
    std::size_t start = 0; // which of the starts
};

// Shared between the runs and the calling thread.
struct Gemeinsam {
    std::mutex mutex;
    std::condition_variable signal;
    int laufend = 0;
    int besteReihen = 0;
    std::int64_t besteLoecher = Nie;
    bool neu = false;
    std::atomic<std::int64_t> zielSchritt{Nie};
    std::atomic<bool> halt{false};
};

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

std::vector<std::array<int, 6>> Bauergebnis::zahlenreihen() const {
    std::vector<std::array<int, 6>> z;
    z.reserve(reihen.size());
    for (std::uint64_t r : reihen) {
        std::array<int, 6> zeile{};
        std::size_t i = 0;
        for (; r && i < 6; r &= r - 1)
            zeile[i++] = zahlen[std::size_t(std::countr_zero(r))];
        z.push_back(zeile);
    }
    return z;
}

void Systembau::pruefen(const Bauauftrag& a) {
    const int v = int(a.zahlen.size());
    for (const int z : a.zahlen)
        if (z < 1 || z > Garantiepruefung::Spiele)
            throw Fehler(QStringLiteral("Die Zahl %1 liegt nicht zwischen 1 und 45.").arg(z));
    std::vector<int> sortiert = a.zahlen;
    std::sort(sortiert.begin(), sortiert.end());
    if (const auto d = std::adjacent_find(sortiert.begin(), sortiert.end()); d != sortiert.end())
        throw Fehler(QStringLiteral("Die Zahl %1 ist doppelt gewählt.").arg(*d));
    if (v < 7)
        throw Fehler(QStringLiteral("Ein System braucht mindestens 7 Zahlen, gewählt sind %1.").arg(v));
    std::vector<int> bank = a.bank;
    std::sort(bank.begin(), bank.end());
    for (const int b : bank)
        if (!std::binary_search(sortiert.begin(), sortiert.end(), b))
            throw Fehler(QStringLiteral("Die Bankzahl %1 gehört nicht zu Ihren Zahlen.").arg(b));
    if (const auto d = std::adjacent_find(bank.begin(), bank.end()); d != bank.end())
        throw Fehler(QStringLiteral("Die Bankzahl %1 ist doppelt angegeben.").arg(*d));
    const Garantie g = a.garantie;
    if (g.richtige < 2 || g.richtige > 5)
        throw Fehler(QStringLiteral("Ein System garantiert 2 bis 5 Richtige, nicht %1.").arg(g.richtige));
    if (g.wenn > Garantiepruefung::Gezogen)
        throw Fehler(QStringLiteral("Es gibt nur 6 Gewinnzahlen, nicht %1.").arg(g.wenn));
    if (g.wenn < g.richtige)
        throw Fehler(
            QStringLiteral("%1 Richtige kann kein System garantieren, wenn nur %2 Gewinnzahlen unter "
                           "Ihren Zahlen sind.")
                .arg(g.richtige)
                .arg(g.wenn));
    const Plan p = planen(a);
    if (p.aufgabe.t > p.aufgabe.k)
        throw Fehler(QStringLiteral("Mit %1 Bankzahlen %2 in jeder Reihe nur %3 für Ihre übrigen Zahlen; %4 "
                                    "Richtige sind so nicht zu garantieren.")
                         .arg(bank.size())
                         .arg(p.aufgabe.k == 1 ? QStringLiteral("bleibt") : QStringLiteral("bleiben"))
                         .arg(p.aufgabe.k == 1 ? QStringLiteral("1 Platz")
                                               : QStringLiteral("%1 Plätze").arg(p.aufgabe.k))
                         .arg(g.richtige));
    if (a.hoechstens < 0)
        throw Fehler(QStringLiteral("Die Höchstzahl an Reihen darf nicht negativ sein."));
    if (a.sekunden < 0 || a.schritte < 0)
        throw Fehler(QStringLiteral("Zeitgrenze und Schrittzahl dürfen nicht negativ sein."));
    if (a.sekunden == 0 && a.schritte == 0)
        throw Fehler(QStringLiteral("Ohne Zeitgrenze und ohne Schrittzahl endet die Suche nie."));
    if (a.hoechstens == 0 && p.schranke > GrenzeOhneHoechstzahl)
        throw Fehler(
            QStringLiteral("Ein System, das bei %1 Zahlen %2 Richtige garantiert, wenn %3 Gewinnzahlen "
                           "darunter sind, braucht mindestens %4 Reihen. Mehr als %5 Reihen baue ich nur "
                           "mit einer Höchstzahl an Reihen.")
                .arg(v)
                .arg(g.richtige)
                .arg(g.wenn)
                .arg(Ganzzahltext(p.schranke))
                .arg(Ganzzahltext(GrenzeOhneHoechstzahl)));
}

Bauergebnis Systembau::bauen(const Bauauftrag& auftrag) {
    return bauen(auftrag, {}, nullptr);
}

Bauergebnis Systembau::bauen(const Bauauftrag& auftrag,
                             const std::function<void(const Baustand&)>& fortschritt,
                             const std::atomic<bool>* abbruch) {
    pruefen(auftrag);
    QElapsedTimer uhr;
    uhr.start();
    const Plan plan = planen(auftrag);
    Bauergebnis e;
    e.zahlen = plan.zahlen;
    e.bank = plan.bank;
    e.garantie = auftrag.garantie;
    const int v = int(plan.zahlen.size());
    e.massstab = Bestwerte::mitgeliefert().massstab(v, auftrag.garantie.richtige, auftrag.garantie.wenn,
                                                    int(plan.bank.size()));
    const int hoechstens = auftrag.hoechstens;
    const int threads =
        auftrag.threads > 0 ? auftrag.threads : std::max(1, int(std::thread::hardware_concurrency()));
    const int laeufe = auftrag.laeufe > 0 ? auftrag.laeufe : threads;
    auto pruefenUndFertig = [&](std::vector<std::uint64_t> frei) {
        e.reihen.clear();
        for (const std::uint64_t r : frei)
            e.reihen.push_back(plan.ganz(r));
        std::sort(e.reihen.begin(), e.reihen.end());
        e.pruefung = Garantiepruefung::garantiePruefen(e.reihen, v, auftrag.garantie, threads);
        e.sekunden = double(uhr.nsecsElapsed()) / 1e9;
        if (fortschritt)
            fortschritt({e.garantiert() ? int(e.reihen.size()) : 0, e.pruefung.loecher, e.sekunden});
        return e;
    };

    Ueberdeckung::Aufgabe aufgabe = plan.aufgabe;
    if (aufgabe.t <= 0) {
        // every case holds enough bankers: one row does
        e.herkunft = QStringLiteral("Bankzahlen");
        return pruefenUndFertig({Kombinatorik::bit(aufgabe.k) - 1});
    }
    // "t wenn m'" with m' < m keeps "t wenn m" too: it stands in where the m-sets are too many to
    // count, the largest m' that can be counted.
    while (aufgabe.m > aufgabe.t && !Ueberdeckung::machbar(aufgabe))
        --aufgabe.m;

    const double grenzeNs = auftrag.sekunden > 0 ? auftrag.sekunden * 1e9 : 0;
    auto abgelaufen = [&] { return grenzeNs > 0 && double(uhr.nsecsElapsed()) >= grenzeNs; };
    auto abgebrochen = [&] { return abbruch && abbruch->load(std::memory_order_relaxed); };
    auto vorbei = [&] { return abgelaufen() || abgebrochen(); };
    // With a step budget the preparation keeps to it as well.
    auto budget = [&](std::int64_t ueblich) {
        return auftrag.schritte > 0 ? std::min(ueblich, auftrag.schritte) : ueblich;
    };

    // The target: the best known value, else the bound.
    std::int64_t ziel = plan.schranke;
    if (e.massstab.besterBekannter)
        ziel = std::max<std::int64_t>(ziel, *e.massstab.besterBekannter);
    if (e.massstab.untereSchranke)
        ziel = std::max<std::int64_t>(ziel, *e.massstab.untereSchranke);

    // The start: the smallest of a greedy cover (stopped at the row limit), the known designs,
    // those put together from smaller ones and the symmetric systems.
    Ueberdeckung gierig(aufgabe, auftrag.saat);
    gierig.gierigAuffuellen(hoechstens);
    if (gierig.offen() == 0)
        gierig.ueberfluessigeEntfernen();
    // The valid starts, each with where it comes from.
    std::vector<Konstruktionen::Entwurf> starts;
    if (gierig.offen() == 0)
        starts.push_back({QStringLiteral("Gieriger Aufbau"), gierig.reihen()});
    if (fortschritt)
        fortschritt({gierig.offen() == 0 ? int(gierig.reihen().size()) : 0, gierig.offen(),
                     double(uhr.nsecsElapsed()) / 1e9});
    const std::size_t genug =
        gierig.offen() == 0 && std::int64_t(gierig.reihen().size()) <= ziel ? 0 : std::size_t(ziel);
    if (genug > 0)
        for (Konstruktionen::Entwurf& k :
             Konstruktionen::fuer(aufgabe.n, aufgabe.k, aufgabe.t, aufgabe.m, budget(60000), vorbei, genug))
            starts.push_back(std::move(k));
    auto kleinster = [&] {
        std::size_t n = std::numeric_limits<std::size_t>::max();
        for (const Konstruktionen::Entwurf& k : starts)
            n = std::min(n, k.reihen.size());
        return n;
    };

    // Symmetric systems where the numbers are many and what is known does not reach the target.
    const bool symmetrisch = aufgabe.m == aufgabe.t && std::int64_t(kleinster()) > ziel &&
                             (aufgabe.t == 3 ? aufgabe.n >= 18 : aufgabe.t > 3 ? aufgabe.n >= 16 : aufgabe.n >= 30);
    if (symmetrisch) {
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
                if (const std::int64_t b = schranke(gr); b < std::int64_t(kleinster()))
                    bewertet.push_back({b, gr});
            std::stable_sort(bewertet.begin(), bewertet.end(),
                             [](const auto& x, const auto& y) { return x.first < y.first; });
            gruppen.clear();
            for (const auto& [b, gr] : bewertet)
                gruppen.push_back(gr);
        }
        // The search over whole orbits (t >= 3) goes in two rounds: a short one over every group,
        // then, where they are ahead of the other starts, the two groups that got furthest (which
        // fits best differs from cell to cell) go on while the clock allows, up to 85 % of the
        // time, so that the search from the starts keeps the rest.
        const std::int64_t andere = starts.empty() ? Nie : std::int64_t(kleinster());
        std::atomic<std::int64_t> symmetrischBeste{Nie};
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
            std::atomic<std::size_t> naechste{0};
            auto arbeiten = [&] {
                for (std::size_t j = naechste++; j < liste.size(); j = naechste++) {
                    const std::size_t i = liste[j];
                    if (i > erreicht.load())
                        break;
                    // For t = 2 the orbits are few and a search over them is quick, but where it
                    // ends depends much on where it starts: several short ones from other seeds
                    // end smaller.
                    const int versuche = aufgabe.t == 2 ? 8 : 1;
                    const double beginn = double(uhr.nsecsElapsed());
                    for (int versuch = 0; versuch < versuche; ++versuch) {
                        std::vector<std::uint64_t> r = symmetrischSuchen(
                            aufgabe, gruppen[i],
                            auftrag.saat + versatz + std::uint64_t(gruppen[i].platz) + 1000 * std::uint64_t(versuch),
                            budget(je), ziel,
                            [&] { return vorbei() || i > erreicht.load() || phaseVorbei(beginn, anteilNs); },
                            [&](std::int64_t reihen) {
                                std::int64_t bisher = symmetrischBeste.load();
                                while (reihen < bisher && !symmetrischBeste.compare_exchange_weak(bisher, reihen)) {
                                }
                            });
                        if (!r.empty() && (gefunden[i].empty() || r.size() < gefunden[i].size()))
                            gefunden[i] = std::move(r);
                        if (!gefunden[i].empty() && std::int64_t(gefunden[i].size()) <= ziel)
                            break;
                    }
                    if (!gefunden[i].empty() && std::int64_t(gefunden[i].size()) <= ziel) {
                        std::size_t bisher = erreicht.load();
                        while (i < bisher && !erreicht.compare_exchange_weak(bisher, i)) {
                        }
                    }
                }
            };
            // the calling thread reports meanwhile, as it does during the search from the starts
            std::mutex mutex;
            std::condition_variable signal;
            int fertig = 0;
            std::vector<std::thread> helfer;
            for (int i = 0; i < std::min<int>(threads, int(liste.size())); ++i)
                helfer.emplace_back([&] {
                    arbeiten();
                    const std::lock_guard<std::mutex> sperre(mutex);
                    ++fertig;
                    signal.notify_all();
                });
            std::unique_lock<std::mutex> sperre(mutex);
            while (fertig < int(helfer.size())) {
                signal.wait_for(sperre, std::chrono::milliseconds(250));
                if (!fortschritt)
                    continue;
                const std::int64_t beste = std::min(andere, symmetrischBeste.load());
                sperre.unlock();
                fortschritt({beste < Nie ? int(beste) : 0, beste < Nie ? 0 : gierig.offen(),
                             double(uhr.nsecsElapsed()) / 1e9});
                sperre.lock();
            }
            sperre.unlock();
            for (std::thread& t : helfer)
                t.join();
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
        for (std::size_t i = 0; i < gefunden.size(); ++i)
            if (!gefunden[i].empty() && Konstruktionen::gilt(gefunden[i], aufgabe.n, aufgabe.t, aufgabe.t))
                starts.push_back({gruppen[i].text(), gefunden[i]});
    }
    // Smallest first; runs take them in turn, so that two runs start from different designs.
    std::stable_sort(starts.begin(), starts.end(),
                     [](const auto& a, const auto& b) { return a.reihen.size() < b.reihen.size(); });
    const bool startGueltig = !starts.empty();
    if (!startGueltig) // only with a row limit that the greedy cover stopped at
        starts.push_back({QStringLiteral("Gieriger Aufbau"), gierig.reihen()});

    if (fortschritt)
        fortschritt(
            {startGueltig ? int(starts.front().reihen.size()) : 0, 0, double(uhr.nsecsElapsed()) / 1e9});
    // Run 0 (the weighted search) starts from the greedy cover, from where it often gets further
    // than from a tight design; run 1 (annealing) from the smallest design; the others from the
    // rest in turn.
    std::size_t gierigStelle = 0;
    for (std::size_t i = 0; i < starts.size(); ++i)
        if (starts[i].reihen == gierig.reihen())
            gierigStelle = i;
    auto startFuer = [&](int lauf) -> std::size_t {
        if (lauf == 0)
            return gierigStelle;
        if (lauf == 1)
            return 0;
        return std::size_t(lauf) % starts.size();
    };

    Gemeinsam g;
    g.laufend = laeufe;
    std::vector<Laufergebnis> ergebnisse(static_cast<std::size_t>(laeufe));
    auto stop = [&] {
        return g.halt.load(std::memory_order_relaxed) ||
               (abbruch && abbruch->load(std::memory_order_relaxed));
    };
    auto melden = [&](int reihen, std::int64_t loecher) {
        std::lock_guard<std::mutex> sperre(g.mutex);
        if (reihen > 0 && (g.besteReihen == 0 || reihen < g.besteReihen)) {
            g.besteReihen = reihen;
            g.neu = true;
        }
        if (loecher < g.besteLoecher) {
            g.besteLoecher = loecher;
            g.neu = true;
        }
        if (g.neu)
            g.signal.notify_all();
    };

    auto laufen = [&](int index) {
        Laufergebnis& l = ergebnisse[std::size_t(index)];
        Ueberdeckung u(aufgabe, auftrag.saat * 0x9E3779B97F4A7C15ULL + std::uint64_t(index) + 1);
        l.start = startFuer(index);
        u.setzen(starts[l.start].reihen);
        if (u.offen() == 0)
            u.ueberfluessigeEntfernen();
        while (hoechstens > 0 && int(u.reihen().size()) > hoechstens)
            u.schwaechsteEntfernen();
        const bool gewichtet = index % 2 == 0;
        while (true) {
            if (u.offen() == 0) {
                if (l.gueltig.empty() || u.reihen().size() < l.gueltig.size()) {
                    l.gueltig = u.reihen();
                    l.gueltigSchritt = u.schritteGesamt();
                    melden(int(l.gueltig.size()), Nie);
                }
                if (std::int64_t(u.reihen().size()) <= std::max<std::int64_t>(ziel, 1)) {
                    std::int64_t z = g.zielSchritt.load();
                    while (u.schritteGesamt() < z &&
                           !g.zielSchritt.compare_exchange_weak(z, u.schritteGesamt())) {
                    }
                    break;
                }
                u.schwaechsteEntfernen();
                continue;
            }
            if (hoechstens > 0 && l.gueltig.empty() && u.besteOffen() < l.grenzeOffen) {
                l.grenze = u.besteReihen();
                l.grenzeOffen = u.besteOffen();
                l.grenzeSchritt = u.schritteGesamt();
                melden(0, l.grenzeOffen);
            }
            if (stop() || u.schritteGesamt() >= g.zielSchritt.load())
                break;
            if (auftrag.schritte > 0 && u.schritteGesamt() >= auftrag.schritte)
                break;
            if (grenzeNs > 0 && double(uhr.nsecsElapsed()) >= grenzeNs) {
                l.zeitUm = true;
                break;
            }
            std::int64_t stueck = gewichtet ? 1000 : 10000;
            if (auftrag.schritte > 0)
                stueck = std::min(stueck, auftrag.schritte - u.schritteGesamt());
            if (gewichtet) {
                u.suchen(stueck, &g.halt);
            } else {
                Ueberdeckung::Gluehen gl;
                gl.schritte = stueck;
                gl.runde = 300000;
                gl.t0 = 0.4;
                gl.t1 = 0.02;
                u.gluehen(gl, &g.halt);
            }
        }
        l.schritte = u.schritteGesamt();
        std::lock_guard<std::mutex> sperre(g.mutex);
        --g.laufend;
        g.signal.notify_all();
    };

    // The runs share the threads; the calling thread reports.
    std::atomic<int> naechster{0};
    std::vector<std::thread> helfer;
    for (int i = 0; i < std::min(threads, laeufe); ++i)
        helfer.emplace_back([&] {
            for (int k = naechster++; k < laeufe; k = naechster++)
                laufen(k);
        });
    {
        std::unique_lock<std::mutex> sperre(g.mutex);
        while (g.laufend > 0) {
            g.signal.wait_for(sperre, std::chrono::milliseconds(250));
            if (abbruch && abbruch->load())
                g.halt = true;
            const Baustand stand{g.besteReihen, g.besteLoecher == Nie ? 0 : g.besteLoecher,
                                 double(uhr.nsecsElapsed()) / 1e9};
            g.neu = false;
            if (fortschritt) {
                sperre.unlock();
                fortschritt(stand);
                sperre.lock();
            }
        }
    }
    for (std::thread& t : helfer)
        t.join();

    // The smallest valid rows, earliest step, lowest run; else at the limit the fewest open m-sets.
    const Laufergebnis* bester = nullptr;
    for (const Laufergebnis& l : ergebnisse) {
        e.schritte += l.schritte;
        e.zeitUm = e.zeitUm || l.zeitUm;
        if (l.gueltig.empty())
            continue;
        if (!bester || l.gueltig.size() < bester->gueltig.size() ||
            (l.gueltig.size() == bester->gueltig.size() && l.gueltigSchritt < bester->gueltigSchritt))
            bester = &l;
    }
    e.abgebrochen = abbruch && abbruch->load();
    std::vector<std::uint64_t> rows;
    if (bester && (hoechstens == 0 || int(bester->gueltig.size()) <= hoechstens)) {
        rows = bester->gueltig;
    } else {
        const Laufergebnis* grenze = nullptr;
        for (const Laufergebnis& l : ergebnisse)
            if (!l.grenze.empty() &&
                (!grenze || l.grenzeOffen < grenze->grenzeOffen ||
                 (l.grenzeOffen == grenze->grenzeOffen && l.grenzeSchritt < grenze->grenzeSchritt)))
                grenze = &l;
        rows = grenze ? grenze->grenze : starts.front().reihen;
        bester = grenze;
    }
    const Konstruktionen::Entwurf& anfang = starts[bester ? bester->start : 0];
    e.herkunft = anfang.herkunft;
    if (rows.size() < anfang.reihen.size())
        e.herkunft += QStringLiteral(", verkleinert durch die Suche");
    return pruefenUndFertig(rows);
}

} // namespace core
