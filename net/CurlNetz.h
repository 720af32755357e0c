#pragma once

#include "net/Netz.h"
#include "net/Uebertragung.h"

class QIODevice;

namespace net {

class Abbruch;
class Begleitung;

// The network on libcurl. On the window's thread a transfer runs on a worker thread while the
// window repaints; the Begleitung shows it and can stop it. When the program ends meanwhile, the
// transfer stops at once and no other starts.
class CurlNetz : public Netz {
public:
    // probeFile lies in the private scratch folder; caDatei empty: the system's CA store.
    explicit CurlNetz(QString probeFile, Grenzen grenzen = {}, QString caDatei = QString(),
                      Grenzen installerGrenzen = InstallerGrenzen);

    void begleitenMit(Begleitung* begleitung) { begleitung_ = begleitung; }

    bool InternetVerbunden() override;
    using Netz::DateiHerunterladen;
    bool DateiHerunterladen(const QString& Url, const QString& Ziel, qint64 Satzgroesse) override;
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
    // One transfer into ziel, the file zielPfad names. A write that fails throws EAFehler, a stop
    // Abgebrochen.
    Antwort uebertragen(const QString& url, const Grenzen& grenzen, QIODevice& ziel, const QString& zielPfad,
                        const Fortschritt& fortschritt, bool eingabenZulassen);
    // Runs holen on a worker thread while this thread runs its events; false when the program's
    // end left the loop first, holen then stopped through abbruch.
    template <typename F> bool nebenher(F&& holen, Abbruch& abbruch, bool eingabenZulassen);
    void probeSchreiben(const QByteArray& inhalt) const;
    // Enough bytes for a file of the site; else the reason is kept.
    bool genug(qint64 bytes);

    QString probeFile_;
    Grenzen grenzen_;
    QString caDatei_;
    Grenzen installerGrenzen_;
    Begleitung* begleitung_ = nullptr;
    bool programmende_ = false;
    QString grund_;
};

} // namespace net
