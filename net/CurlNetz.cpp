#include "CurlNetz.h"

#include "core/text/TextDatei.h"
#include "net/Dateiarbeit.h"
#include "net/Dateiempfang.h"
#include "net/EAFehler.h"
#include "net/PrivaterOrdner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QSaveFile>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace net {
namespace {

// Runs f on a worker thread while the calling thread runs its events: the window repaints and
// runs its timers, and takes input only where asked. When that loop is left before f ends (the
// program quits), stoppen tells f to end soon.
template <typename F, typename S> void nebenher(QEventLoop::ProcessEventsFlags flags, F&& f, S&& stoppen) {
    QEventLoop schleife;
    std::atomic<bool> fertig{false};
    std::exception_ptr fehler;
    std::thread arbeit([&] {
        try {
            f();
        } catch (...) {
            fehler = std::current_exception();
        }
        fertig = true;
        QMetaObject::invokeMethod(&schleife, &QEventLoop::quit, Qt::QueuedConnection);
    });
    schleife.exec(flags);
    if (!fertig)
        stoppen();
    arbeit.join();
    if (fehler)
        std::rethrow_exception(fehler);
}

bool aufDemFensterfaden() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// The window neither freezes nor starts a second command meanwhile.
template <typename F> void ohneEinfrieren(F&& f) {
    if (aufDemFensterfaden())
        nebenher(QEventLoop::ExcludeUserInputEvents, f, [] {});
    else
        f();
}

} // namespace

CurlNetz::CurlNetz(QString probeFile, Grenzen grenzen, QString caDatei, Grenzen installerGrenzen)
    : probeFile_(std::move(probeFile)), grenzen_(grenzen), caDatei_(std::move(caDatei)),
      installerGrenzen_(installerGrenzen) {}

bool CurlNetz::InternetVerbunden() {
    const auto schnittstellen = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& s : schnittstellen) {
        const auto f = s.flags();
        if (!f.testFlag(QNetworkInterface::IsUp) || !f.testFlag(QNetworkInterface::IsRunning) ||
            f.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        const auto eintraege = s.addressEntries();
        for (const QNetworkAddressEntry& e : eintraege)
            if (!e.ip().isLoopback() && !e.ip().isLinkLocal())
                return true;
    }
    return false;
}

bool CurlNetz::DateiHerunterladen(const QString& Url, const QString& Ziel) {
    PrivaterOrdner::sichern(QFileInfo(probeFile_).path());
    if (DateiGroesse(probeFile_) >= 0)
        DateiLoeschen(probeFile_);
    Antwort antwort;
    ohneEinfrieren([&] { antwort = Uebertragung::holen(Url, grenzen_, caDatei_); });
    grund_ = antwort.grund;
    if (!antwort.vollstaendig)
        return false;
    probeSchreiben(antwort.inhalt);
    if (antwort.inhalt.size() < 4) {
        grund_ = QStringLiteral("Der Server hat nur %1 Bytes geschickt.").arg(antwort.inhalt.size());
        return false;
    }
    if (const int nummer = core::TextDatei::bytesErsetzen(Ziel, antwort.inhalt))
        throw EAFehler(Ziel, nummer);
    return true;
}

bool CurlNetz::UpdateHerunterladen(const QString& Url, const QString& Ziel, const Fortschritt& fortschritt) {
    // Straight into a new file beside Ziel, which replaces Ziel only once all has arrived: an
    // installer does not go through memory.
    QSaveFile datei(Ziel);
    errno = 0;
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EAFehler(Ziel, errno ? errno : EACCES);
    const bool fenster = aufDemFensterfaden();
    Dateiempfang empfang(datei, fortschritt, fenster);
    Antwort antwort;
    const auto holen = [&] { antwort = Uebertragung::holen(Url, installerGrenzen_, caDatei_, empfang); };
    if (fenster)
        nebenher(QEventLoop::AllEvents, holen, [&] { empfang.abbrechen(); });
    else
        holen();
    grund_ = antwort.grund;
    if (empfang.fehlernummer()) {
        datei.cancelWriting();
        throw EAFehler(Ziel, empfang.fehlernummer());
    }
    if (antwort.vollstaendig && antwort.bytes < 4) {
        grund_ = QStringLiteral("Der Server hat nur %1 Bytes geschickt.").arg(antwort.bytes);
        antwort.vollstaendig = false;
    }
    if (!antwort.vollstaendig) {
        datei.cancelWriting();
        return false;
    }
    errno = 0;
    if (!datei.commit())
        throw EAFehler(Ziel, errno ? errno : EIO);
    return true;
}

void CurlNetz::probeSchreiben(const QByteArray& inhalt) const {
    // O_EXCL and O_NOFOLLOW: a name planted in the meantime is never written through.
    const int fd = ::open(QFile::encodeName(probeFile_).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        throw EAFehler(probeFile_, errno);
    for (qsizetype geschrieben = 0; geschrieben < inhalt.size();) {
        const ssize_t n = ::write(fd, inhalt.constData() + geschrieben, size_t(inhalt.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int nummer = n < 0 ? errno : EIO;
            ::close(fd);
            throw EAFehler(probeFile_, nummer);
        }
        geschrieben += n;
    }
    if (::close(fd) != 0)
        throw EAFehler(probeFile_, errno);
}

qint64 CurlNetz::DateiGroesse(const QString& Pfad) {
    return Dateiarbeit::groesse(Pfad);
}

bool CurlNetz::DateiLoeschen(const QString& Pfad) {
    return Dateiarbeit::loeschen(Pfad);
}

} // namespace net
