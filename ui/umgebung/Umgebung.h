#pragma once

#include "net/Netz.h"
#include "ui/umgebung/DateiDialoge.h"
#include "ui/umgebung/Drucker.h"
#include "ui/umgebung/Meldungen.h"
#include "ui/umgebung/Shell.h"
#include "ui/umgebung/Uhr.h"

namespace ui {

// Everything that would block a test or reach outside the process. Tests pass fakes.
struct Umgebung {
    Meldungen& meldungen;
    DateiDialoge& dialoge;
    Shell& shell;
    Uhr& uhr;
    net::Netz& netz;
    Drucker& drucker;
};

} // namespace ui
