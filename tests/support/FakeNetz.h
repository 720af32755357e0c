#pragma once

#include "net/Netz.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

namespace testhilfe {

// The network as a test scripts it: every call needs an answer given in advance, else the test
// fails. Downloads write the scripted bytes into their target, as the real one does.
class FakeNetz : public net::Netz {
public:
    struct Download {
        QString url;
        QString ziel;
        bool wartezeiger; // the wait cursor was shown during the call
        qint64 satzgroesse;
    };

    void antworteVerbunden(bool ja) { verbunden_.push_back(ja); }
    // nullopt: the download fails and leaves its target alone.
    void antworteDownload(std::optional<QByteArray> inhalt) { downloads_.push_back({inhalt, 0}); }
    // The download throws EAFehler with this error number.
    void antworteSchreibfehler(int nummer) { downloads_.push_back({std::nullopt, nummer}); }
    // The download is stopped, as by "Abbrechen" or by the program's end.
    void antworteAbbruch(bool programmende = false) {
        downloads_.push_back({std::nullopt, 0, programmende ? Stopp::Programmende : Stopp::Abbrechen});
    }
    // DateiGroesse, DateiLoeschen and CacheLeeren are allowed from here on (on the real files).
    void erlaubeAufraeumen() { aufraeumen_ = true; }

    std::vector<Download> downloads;
    int verbindungsfragen = 0;
    int cacheGeleert = 0;
    QStringList geloescht;

    bool allesVerbraucht() const { return verbunden_.empty() && downloads_.empty(); }
    void zuruecksetzen();

    bool InternetVerbunden() override;
    using net::Netz::DateiHerunterladen;
    bool DateiHerunterladen(const QString& Url, const QString& Ziel, qint64 Satzgroesse) override;
    qint64 DateiGroesse(const QString& Pfad) override;
    bool DateiLoeschen(const QString& Pfad) override;
    void CacheLeeren() override;
    // The next scripted download, reported as one step: all its bytes of all.
    bool UpdateHerunterladen(const QString& Url, const QString& Ziel,
                             const Fortschritt& fortschritt) override;

private:
    bool aufraeumenErlaubt(const QString& was);

    enum class Stopp { Nein, Abbrechen, Programmende };
    struct Antwort {
        std::optional<QByteArray> inhalt;
        int fehlernummer;
        Stopp stopp = Stopp::Nein;
    };
    std::deque<bool> verbunden_;
    std::deque<Antwort> downloads_;
    bool aufraeumen_ = false;
};

} // namespace testhilfe
