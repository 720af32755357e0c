#pragma once

#include <QByteArray>
#include <QString>

namespace net {

// Bounds of one transfer, so that no wait is unbounded and no answer fills the disk.
struct Grenzen {
    int verbindenMs = 10000;           // connecting, TLS handshake included
    int stockenS = 15;                 // no byte for this long ends the transfer
    int gesamtS = 60;                  // the whole transfer
    qint64 hoechstBytes = 1024 * 1024; // matchday, counter and version files are a few kB
};

// The installer: a few dozen MB, on lines that may be slow.
inline constexpr Grenzen InstallerGrenzen{10000, 30, 3600, qint64(256) * 1024 * 1024};

class Abbruch;

struct Antwort {
    bool vollstaendig = false; // ended normally with a 2xx status
    bool abgebrochen = false;  // stopped through its Abbruch
    QByteArray inhalt;         // what arrived, unless it went to an Empfaenger
    qint64 bytes = 0;          // how many bytes arrived
    QString grund;             // why not, in German
};

// Where the bytes of a streamed transfer go; called on the transfer's thread.
class Empfaenger {
public:
    virtual ~Empfaenger() = default;
    // False stops the transfer: the bytes cannot be kept.
    virtual bool schreiben(const char* daten, qint64 anzahl) = 0;
    // Bytes so far and the size the server announced, 0 while unknown; false stops the transfer.
    virtual bool fortschritt(qint64 bisher, qint64 gesamt) = 0;
};

// One GET over HTTPS with peer and host verified, redirects to HTTPS only and at most 5, and
// "no-cache" for every cache on the way. Blocks; safe on any thread. An Abbruch ends it at once.
class Uebertragung {
public:
    // caDatei: a PEM file that replaces the system's CA store; empty for the system's.
    static Antwort holen(const QString& url, const Grenzen& grenzen, const QString& caDatei);
    // The same, streamed into empfaenger, which also hears the progress; after a complete
    // transfer it hears the final count once more.
    static Antwort holen(const QString& url, const Grenzen& grenzen, const QString& caDatei,
                         Empfaenger& empfaenger, Abbruch* abbruch = nullptr);
};

} // namespace net
