// systemguete: builds a system for every cell of the shipped yardstick (rows of six that guarantee
// t right when t winning numbers are among v numbers) with at most 1,000 best known rows, and
// writes a Markdown table: cell, best known value, rows reached, their ratio, seconds, and where
// the search started. Each result is counted once more here, t-set by t-set, before it is listed.
//
//     build/release/tools/systemguete/systemguete [--sekunden 10] [--threads 2] [--saat 1]
//                                                  [--zelle V/T]... [--hoechstens 1000] [--schritte N]
//
// --schritte ends each run after that many steps instead of the clock (then --sekunden 0), which
// makes a run independent of the machine's load. The load average before and after is printed, as
// the machine may be shared.
//
// The summary at the end says in how many cells the best known value was reached, in how many the
// rows stay within 10 % of it, and whether any cell is without a valid system.

#include "core/grund/Fehler.h"
#include "core/werkstatt/Bestwerte.h"
#include "core/werkstatt/Kombinatorik.h"
#include "core/werkstatt/Systembau.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <bit>
#include <cstdio>
#include <vector>

namespace {

// Every t-set of 0..v-1 in some row: a mark per t-set by its colex place, then a count.
bool abgedeckt(const std::vector<std::uint64_t>& reihen, int v, int t) {
    std::vector<bool> gesehen(static_cast<std::size_t>(core::Kombinatorik::binom(v, t)), false);
    for (const std::uint64_t r : reihen) {
        const std::vector<int> p = core::Kombinatorik::positionen(r);
        const int k = int(p.size());
        if (k < t)
            continue;
        std::vector<int> i(static_cast<std::size_t>(t));
        for (int j = 0; j < t; ++j)
            i[std::size_t(j)] = j;
        while (true) {
            std::uint64_t menge = 0;
            for (const int j : i)
                menge |= std::uint64_t(1) << p[std::size_t(j)];
            gesehen[std::size_t(core::Kombinatorik::rang(menge))] = true;
            int j = t - 1;
            while (j >= 0 && i[std::size_t(j)] == k - t + j)
                --j;
            if (j < 0)
                break;
            ++i[std::size_t(j)];
            for (int l = j + 1; l < t; ++l)
                i[std::size_t(l)] = i[std::size_t(l - 1)] + 1;
        }
    }
    for (const bool g : gesehen)
        if (!g)
            return false;
    return true;
}

QByteArray last() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readLine().trimmed() : QByteArray("?");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    double sekunden = 10;
    int threads = 2;
    std::uint64_t saat = 1;
    int grenze = 1000;
    std::int64_t schritte = 0;
    QStringList zellen;
    const QStringList a = app.arguments();
    for (int i = 1; i + 1 < a.size(); i += 2) {
        if (a[i] == QLatin1String("--sekunden"))
            sekunden = a[i + 1].toDouble();
        else if (a[i] == QLatin1String("--threads"))
            threads = a[i + 1].toInt();
        else if (a[i] == QLatin1String("--saat"))
            saat = a[i + 1].toULongLong();
        else if (a[i] == QLatin1String("--hoechstens"))
            grenze = a[i + 1].toInt();
        else if (a[i] == QLatin1String("--schritte"))
            schritte = a[i + 1].toLongLong();
        else if (a[i] == QLatin1String("--zelle"))
            zellen << a[i + 1];
    }
    std::printf("Last vorher: %s\n\n", last().constData());
    std::printf("| v | t | bester bekannter | erreicht | Verhältnis | Sekunden | Start |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|---|\n");
    std::fflush(stdout);
    int anzahl = 0, gleich = 0, zehn = 0, ungueltig = 0;
    double summeSekunden = 0;
    for (const core::Bestwert& w : core::Bestwerte::mitgeliefert().alle()) {
        if (w.bester > grenze)
            continue;
        if (!zellen.isEmpty() && !zellen.contains(QStringLiteral("%1/%2").arg(w.v).arg(w.t)))
            continue;
        core::Bauauftrag auftrag;
        for (int z = 1; z <= w.v; ++z)
            auftrag.zahlen.push_back(z);
        auftrag.garantie = {w.t, w.t};
        auftrag.sekunden = sekunden;
        auftrag.schritte = schritte;
        auftrag.threads = threads;
        auftrag.saat = saat;
        ++anzahl;
        try {
            const core::Bauergebnis e = core::Systembau::bauen(auftrag);
            const bool gueltig = e.garantiert() && abgedeckt(e.reihen, w.v, w.t);
            const int reihen = int(e.reihen.size());
            const double verhaeltnis = double(reihen) / double(w.bester);
            if (!gueltig)
                ++ungueltig;
            if (gueltig && reihen <= w.bester)
                ++gleich;
            if (gueltig && verhaeltnis <= 1.1 + 1e-9)
                ++zehn;
            summeSekunden += e.sekunden;
            std::printf("| %d | %d | %d | %d%s | %.3f | %.1f | %s |\n", w.v, w.t, w.bester, reihen,
                        gueltig ? "" : " (ungültig)", verhaeltnis, e.sekunden, qPrintable(e.herkunft));
        } catch (const core::Fehler& f) {
            ++ungueltig;
            std::printf("| %d | %d | %d | – | – | – | %s |\n", w.v, w.t, w.bester, qPrintable(f.text()));
        }
        std::fflush(stdout);
    }
    std::printf(
        "\nZellen: %d; bester bekannter Wert erreicht: %d (%.0f %%); höchstens 10 %% darüber: %d (%.0f %%); "
        "ohne gültiges System: %d; Sekunden zusammen: %.0f\n",
        anzahl, gleich, anzahl ? 100.0 * gleich / anzahl : 0.0, zehn, anzahl ? 100.0 * zehn / anzahl : 0.0,
        ungueltig, summeSekunden);
    std::printf("Last nachher: %s\n", last().constData());
    return ungueltig == 0 ? 0 : 1;
}
