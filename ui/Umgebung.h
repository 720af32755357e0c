#pragma once

#include "net/Netz.h"
#include "ui/DateiDialoge.h"
#include "ui/Meldungen.h"
#include "ui/Shell.h"
#include "ui/Uhr.h"

namespace ui {

// Everything that would block a test or reach outside the process. Tests pass fakes.
struct Umgebung {
    Meldungen& meldungen;
    DateiDialoge& dialoge;
    Shell& shell;
    Uhr& uhr;
    net::Netz& netz;
};

} // namespace ui
