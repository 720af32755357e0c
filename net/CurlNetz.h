#pragma once

#include "net/Netz.h"
#include "net/Uebertragung.h"

namespace net {

// The network on libcurl. A transfer runs on a worker thread while the calling thread keeps
// repainting, without taking input; during the installer download it takes input too.
class CurlNetz : public Netz {
public:
    // probeFile lies in the private scratch folder; caDatei empty: the system's CA store.
    explicit CurlNetz(QString probeFile, Grenzen grenzen = {}, QString caDatei = QString(),
                      Grenzen installerGrenzen = InstallerGrenzen);

    bool InternetVerbunden() override;
    bool DateiHerunterladen(const QString& Url, const QString& Ziel) override;
    qint64 DateiGroesse(const QString& Pfad) override;
    bool DateiLoeschen(const QString& Pfad) override;
    // libcurl keeps no cache, and every request asks the caches on the way for a fresh answer:
    // nothing is left to purge.
    void CacheLeeren() override {}
    bool UpdateHerunterladen(const QString& Url, const QString& Ziel,
                             const Fortschritt& fortschritt) override;

    // Why the last download brought nothing, in German; empty after a success.
    const QString& letzterGrund() const { return grund_; }

private:
    void probeSchreiben(const QByteArray& inhalt) const;

    QString probeFile_;
    Grenzen grenzen_;
    QString caDatei_;
    Grenzen installerGrenzen_;
    QString grund_;
};

} // namespace net
