#pragma once

#include "app/TFGewonnen.h"
#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "support/FakeUmgebung.h"
#include "ui/bausteine/Namen.h"

#include <QCoreApplication>
#include <QDir>

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
};

} // namespace testhilfe
