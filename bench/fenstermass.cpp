// remisator-fenstermass [SCHEIN]: the real main window, offscreen, reads the slip through
// "Spielschein einlesen..." (without SCHEIN the complete slip of all rows of 6 out of 45, written
// first), evaluates it with the winning row 3 8 15 22 30 41, ZS 12, sorts it by rank and
// evaluates once more, sorted, clears the rows and undoes that; then prints the time of each step,
// the processor time and page faults within it, and the resident memory (VmRSS) and its peak (VmHWM)
// from /proc/self/status.
#include "app/Grossseiten.h"
#include "bench/AlleReihen.h"
#include "bench/Offscreen.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Prozessmass.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/hauptfenster/AuswertungsBereich.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <sys/resource.h>

namespace namen = ui::namen;

namespace {

struct Fenster : testhilfe::Hauptfensterhilfe {
    QToolButton* knopf(const char* name) const { return finde<QToolButton>(namen::PFoto, name); }
    QLineEdit* box(int i) const {
        return finde<QWidget>(namen::PFoto, qPrintable(namen::frAnzeige + QString::number(i)))
            ->findChild<QLineEdit*>(QString::fromLatin1(namen::ETZ));
    }
    void klicken(const char* name) {
        QTest::mouseClick(knopf(name), Qt::LeftButton);
        QApplication::processEvents();
    }
};

// Processor time (ms) and page faults of the process so far: on a virtual machine under load they
// say more than the clock.
struct Prozess {
    double ms = 0;
    long seitenfehler = 0;
    static Prozess jetzt() {
        rusage r{};
        getrusage(RUSAGE_SELF, &r);
        const auto zeit = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
        return {zeit(r.ru_utime) + zeit(r.ru_stime), r.ru_minflt + r.ru_majflt};
    }
};
Prozess bisher;

void schritt(const char* name, QElapsedTimer& uhr) {
    const Prozess jetzt = Prozess::jetzt();
    std::printf("%-28s %7.0f ms (%5.0f ms Prozessor, %6ld Seitenfehler), VmRSS %4lld MB, VmHWM %4lld MB\n",
                name, double(uhr.nsecsElapsed()) / 1e6, jetzt.ms - bisher.ms,
                jetzt.seitenfehler - bisher.seitenfehler, testhilfe::speicherJetzt() / 1024,
                testhilfe::speicherspitze() / 1024);
    bisher = jetzt;
    uhr.restart();
}

} // namespace

int main(int argc, char** argv) {
    // Started as the program starts.
    app::MitGrossseitenStarten(argv);
    const Offscreen offscreen(argc, argv);
    QString schein = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (schein.isEmpty()) {
        schein = offscreen.daten().filePath(QStringLiteral("alle.txt"));
        QFile f(schein);
        if (!f.open(QIODevice::WriteOnly) || !AlleReihenSchreiben(f)) {
            std::fprintf(stderr, "%s nicht geschrieben\n", qPrintable(schein));
            return 2;
        }
    }

    Fenster f;
    f.starten().show();
    if (!QTest::qWaitForWindowExposed(f.fenster.get()))
        return 2;
    testhilfe::speicherspitzeZuruecksetzen();
    const qint64 vorher = testhilfe::speicherJetzt();
    QElapsedTimer uhr;
    uhr.start();
    bisher = Prozess::jetzt();
    f.umgebung.antworteOeffnen(schein);
    f.klicken(namen::SpielscheinEinlesen);
    schritt("Spielschein einlesen...", uhr);
    const QStringList zahlen = {"3", "8", "15", "22", "30", "41", "12"};
    // Typed as a player types them, each box entered and left, with the evaluation on the button only.
    f.finde<QCheckBox>(namen::PFoto, namen::cbSofort)->setChecked(false);
    for (int i = 1; i <= 7; ++i) {
        f.box(i)->setFocus();
        QTest::keyClicks(f.box(i), zahlen[i - 1]);
    }
    f.knopf(namen::BAuswerten)->setFocus();
    f.klicken(namen::BAuswerten);
    schritt("Gewinn- Pruefung", uhr);
    f.klicken(namen::BSortier);
    schritt("nach Rang sortieren", uhr);
    f.klicken(namen::BAuswerten);
    schritt("Gewinn- Pruefung, sortiert", uhr);
    const int zeilen = f.finde<ui::ZeilenGitter>(namen::PFoto, namen::G1)->modell()->tabelle().zeilen() - 1;
    const core::Zeilentabelle& g1 = f.finde<ui::ZeilenGitter>(namen::PFoto, namen::G1)->modell()->tabelle();
    std::printf("%d Reihen, Reihe 1: %s, nach Rang sortiert: %s\n", zeilen, qPrintable(g1.text(1, 7)),
                f.finde<ui::AuswertungsBereich>(namen::PFoto)->NachRangSortieren() ? "ja" : "nein");
    std::printf("VmRSS vor dem Einlesen %lld MB, danach %lld MB, Spitze (VmHWM) %lld MB\n", vorher / 1024,
                testhilfe::speicherJetzt() / 1024, testhilfe::speicherspitze() / 1024);
    // Undo holds the rows once: cleared, then taken back.
    uhr.restart();
    f.klicken(namen::BGridDel);
    schritt("Reihen loeschen", uhr);
    f.finde<ui::AuswertungsBereich>(namen::PFoto)->rueckgaengig();
    schritt("Rueckgaengig", uhr);
    QElapsedTimer schliessen;
    schliessen.start();
    f.fenster->close();
    f.fenster.reset();
    schritt("Fenster geschlossen", schliessen);
    return 0;
}
