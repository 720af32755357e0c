#include "app/TFGewonnen.h"
#include "app/TFStart.h"
#include "core/Konstanten.h"
#include "settings/Ordner.h"
#include "ui/QtUmgebung.h"
#include "ui/Skin.h"
#include "ui/TFEingabe.h"

#include <QApplication>
#include <QPointer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
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

    TFGewonnen* haupt = nullptr;
    ui::TFEingabe* editor = nullptr;
    try {
        haupt = new TFGewonnen(umgebung.get(), ordner);
        editor = new ui::TFEingabe(umgebung.get(), ordner, haupt);
        haupt->setEditor(editor);
    } catch (...) {
        // the start window can always be left
    }
    if (start)
        start->setHauptfenster(haupt);
    if (start)
        start->setInitializationDone(true);
    if (!haupt)
        return 1;
    QObject::connect(haupt, &TFGewonnen::geschlossen, &app, &QApplication::quit);
    const int ergebnis = app.exec();
    delete haupt;
    return ergebnis;
}
