#include "bench/Zufallsreihen.h"
#include "image/JpegDatei.h"
#include "settings/Ordner.h"
#include "ui/abbild/Abbilder.h"
#include "ui/hauptfenster/AuswertungsBereich.h"
#include "ui/umgebung/QtUmgebung.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The evaluation column at its design size with a slip of 1,000 rows read, as it is captured.
struct Spalte {
    ui::QtUmgebung umgebung;
    settings::Ordner ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
    QTemporaryDir dateien;
    ui::AuswertungsBereich bereich{umgebung.get(), ordner, nullptr};

    Spalte() {
        ordner.anlegen();
        const QString schein = dateien.filePath(QStringLiteral("Schein1.txt"));
        QFile f(schein);
        const QByteArray reihen = Zufallsreihen(1000, ',', "\r\n");
        if (!f.open(QIODevice::WriteOnly) || f.write(reihen) != reihen.size())
            qFatal("Benchmark-Datei nicht geschrieben");
        f.close();
        bereich.SpielscheinEinlesen(schein);
        bereich.resize(ui::AuswertungsBereich::Breite, ui::AuswertungsBereich::Hoehe);
    }
};

// The picture of the column with its footer mark.
void Abbild_aufnehmen(benchmark::State& state) {
    Spalte s;
    for (auto _ : state)
        benchmark::DoNotOptimize(ui::Abbilder::aufnehmen(&s.bereich, 0, 81));
}
BENCHMARK(Abbild_aufnehmen)->Unit(benchmark::kMillisecond);

// That picture encoded at quality 100 and written to its file, replaced atomically.
void Abbild_speichern(benchmark::State& state) {
    Spalte s;
    const QImage bild = ui::Abbilder::aufnehmen(&s.bereich, 0, 81);
    const QString pfad = s.dateien.filePath(QStringLiteral("Schein1.jpg"));
    for (auto _ : state)
        image::JpegDatei::speichern(pfad, bild, 100);
    state.counters["Bytes"] = double(QFile(pfad).size());
}
BENCHMARK(Abbild_speichern)->Unit(benchmark::kMillisecond);

} // namespace
