#pragma once

#include "app/TFGewonnen.h"
#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "support/FakeUmgebung.h"
#include "ui/bausteine/Namen.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <QTest>

#include <memory>

namespace testhilfe {

// A main window on fresh per-user folders, with a fake environment.
struct Hauptfensterhilfe {
    FakeUmgebung umgebung;
    settings::Ordner ordner;
    std::unique_ptr<TFGewonnen> fenster;

    Hauptfensterhilfe() {
        ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
        QDir(ordner.DataRoot).removeRecursively();
        ordner.anlegen();
    }
    settings::IniDatei optionen() const { return settings::IniDatei(ordner.optionenDatei()); }
    TFGewonnen& starten() {
        fenster = std::make_unique<TFGewonnen>(umgebung.get(), ordner);
        return *fenster;
    }
    template <typename T> T* finde(const char* name) const {
        return fenster->findChild<T*>(QString::fromLatin1(name));
    }
    // Below one part of the window, such as the column PFoto: windows reuse names such as "BSave".
    template <typename T> T* finde(const char* teil, const char* name) const {
        return finde<QWidget>(teil)->findChild<T*>(QString::fromLatin1(name));
    }
    // A right click into the row grid, then the entry of its context menu picked by its text with
    // Enter. False when the menu had no such entry.
    bool kontextmenue(const QString& eintrag) {
        QWidget* flaeche = finde<QTableView>(ui::namen::PFoto, ui::namen::G1)->viewport();
        bool gewaehlt = false;
        QTimer::singleShot(0, [&] {
            auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menue)
                return;
            for (QAction* a : menue->actions())
                if (a->text() == eintrag) {
                    menue->setActiveAction(a);
                    QTest::keyClick(menue, Qt::Key_Return);
                    gewaehlt = true;
                    return;
                }
            menue->close();
        });
        const QPoint stelle(20, 20);
        QContextMenuEvent rechts(QContextMenuEvent::Mouse, stelle, flaeche->mapToGlobal(stelle));
        QApplication::sendEvent(flaeche, &rechts);
        return gewaehlt;
    }
};

} // namespace testhilfe
