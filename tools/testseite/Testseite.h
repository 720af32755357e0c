#pragma once

#include "Zertifikat.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class SSLServer;
}

namespace testseite {

// The publisher's site for tests and for trying the program by hand: serves a folder over HTTPS
// on 127.0.0.1 with a certificate made at start. Single paths can be told to answer otherwise.
class Testseite {
public:
    struct Anfrage {
        std::string pfad;
        std::string agent;
        std::string cacheControl;
        std::string pragma;
    };

    // port 0: a free port. The certificate goes to caDatei (PEM).
    Testseite(const std::string& ordner, const std::string& caDatei, int port = 0);
    ~Testseite();
    Testseite(const Testseite&) = delete;
    Testseite& operator=(const Testseite&) = delete;

    int port() const { return port_; }
    // "https://127.0.0.1:<port>"
    std::string adresse() const;

    // The status code with a short error page.
    void status(const std::string& pfad, int code);
    // Announces 64 bytes, sends 10 and hangs up.
    void kurz(const std::string& pfad);
    // Announces 64 bytes, sends 10, then nothing until the site stops.
    void stocken(const std::string& pfad);
    // 302 to ziel (an address or a path of this site).
    void umleiten(const std::string& pfad, const std::string& ziel);
    // The file of this path in pieces, without announcing its size.
    void ohneLaenge(const std::string& pfad);
    // The file of this path, its size announced, one byte every `ms` milliseconds.
    void tropfen(const std::string& pfad, int ms);
    // Status 200 with a short web page, as a site under maintenance answers any path.
    void seite(const std::string& pfad);
    void regelnLoeschen();

    std::vector<Anfrage> anfragen() const;

private:
    enum class Art { Status, Kurz, Stocken, Umleitung, OhneLaenge, Tropfen, Seite };
    struct Regel {
        Art art;
        int status = 0;
        std::string ziel;
    };
    void regel(const std::string& pfad, Regel r);

    Zertifikat zertifikat_;
    std::string ordner_;
    std::unique_ptr<httplib::SSLServer> server_;
    int port_ = 0;
    std::thread lauf_;
    std::atomic<bool> endet_{false};
    mutable std::mutex sperre_;
    std::map<std::string, Regel> regeln_;
    std::vector<Anfrage> anfragen_;
};

} // namespace testseite
