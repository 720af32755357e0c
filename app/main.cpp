#include "app/Fensteraufbau.h"
#include "app/TFGewonnen.h"
#include "app/TFStart.h"
#include "core/Konstanten.h"
#include "settings/Ordner.h"
#include "ui/QtUmgebung.h"
#include "ui/Skin.h"
#include "ui/TFEingabe.h"
#include "ui/Uebersetzung.h"

#include <QApplication>
#include <QPointer>
#include <QToolButton>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ui::QtDeutschLaden(app);
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
    QObject::connect(haupt.get(), &TFGewonnen::geschlossen, &app, &QApplication::quit);
    return app.exec();
}
