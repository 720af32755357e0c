#pragma once

#include "net/Netz.h"

namespace net {

struct GeholterSpieltag {
    bool geholt = false;
    QString pfad; // where the file is, or would have been, stored
};

// Fetches the matchday of datumText ("18.09.2021") from the publisher's site into matchdayDir,
// as the download window and the command line do. No connection test or cache purge before it.
// Only an answer of whole matchday records replaces the file there. A file that cannot be written
// throws EAFehler, a stop Abgebrochen.
GeholterSpieltag SpieltagHolen(Netz& netz, const QString& datumText, const QString& matchdayDir);

} // namespace net
