#include "Testseite.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testseite {
namespace {

constexpr size_t Angekuendigt = 64;
constexpr char ZehnBytes[] = "0123456789";
constexpr char Wartungsseite[] = "<html><body>Wartungsarbeiten</body></html>";

std::string dateiInhalt(const std::string& pfad, bool& gefunden) {
    std::ifstream datei(pfad, std::ios::binary);
    gefunden = bool(datei);
    return std::string((std::istreambuf_iterator<char>(datei)), std::istreambuf_iterator<char>());
}

} // namespace

Testseite::Testseite(const std::string& ordner, const std::string& caDatei, int port)
    : ordner_(ordner),
      server_(std::make_unique<httplib::SSLServer>(zertifikat_.x509(), zertifikat_.schluessel())) {
    if (!server_->is_valid())
        throw std::runtime_error("Testseite: TLS nicht bereit");
    zertifikat_.speichern(caDatei);
    if (!server_->set_mount_point("/", ordner))
        throw std::runtime_error("Testseite: kein Ordner " + ordner);
    server_->set_keep_alive_timeout(1);
    // Without it every answer waits about 40 ms for the client's delayed acknowledgement.
    server_->set_tcp_nodelay(true);
    server_->set_pre_routing_handler([this](const httplib::Request& anfrage, httplib::Response& antwort) {
        Regel r;
        {
            const std::lock_guard<std::mutex> g(sperre_);
            anfragen_.push_back({anfrage.path, anfrage.get_header_value("User-Agent"),
                                 anfrage.get_header_value("Cache-Control"),
                                 anfrage.get_header_value("Pragma")});
            const auto gefunden = regeln_.find(anfrage.path);
            if (gefunden == regeln_.end())
                return httplib::Server::HandlerResponse::Unhandled;
            r = gefunden->second;
        }
        switch (r.art) {
        case Art::Status:
            antwort.status = r.status;
            antwort.set_content("<html><body>Fehler " + std::to_string(r.status) + "</body></html>",
                                "text/html");
            break;
        case Art::Umleitung:
            antwort.set_redirect(r.ziel);
            break;
        case Art::OhneLaenge: {
            bool gefunden = false;
            const std::string inhalt = dateiInhalt(ordner_ + anfrage.path, gefunden);
            if (!gefunden) {
                antwort.status = 404;
                break;
            }
            antwort.set_chunked_content_provider(
                "application/octet-stream", [inhalt](size_t stelle, httplib::DataSink& senke) {
                    if (stelle >= inhalt.size()) {
                        senke.done();
                        return true;
                    }
                    return senke.write(inhalt.data() + stelle,
                                       std::min<size_t>(1024, inhalt.size() - stelle));
                });
            break;
        }
        case Art::Tropfen: {
            bool gefunden = false;
            const std::string inhalt = dateiInhalt(ordner_ + anfrage.path, gefunden);
            if (!gefunden || inhalt.empty()) {
                antwort.status = 404;
                break;
            }
            const auto pause = std::chrono::milliseconds(r.status);
            antwort.set_content_provider(
                inhalt.size(), "application/octet-stream",
                [this, inhalt, pause](size_t stelle, size_t, httplib::DataSink& senke) {
                    if (stelle > 0) {
                        const auto ende = std::chrono::steady_clock::now() + pause;
                        while (!endet_ && std::chrono::steady_clock::now() < ende)
                            std::this_thread::sleep_for(std::chrono::milliseconds(5));
                    }
                    return !endet_ && senke.write(inhalt.data() + stelle, 1);
                });
            break;
        }
        case Art::Seite:
            antwort.set_content(Wartungsseite, "text/html");
            break;
        case Art::Kurz:
            antwort.set_content_provider(Angekuendigt, "application/octet-stream",
                                         [](size_t, size_t, httplib::DataSink& senke) {
                                             senke.write(ZehnBytes, 10);
                                             return false; // hang up
                                         });
            break;
        case Art::Stocken:
            antwort.set_content_provider(Angekuendigt, "application/octet-stream",
                                         [this](size_t stelle, size_t, httplib::DataSink& senke) {
                                             if (stelle == 0)
                                                 return senke.write(ZehnBytes, 10);
                                             // Nothing more, until the site stops; ten minutes at most.
                                             const auto ende =
                                                 std::chrono::steady_clock::now() + std::chrono::minutes(10);
                                             while (!endet_ && std::chrono::steady_clock::now() < ende)
                                                 std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                             return false;
                                         });
            break;
        }
        return httplib::Server::HandlerResponse::Handled;
    });
    if (port == 0)
        port_ = server_->bind_to_any_port("127.0.0.1");
    else if (server_->bind_to_port("127.0.0.1", port))
        port_ = port;
    if (port_ <= 0)
        throw std::runtime_error("Testseite: Port nicht frei");
    lauf_ = std::thread([this] { server_->listen_after_bind(); });
    // stop() before the loop runs would be lost: wait for it, a few seconds at most.
    for (int i = 0; i < 500 && !server_->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

Testseite::~Testseite() {
    endet_ = true;
    server_->stop();
    if (lauf_.joinable())
        lauf_.join();
}

std::string Testseite::adresse() const {
    return "https://127.0.0.1:" + std::to_string(port_);
}

void Testseite::regel(const std::string& pfad, Regel r) {
    const std::lock_guard<std::mutex> g(sperre_);
    regeln_[pfad] = std::move(r);
}

void Testseite::status(const std::string& pfad, int code) {
    regel(pfad, {Art::Status, code, {}});
}

void Testseite::kurz(const std::string& pfad) {
    regel(pfad, {Art::Kurz, 0, {}});
}

void Testseite::stocken(const std::string& pfad) {
    regel(pfad, {Art::Stocken, 0, {}});
}

void Testseite::umleiten(const std::string& pfad, const std::string& ziel) {
    regel(pfad, {Art::Umleitung, 0, ziel});
}

void Testseite::ohneLaenge(const std::string& pfad) {
    regel(pfad, {Art::OhneLaenge, 0, {}});
}

void Testseite::tropfen(const std::string& pfad, int ms) {
    regel(pfad, {Art::Tropfen, ms, {}});
}

void Testseite::seite(const std::string& pfad) {
    regel(pfad, {Art::Seite, 0, {}});
}

void Testseite::regelnLoeschen() {
    const std::lock_guard<std::mutex> g(sperre_);
    regeln_.clear();
}

std::vector<Testseite::Anfrage> Testseite::anfragen() const {
    const std::lock_guard<std::mutex> g(sperre_);
    return anfragen_;
}

} // namespace testseite
