#include "Programm.h"
#include "Systemname.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

bool schreiben(std::FILE* ziel, const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), ziel) == std::size_t(bytes.size()) &&
           std::fflush(ziel) == 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QByteArray ausgabe;
    QByteArray fehler;
    // The arguments as the system gave them: file names need not be valid UTF-8.
    const int code = cli::Ausfuehren(cli::ArgumenteAusSystem(argc, argv), ausgabe, fehler);
    schreiben(stderr, fehler);
    if (!schreiben(stdout, ausgabe)) {
        schreiben(stderr, QByteArrayLiteral("Die Ausgabe kann nicht geschrieben werden.\n"));
        return 2;
    }
    return code;
}
