// remisator-testseite ORDNER [--port N] [--ca DATEI] [--status PFAD=CODE] [--kurz PFAD]
//                            [--stocken PFAD] [--umleiten PFAD=ZIEL] [--ohne-laenge PFAD]
//                            [--tropfen PFAD=MS] [--seite PFAD]
// Serves ORDNER as the publisher's site on 127.0.0.1 until Ctrl+C. The first line of the output is
// the site's address.
#include "Testseite.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

int verwendung() {
    std::cerr << "Aufruf: remisator-testseite ORDNER [--port N] [--ca DATEI] [--status PFAD=CODE]\n"
                 "                            [--kurz PFAD] [--stocken PFAD] [--umleiten PFAD=ZIEL]\n"
                 "                            [--ohne-laenge PFAD] [--tropfen PFAD=MS] [--seite PFAD]\n";
    return 1;
}

// "PFAD=WERT" -> {PFAD, WERT}
bool teilen(const std::string& text, std::string& pfad, std::string& wert) {
    const auto gleich = text.find('=');
    if (gleich == std::string::npos || gleich == 0)
        return false;
    pfad = text.substr(0, gleich);
    wert = text.substr(gleich + 1);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    if (argumente.empty() || argumente[0].rfind("--", 0) == 0)
        return verwendung();
    const std::string ordner = argumente[0];
    int port = 0;
    std::string ca = (std::filesystem::temp_directory_path() / "remisator-testseite.pem").string();
    std::vector<std::pair<std::string, std::string>> regeln;
    for (size_t i = 1; i < argumente.size(); ++i) {
        if (i + 1 >= argumente.size())
            return verwendung();
        const std::string& name = argumente[i];
        const std::string& wert = argumente[++i];
        if (name == "--port")
            port = std::atoi(wert.c_str());
        else if (name == "--ca")
            ca = wert;
        else if (name == "--status" || name == "--kurz" || name == "--stocken" || name == "--umleiten" ||
                 name == "--ohne-laenge" || name == "--tropfen" || name == "--seite")
            regeln.emplace_back(name, wert);
        else
            return verwendung();
    }

    // Ctrl+C and kill are waited for below, not handled asynchronously.
    sigset_t signale;
    sigemptyset(&signale);
    sigaddset(&signale, SIGINT);
    sigaddset(&signale, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signale, nullptr);

    try {
        testseite::Testseite seite(ordner, ca, port);
        for (const auto& [art, text] : regeln) {
            std::string pfad;
            std::string wert;
            if (art == "--status" && teilen(text, pfad, wert))
                seite.status(pfad, std::atoi(wert.c_str()));
            else if (art == "--umleiten" && teilen(text, pfad, wert))
                seite.umleiten(pfad, wert);
            else if (art == "--kurz")
                seite.kurz(text);
            else if (art == "--stocken")
                seite.stocken(text);
            else if (art == "--tropfen" && teilen(text, pfad, wert))
                seite.tropfen(pfad, std::atoi(wert.c_str()));
            else if (art == "--ohne-laenge")
                seite.ohneLaenge(text);
            else if (art == "--seite")
                seite.seite(text);
            else
                return verwendung();
        }
        std::cout << seite.adresse() << "\n"
                  << "Ordner: " << std::filesystem::absolute(ordner).string() << "\n"
                  << "Zertifikat: " << ca << "\n\n"
                  << "Das Programm darauf richten:\n"
                  << "  REMISATOR_SEITE=" << seite.adresse() << " REMISATOR_CA=" << ca
                  << " build/release/app/remisator\n"
                  << "Beenden mit Strg+C." << std::endl;
        int signal = 0;
        sigwait(&signale, &signal);
    } catch (const std::exception& f) {
        std::cerr << f.what() << "\n";
        return 2;
    }
    std::remove(ca.c_str());
    return 0;
}
