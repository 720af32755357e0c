#include "bench/Zufallsreihen.h"
#include "core/schein/G1Spalten.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Spielschein.h"
#include "core/spieltag/Quoten.h"
#include "core/spieltag/TSpieltag.h"
#include "core/statistik/Reihenmasken.h"
#include "core/statistik/Statistik.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <random>

using namespace core;

namespace {

class OhneBreite : public Textmass {
public:
    int breite(QStringView) const override { return 0; }
    bool ziffernGleichBreit() const override { return true; }
};

// A slip of n random rows, read once into the row table.
Zeilentabelle schein(int n) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("schein.txt"));
    const QByteArray bytes = Zufallsreihen(n, ',', "\r\n");
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("Benchmark-Datei nicht geschrieben");
    f.close();
    return SpielscheinEinlesen(pfad, Zeilentabelle(G1Spalten::Anzahl), OhneBreite())->tabelle;
}

// n weekly matchdays with random results, each with its odds file.
const QTemporaryDir& spieltagsordner(int n) {
    static QTemporaryDir ordner;
    std::mt19937 zufall(99);
    for (int i = 0; i < n; ++i) {
        TSpieltag s;
        s.Datum = 44457 + 7 * i;
        for (int p = 1; p <= AnzahlPaarungen; ++p)
            s.Ergebnis[p] = {std::int8_t(zufall() % 5), std::int8_t(zufall() % 5)};
        s.dateiSchreiben(ordner.filePath(QStringLiteral("%1.sp45").arg(i)));
        TQuoten q;
        for (std::size_t r = 1; r <= 6; ++r)
            q[r] = QStringLiteral("%1,50").arg(100000 >> (2 * r));
        QuotenSpeichern(ordner.filePath(QuotenDateiname(QDate(1899, 12, 30).addDays(qint64(s.Datum)))), q);
    }
    return ordner;
}

constexpr int Reihen = 1000000;
constexpr int Spieltage = 100;

// The whole run from the slip in memory: masks, reading the matchdays and their odds, evaluating.
void Statistik(benchmark::State& state) {
    const Zeilentabelle t = schein(Reihen);
    const QString ordner = spieltagsordner(Spieltage).path();
    for (auto _ : state) {
        const Spieltagsstatistik st = StatistikErstellen(Reihenmasken::aus(t), ordner);
        if (st.spieltage.size() != Spieltage)
            state.SkipWithError("Spieltage fehlen");
        benchmark::DoNotOptimize(st);
    }
}

void Reihenmasken_bilden(benchmark::State& state) {
    const Zeilentabelle t = schein(Reihen);
    for (auto _ : state)
        benchmark::DoNotOptimize(Reihenmasken::aus(t));
}

// The evaluation alone, all matchdays' winning rows already known.
void Reihenmasken_bewerten(benchmark::State& state) {
    const Reihenmasken m = Reihenmasken::aus(schein(Reihen));
    std::mt19937 zufall(5);
    std::vector<Ziehung> ziehungen;
    for (int i = 0; i < Spieltage; ++i) {
        Zahlenmenge g;
        while (g.bits() == 0 || std::popcount(g.bits()) < 6)
            g.hinzufuegen(int(zufall() % 45) + 1);
        ziehungen.push_back({g, int(zufall() % 45) + 1});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(m.bewerten(ziehungen));
}

[[maybe_unused]] const auto* registriert = [] {
    benchmark::RegisterBenchmark("Statistik/1000000x100", Statistik)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Reihenmasken_bilden/1000000", Reihenmasken_bilden)
        ->Unit(benchmark::kMillisecond);
    return benchmark::RegisterBenchmark("Reihenmasken_bewerten/1000000x100", Reihenmasken_bewerten)
        ->Unit(benchmark::kMillisecond);
}();

} // namespace
