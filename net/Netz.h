#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace net {

// The program's only contact with the network, and the file removal that goes with it.
// Tests pass a fake.
class Netz {
public:
    virtual ~Netz() = default;
    // A network interface other than loopback is up; says nothing about the site itself.
    virtual bool InternetVerbunden() = 0;
    // Fetches Url into the file Ziel. False when nothing usable arrived (no answer, an error status,
    // fewer than 4 bytes, a cut transfer): Ziel is then untouched. A file that cannot be written
    // throws EAFehler; a scratch folder that is not private throws core::Fehler; a transfer
    // stopped by the user or by the program's end throws Abgebrochen, Ziel untouched.
    bool DateiHerunterladen(const QString& Url, const QString& Ziel) {
        return DateiHerunterladen(Url, Ziel, 1);
    }
    // The same for a file of records of Satzgroesse bytes: an answer that is not a whole number
    // of them, at least one, is not usable either.
    virtual bool DateiHerunterladen(const QString& Url, const QString& Ziel, qint64 Satzgroesse) = 0;
    // Size of the entry Pfad, -1 when there is none.
    virtual qint64 DateiGroesse(const QString& Pfad) = 0;
    // Removes a file, or a folder with everything in it, for good and without asking.
    virtual bool DateiLoeschen(const QString& Pfad) = 0;
    // After this no transfer is answered from a cache.
    virtual void CacheLeeren() = 0;

    // Bytes received so far and the size the server announced, 0 while it is unknown.
    using Fortschritt = std::function<void(qint64 bisher, qint64 gesamt)>;
    // The installer: streamed into Ziel over the same checked way, with bounds fit for it. Progress
    // is reported on the calling thread, which meanwhile runs its events: the windows repaint and
    // take input. False as for DateiHerunterladen, Ziel then untouched; a file that cannot be
    // written throws EAFehler, a stop throws Abgebrochen.
    virtual bool UpdateHerunterladen(const QString& Url, const QString& Ziel,
                                     const Fortschritt& fortschritt) = 0;
};

} // namespace net
