#include "bench/Zufallsreihen.h"
#include "core/schein/Zeilentabelle.h"
#include "core/text/Editortabelle.h"
#include "settings/Ordner.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Namen.h"
#include "ui/editor/TFEingabe.h"
#include "ui/editor/Textfeld.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/umgebung/QtUmgebung.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

// n pasted tip rows separated by blanks, as copied from a web page.
QString tippText(int n) {
    return QString::fromLatin1(Zufallsreihen(n, ' ', "\n"));
}

const QFont gitterSchrift = ui::Bausteine::schrift(QStringLiteral("Tahoma"), 11);

// The step from the text to the filled grid table, row labels included.
void Auslesen(benchmark::State& state) {
    const QString text = tippText(int(state.range(0)));
    const ui::SchriftTextmass mass(gitterSchrift);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::TippreihenAuslesen(text, mass));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Auslesen)->Arg(100000)->Unit(benchmark::kMillisecond);

// The editor window shown, on its own.
struct Editorfenster {
    ui::QtUmgebung umgebung;
    settings::Ordner ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
    ui::TFEingabe fenster{umgebung.get(), ordner};
    ui::Textfeld* m1 = fenster.findChild<ui::Textfeld*>(QString::fromLatin1(ui::namen::m1));
    QToolButton* BAuslesen = fenster.findChild<QToolButton*>(QString::fromLatin1(ui::namen::BAuslesen));
    Editorfenster() {
        fenster.show();
        QApplication::processEvents();
    }
    void leeren() {
        m1->clear();
        QApplication::processEvents();
    }
};

// Fills the empty text field once per iteration, until the window has caught up.
template <typename F> void jedesMalFuellen(benchmark::State& state, Editorfenster& e, F fuellen) {
    for (auto _ : state) {
        fuellen();
        QApplication::processEvents();
        state.PauseTiming();
        e.leeren();
        state.ResumeTiming();
    }
}

// Setting the text field's text, with the line count and the tab check that follow every change.
void Editor_TextSetzen(benchmark::State& state) {
    const QString text = tippText(int(state.range(0)));
    Editorfenster e;
    jedesMalFuellen(state, e, [&] { e.m1->setPlainText(text); });
}
BENCHMARK(Editor_TextSetzen)->Arg(100000)->Unit(benchmark::kMillisecond);

// Pasting the text from the clipboard with Ctrl+V.
void Editor_Einfuegen(benchmark::State& state) {
    QGuiApplication::clipboard()->setText(tippText(int(state.range(0))));
    Editorfenster e;
    jedesMalFuellen(state, e, [&] { QTest::keyClick(e.m1, Qt::Key_V, Qt::ControlModifier); });
}
BENCHMARK(Editor_Einfuegen)->Arg(100000)->Unit(benchmark::kMillisecond);

// One key typed at the end of a long text: the change handler reads the whole text.
void Editor_Tippen(benchmark::State& state) {
    Editorfenster e;
    e.m1->setPlainText(tippText(int(state.range(0))));
    e.m1->moveCursor(QTextCursor::End);
    for (auto _ : state) {
        QTest::keyClick(e.m1, Qt::Key_1);
        QTest::keyClick(e.m1, Qt::Key_Backspace);
    }
}
BENCHMARK(Editor_Tippen)->Arg(100000)->Unit(benchmark::kMillisecond);

// The press of "Auslesen" until the grid is painted again.
void Editor_Auslesen(benchmark::State& state) {
    Editorfenster e;
    e.m1->setPlainText(tippText(int(state.range(0))));
    QApplication::processEvents();
    for (auto _ : state) {
        e.BAuslesen->click();
        QApplication::processEvents();
    }
}
BENCHMARK(Editor_Auslesen)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
