#include "bench/AlleReihen.h"
#include "bench/Zufallsreihen.h"
#include "cli/Ausgabe.h"
#include "cli/Reihenausgabe.h"
#include "core/grund/Grossspeicher.h"
#include "core/schein/Auswertung.h"
#include "core/schein/G1Spalten.h"
#include "core/schein/GitterSortieren.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Spielschein.h"
#include "core/schein/TippsText.h"
#include "core/schein/Zeilentabelle.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

using namespace core;

namespace {

// A font whose digits are all 6 pixels wide and whose blank is 3.
class Gleichbreit : public Textmass {
public:
    int breite(QStringView text) const override { return int(text.size()) * 6 - int(text.count(u' ')) * 3; }
    bool ziffernGleichBreit() const override { return true; }
};

const Gleichbreit mass;

// A slip of n random rows of six different numbers 1..45, written once per run.
QString scheinDatei(int n) {
    static QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("schein%1.txt").arg(n));
    if (QFile::exists(pfad))
        return pfad;
    const QByteArray bytes = Zufallsreihen(n, ',', "\r\n");
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("Benchmark-Datei nicht geschrieben");
    return pfad;
}

Zeilentabelle vorlage() {
    return Zeilentabelle(G1Spalten::Anzahl, 30);
}

Zeilentabelle geleseneTabelle(int n) {
    return SpielscheinEinlesen(scheinDatei(n), vorlage(), mass)->tabelle;
}

Zahlenmenge gewinnreihe() {
    Zahlenmenge m;
    for (int z : {3, 8, 15, 22, 30, 41})
        m.hinzufuegen(z);
    return m;
}

// The heap and the blocks mapped on their own for large tables.
std::size_t heapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd + Grossspeicher::belegt();
}

// Page faults of the process so far: on a virtual machine each one is dear.
long seitenfehler() {
    struct rusage r {};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_minflt + r.ru_majflt;
}

// Counts the page faults of a benchmark's loop, per iteration.
class Fehlerzaehler {
public:
    explicit Fehlerzaehler(benchmark::State& state) : state_(state), anfang_(seitenfehler()) {}
    void abschliessen() {
        state_.counters["Seitenfehler"] = double(seitenfehler() - anfang_) / double(state_.iterations());
    }

private:
    benchmark::State& state_;
    long anfang_;
};

std::size_t residentBytes() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> felder = f.readAll().split(' ');
    return felder.size() > 1 ? felder[1].toULongLong() * std::size_t(sysconf(_SC_PAGESIZE)) : 0;
}

void Spielschein_einlesen(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString pfad = scheinDatei(n);
    const Zeilentabelle kopf = vorlage();
    Fehlerzaehler fehler(state);
    for (auto _ : state) {
        auto schein = SpielscheinEinlesen(pfad, kopf, mass);
        benchmark::DoNotOptimize(schein);
    }
    fehler.abschliessen();
    // What a table of n rows holds once read: live heap and resident memory per row.
    const std::size_t heap = heapBytes();
    const std::size_t resident = residentBytes();
    const auto schein = SpielscheinEinlesen(pfad, kopf, mass);
    state.counters["Heap_je_Reihe"] = double(heapBytes() - heap) / n;
    state.counters["RSS_je_Reihe"] = double(residentBytes() - resident) / n;
    state.counters["Zellen_je_Reihe"] = double(schein->tabelle.zellenBytes()) / schein->tabelle.zeilen();
    state.SetBytesProcessed(state.iterations() * QFile(pfad).size());
}
BENCHMARK(Spielschein_einlesen)->Arg(1000000)->Unit(benchmark::kMillisecond);

