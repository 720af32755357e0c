#include "app/Beendensignal.h"
#include "app/Fensteraufbau.h"
#include "app/Grossseiten.h"
#include "app/TFGewonnen.h"
#include "app/TFStart.h"
#include "core/grund/Konstanten.h"
#include "settings/Ordner.h"
#include "ui/bausteine/Ikonen.h"
#include "ui/bausteine/Skin.h"
#include "ui/editor/TFEingabe.h"
#include "ui/umgebung/QtUmgebung.h"
#include "ui/umgebung/Uebersetzung.h"
#include "ui/umgebung/Waechter.h"

#include <QApplication>
#include <QPointer>
#include <QToolButton>

int main(int argc, char** argv) {
    app::MitGrossseitenStarten(argv);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ui::QtDeutschLaden(app);
    app::Beendensignal beenden;
    // The menu entry's name, which is also the icon's; the icon comes from the resources when the
    // program is not installed.
    const QString kennung = QStringLiteral("example.remisator.Remisator");
    QGuiApplication::setDesktopFileName(kennung);
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme(kennung, QIcon(ui::Ikonen::bildPfad(QStringLiteral("remisator")))));
    ui::Skin::anwenden(app);
    ui::QtUmgebung umgebung;

    // The start window fixes and creates the folders, then shows itself at once.
    const settings::Ordner ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
    ordner.anlegen();
    QPointer<TFStart> start = new TFStart;
    start->show();
    start->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(core::ProgrammName);

    // An error while building has been shown when this returns empty; the start window can always
    // be left.
    std::unique_ptr<TFGewonnen> haupt =
        app::FensterAufbauen<TFGewonnen, ui::TFEingabe>(umgebung.get(), ordner);
    if (start)
        start->setHauptfenster(haupt.get());
    if (start && haupt)
        haupt->videoKnopfVerbinden(start->Video);
    if (start)
        start->setInitializationDone(true);
    if (!haupt)
        return 1;
    // "remisator DATEI": a slip, matchday or odds file, opened after the files of the last run. A
    // second start opens a second program.
    for (const QString& datei : QApplication::arguments().mid(1))
        if (!datei.startsWith(u'-'))
            ui::Schuetzen(umgebung.get().meldungen, [&] { haupt->DateiOeffnen(datei); });
    // Closed while the start window still shows (asked to quit), the main window is not faded in
    // again when quitting closes the start window.
    if (start)
        QObject::connect(haupt.get(), &TFGewonnen::geschlossen, start,
                         [start] { start->setHauptfenster(nullptr); });
    QObject::connect(haupt.get(), &TFGewonnen::geschlossen, &app, &QApplication::quit);
    beenden.schliesst(haupt.get());
    return app.exec();
}
