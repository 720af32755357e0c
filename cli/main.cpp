#include "DateiAusgabe.h"
#include "Programm.h"
#include "core/grund/Systemname.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    cli::DateiAusgabe ausgabe(stdout);
    QByteArray fehler;
    // The arguments as the system gave them: file names need not be valid UTF-8.
    const int code = cli::Ausfuehren(core::ArgumenteAusSystem(argc, argv), ausgabe, fehler);
    std::fwrite(fehler.constData(), 1, std::size_t(fehler.size()), stderr);
    if (code == 0 && !ausgabe.fehlerfrei()) {
        std::fputs("Die Ausgabe kann nicht geschrieben werden.\n", stderr);
        return 2;
    }
    return code;
}