void Auswerten(benchmark::State& state) {
    Zeilentabelle t = geleseneTabelle(int(state.range(0)));
    const Zahlenmenge menge = gewinnreihe();
    TQuoten quoten;
    quoten[1] = QStringLiteral("1.234.567,80");
    quoten[4] = QStringLiteral("4.321,00");
    quoten[6] = QStringLiteral("12,10");
    for (auto _ : state) {
        const Auswertung a = core::Auswerten(t, menge, u"12", quoten, false);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(Auswerten)->Arg(1000000)->Unit(benchmark::kMillisecond);

void Nach_Rang_sortieren(benchmark::State& state) {
    Zeilentabelle bewertet = geleseneTabelle(int(state.range(0)));
    core::Auswerten(bewertet, gewinnreihe(), u"12", TQuoten(), false);
    // The faults of the sort alone, without those of the copy it sorts.
    long fehler = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Zeilentabelle t = bewertet;
        const long vorher = seitenfehler();
        state.ResumeTiming();
        RangSortieren(t);
        benchmark::DoNotOptimize(t);
        state.PauseTiming();
        fehler += seitenfehler() - vorher;
        { const Zeilentabelle weg = std::move(t); }
        state.ResumeTiming();
    }
    state.counters["Seitenfehler"] = double(fehler) / double(state.iterations());
}
BENCHMARK(Nach_Rang_sortieren)->Arg(1000000)->Unit(benchmark::kMillisecond);

void Tipps_kopieren(benchmark::State& state) {
    const Zeilentabelle t = geleseneTabelle(int(state.range(0)));
    Fehlerzaehler fehler(state);
    for (auto _ : state) {
        QString text = TippsText(t);
        benchmark::DoNotOptimize(text);
    }
    fehler.abschliessen();
}
BENCHMARK(Tipps_kopieren)->Arg(1000000)->Unit(benchmark::kMillisecond);

// An output that only counts what it is given, so that the text alone is measured.
class Zaehlausgabe : public cli::Ausgabe {
public:
    qint64 bytes = 0;

protected:
    void abgeben(QByteArrayView block) override { bytes += block.size(); }
};

// The rows of the evaluated slip as remisator-cli auswerten writes them, aligned text and JSON.
void Reihen_ausgeben(benchmark::State& state) {
    Zeilentabelle t = geleseneTabelle(int(state.range(0)));
    core::Auswerten(t, gewinnreihe(), u"12", TQuoten(), false);
    const bool json = state.range(1) != 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        Zaehlausgabe aus;
        if (json)
            cli::ReihenJson(t, aus);
        else
            cli::Reihentext(t, aus);
        aus.abschliessen();
        bytes += aus.bytes;
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(Reihen_ausgeben)->Args({1000000, 0})->Args({1000000, 1})->Unit(benchmark::kMillisecond);

// The complete slip, all 8,145,060 rows: read, evaluated and sorted by rank, each step timed on
// its own (milliseconds per iteration); the time of the benchmark is all three together.
void Alle_Reihen_auswerten(benchmark::State& state) {
    static QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("alle.txt"));
    if (!QFile::exists(pfad)) {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly) || !AlleReihenSchreiben(f))
            qFatal("Benchmark-Datei nicht geschrieben");
    }
    const Zeilentabelle kopf = vorlage();
    const Zahlenmenge menge = gewinnreihe();
    double lesen = 0, auswerten = 0, sortieren = 0;
    Fehlerzaehler fehler(state);
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        auto schein = SpielscheinEinlesen(pfad, kopf, mass);
        lesen += double(uhr.nsecsElapsed()) / 1e6;
        uhr.restart();
        const Auswertung a = core::Auswerten(schein->tabelle, menge, u"12", TQuoten(), false);
        auswerten += double(uhr.nsecsElapsed()) / 1e6;
        uhr.restart();
        RangSortieren(schein->tabelle);
        sortieren += double(uhr.nsecsElapsed()) / 1e6;
        benchmark::DoNotOptimize(a);
        state.PauseTiming();
        schein.reset();
        state.ResumeTiming();
    }
    fehler.abschliessen();
    const double n = double(state.iterations());
    state.counters["lesen_ms"] = lesen / n;
    state.counters["auswerten_ms"] = auswerten / n;
    state.counters["sortieren_ms"] = sortieren / n;
    state.counters["Reihen"] = AlleReihenAnzahl;
}
BENCHMARK(Alle_Reihen_auswerten)->Unit(benchmark::kMillisecond);

} // namespace
