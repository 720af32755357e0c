#include "bench/Zufallsreihen.h"
#include "core/schein/Auswertung.h"
#include "core/schein/G1Spalten.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Spielschein.h"
#include "ui/bericht/Auswertungsbericht.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace {

class Ziffernbreite : public core::Textmass {
public:
    int breite(QStringView text) const override { return int(text.size()) * 6; }
    bool ziffernGleichBreit() const override { return true; }
};

// A slip of n random rows, read and evaluated against 3 8 15 22 30 41, ZS 12, with odds.
struct Ausgewertet {
    core::Zeilentabelle tabelle{core::G1Spalten::Anzahl};
    ui::Auswertungsstand stand;

    explicit Ausgewertet(int n) {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("schein.txt"));
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly) || f.write(Zufallsreihen(n, ',', "\r\n")) < 0)
            qFatal("Benchmark-Datei nicht geschrieben");
        f.close();
        tabelle =
            core::SpielscheinEinlesen(pfad, core::Zeilentabelle(core::G1Spalten::Anzahl), Ziffernbreite())
                ->tabelle;
        core::TGewinnreihe& g = stand.gewinnreihe;
        const int zahlen[] = {3, 8, 15, 22, 30, 41};
        for (int i = 0; i < 6; ++i) {
            g.Zahlen[std::size_t(i)] = std::uint8_t(zahlen[i]);
            g.Menge.hinzufuegen(zahlen[i]);
        }
        g.ZS = 12;
        stand.zs = QStringLiteral("12");
        stand.quoten = {QString(), "152.345,60", "8.720,40", "1.234,50", "56,30", "24,80", "12,10"};
        const core::Auswertung a = core::Auswerten(tabelle, g.Menge, stand.zs, stand.quoten, false);
        for (std::size_t r = 1; r <= 6; ++r) {
            stand.anzahl[r] = a.anzahlText[r].value_or(QString());
            stand.betrag[r] = a.betragText[r].value_or(QString());
        }
        stand.gesamt = a.gesamtText.value_or(QString());
        stand.schein = QStringLiteral("schein.txt");
        stand.spieltag = QStringLiteral("18.09.2021");
        stand.reihen = &tabelle;
    }
};

// The rows with a rank of a slip of n rows into a PDF in memory, as "Auswertung als PDF speichern..."
// makes it once the rows are chosen: the report laid out, its pages counted and painted.
void Bericht_pdf(benchmark::State& state) {
    const Ausgewertet a(int(state.range(0)));
    qsizetype bytes = 0;
    QElapsedTimer uhr;
    double aufbau = 0;
    double malen = 0;
    for (auto _ : state) {
        uhr.start();
        const ui::Bericht bericht = ui::Auswertungsbericht(a.stand, QDate(2024, 1, 24), false);
        aufbau = double(uhr.nsecsElapsed()) / 1e6;
        uhr.start();
        const QByteArray pdf = bericht.pdf();
        malen = double(uhr.nsecsElapsed()) / 1e6;
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["aufbau_ms"] = aufbau;
    state.counters["pdf_ms"] = malen;
    state.counters["seiten"] = ui::Auswertungsbericht(a.stand, QDate(2024, 1, 24), false).seiten();
    state.counters["kb"] = double(bytes) / 1024;
}
BENCHMARK(Bericht_pdf)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace
