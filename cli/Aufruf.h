#pragma once

#include "core/spieltag/BoxVerlassen.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

// One command line, checked against the usage: what to do, on what, with which options.
struct Aufruf {
    enum class Befehl {
        Hilfe,
        Version,
        Auswerten,
        Gewinnreihe,
        Spieltag,
        System,
        Herunterladen,
        Statistik,
        Scheine
    };

    Befehl befehl = Befehl::Hilfe;
    // After the command: the file or files, the system's name and its numbers, or the date
    QStringList argumente;
    std::optional<QString> spieltag;
    // The texts of the winning-row boxes 1..6 as typed, and of box 7.
    std::optional<core::Boxtexte> gewinnreihe;
    bool mitZs = false;
    std::optional<QString> quoten;
    bool nachRang = false;
    std::optional<QString> ordner; // the folder of the matchdays
    bool json = false;

    // Throws Aufruffehler when the line does not fit the usage; argumente[0] is the program.
    static Aufruf lesen(const QStringList& argumente);
};

// The short usage shown with every usage error, and the full help.
QString Verwendung();
QString Hilfe();

} // namespace cli
