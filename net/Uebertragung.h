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

struct Antwort {
    bool vollstaendig = false; // ended normally with a 2xx status
    QByteArray inhalt;
    QString grund; // why not, in German
};

// One GET over HTTPS with peer and host verified, redirects to HTTPS only and at most 5, and
// "no-cache" for every cache on the way. Blocks; safe on any thread.
class Uebertragung {
public:
    // caDatei: a PEM file that replaces the system's CA store; empty for the system's.
    static Antwort holen(const QString& url, const Grenzen& grenzen, const QString& caDatei);
};

} // namespace net
