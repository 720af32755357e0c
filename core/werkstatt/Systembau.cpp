#include "Systembau.h"

#include "core/grund/Fehler.h"
#include "core/grund/Zahlformat.h"
#include "core/werkstatt/Kombinatorik.h"
#include "core/werkstatt/Konstruktionen.h"
#include "core/werkstatt/Symmetriesuche.h"
#include "core/werkstatt/Ueberdeckung.h"
#include "core/werkstatt/Verteilung.h"

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
    int besteReihen = 0;
    std::int64_t besteLoecher = Nie;
    bool neu = false;
    std::atomic<std::int64_t> zielSchritt{Nie};
    std::atomic<bool> halt{false};
};

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
    // the greedy cover, the best there is while the constructions run
    auto gierigMelden = [&] {
        if (fortschritt)
            fortschritt({gierig.offen() == 0 ? int(gierig.reihen().size()) : 0, gierig.offen(),
                         double(uhr.nsecsElapsed()) / 1e9});
    };
    gierigMelden();
    const std::size_t genug =
        gierig.offen() == 0 && std::int64_t(gierig.reihen().size()) <= ziel ? 0 : std::size_t(ziel);
    if (genug > 0) {
        // the constructions take seconds on many numbers: meanwhile the caller hears how far
        std::vector<Konstruktionen::Entwurf> bekannt;
        std::mutex mutex;
        std::condition_variable signal;
        verteilen(
            1, 1,
            [&](int) {
                bekannt = Konstruktionen::fuer(aufgabe.n, aufgabe.k, aufgabe.t, aufgabe.m, budget(60000),
                                               vorbei, genug);
            },
            mutex, signal, [&](std::unique_lock<std::mutex>&) { gierigMelden(); });
        for (Konstruktionen::Entwurf& k : bekannt)
            starts.push_back(std::move(k));
    }
    // Symmetric systems where the numbers are many and what is known does not reach the target.
    if (!starts.empty()) {
        std::int64_t kleinster = Nie;
        for (const Konstruktionen::Entwurf& k : starts)
            kleinster = std::min(kleinster, std::int64_t(k.reihen.size()));
        if (Symmetriesuche::lohnt(aufgabe, kleinster, ziel)) {
            const Symmetriesuche::Rahmen rahmen{aufgabe, ziel,     kleinster,       auftrag.saat,
                                                threads, grenzeNs, auftrag.schritte};
            auto zwischenstand = [&](std::int64_t beste) {
                if (fortschritt)
                    fortschritt({int(beste), 0, double(uhr.nsecsElapsed()) / 1e9});
            };
            for (Konstruktionen::Entwurf& s : Symmetriesuche::suchen(rahmen, uhr, vorbei, zwischenstand))
                starts.push_back(std::move(s));
        }
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
                    senken(g.zielSchritt, u.schritteGesamt());
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
    };

    // The runs share the threads; the calling thread reports.
    verteilen(threads, laeufe, laufen, g.mutex, g.signal, [&](std::unique_lock<std::mutex>& sperre) {
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
    });

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
