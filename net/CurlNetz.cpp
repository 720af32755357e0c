#include "CurlNetz.h"

#include "core/TextDatei.h"
#include "net/Dateiarbeit.h"
#include "net/EAFehler.h"
#include "net/PrivaterOrdner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QThread>

#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace net {
namespace {

// Runs f on a worker thread; the user-interface thread meanwhile repaints and runs its timers but
// takes no input, so the window neither freezes nor starts a second command.
template <typename F> void ohneEinfrieren(F&& f) {
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
        f();
        return;
    }
    QEventLoop schleife;
    std::exception_ptr fehler;
    std::thread arbeit([&] {
        try {
            f();
        } catch (...) {
            fehler = std::current_exception();
        }
        QMetaObject::invokeMethod(&schleife, &QEventLoop::quit, Qt::QueuedConnection);
    });
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
    arbeit.join();
    if (fehler)
        std::rethrow_exception(fehler);
}

} // namespace

CurlNetz::CurlNetz(QString probeFile, Grenzen grenzen, QString caDatei)
    : probeFile_(std::move(probeFile)), grenzen_(grenzen), caDatei_(std::move(caDatei)) {}

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
