#include "CurlNetz.h"

#include "core/grund/Zahlformat.h"
#include "core/text/TextDatei.h"
#include "net/Abbruch.h"
#include "net/Abgebrochen.h"
#include "net/Begleitung.h"
#include "net/Dateiarbeit.h"
#include "net/Dateiempfang.h"
#include "net/EAFehler.h"
#include "net/PrivaterOrdner.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QSaveFile>
#include <QThread>
#include <QUrl>

#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace net {
namespace {

bool aufDemFensterfaden() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// Fewer bytes than this are an error page or nothing, not a file of the site.
constexpr qint64 Mindestgroesse = 4;

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

template <typename F> bool CurlNetz::nebenher(F&& holen, Abbruch& abbruch, bool eingabenZulassen) {
    QEventLoop schleife;
    bool beendet = false; // the loop was left by the transfer's end, not by the program's
    std::exception_ptr fehler;
    std::thread arbeit([&] {
        try {
            holen();
        } catch (...) {
            fehler = std::current_exception();
        }
        QMetaObject::invokeMethod(
            &schleife,
            [&] {
                beendet = true;
                schleife.quit();
            },
            Qt::QueuedConnection);
    });
    // Without a Begleitung to drop it, input waits for the end of the transfer.
    schleife.exec(eingabenZulassen || begleitung_ ? QEventLoop::AllEvents
                                                  : QEventLoop::ExcludeUserInputEvents);
    if (!beendet)
        abbruch.ausloesen();
    arbeit.join();
    if (fehler)
        std::rethrow_exception(fehler);
    return beendet;
}

Antwort CurlNetz::uebertragen(const QString& url, const Grenzen& grenzen, QIODevice& ziel,
                              const QString& zielPfad, const Fortschritt& fortschritt,
                              bool eingabenZulassen) {
    const QString datei = QUrl(url).fileName();
    const auto abgebrochen = [&] {
        return Abgebrochen(QStringLiteral("Der Download von \"%1\" wurde abgebrochen.").arg(datei),
                           programmende_);
    };
    if (programmende_)
        throw abgebrochen();
    Abbruch abbruch;
    const bool fenster = aufDemFensterfaden();
    std::unique_ptr<Begleitung::Anzeige> anzeige;
    if (fenster && begleitung_)
        anzeige = begleitung_->beginnen(
            datei, [&abbruch] { abbruch.ausloesen(); }, eingabenZulassen);
    Dateiempfang empfang(
        ziel,
        [&](qint64 bisher, qint64 gesamt) {
            if (anzeige)
                anzeige->stand(bisher, gesamt);
            if (fortschritt)
                fortschritt(bisher, gesamt);
        },
        fenster);
    Antwort antwort;
    const auto holen = [&] { antwort = Uebertragung::holen(url, grenzen, caDatei_, empfang, &abbruch); };
    if (!fenster)
        holen();
    else if (!nebenher(holen, abbruch, eingabenZulassen))
        programmende_ = true;
    grund_ = antwort.grund;
    if (empfang.fehlernummer())
        throw EAFehler(zielPfad, empfang.fehlernummer());
    if (antwort.abgebrochen || programmende_)
        throw abgebrochen();
    return antwort;
}

bool CurlNetz::genug(qint64 bytes) {
    if (bytes >= Mindestgroesse)
        return true;
    grund_ = QStringLiteral("Der Server hat nur %1 geschickt.").arg(core::Bytetext(bytes));
    return false;
}

bool CurlNetz::DateiHerunterladen(const QString& Url, const QString& Ziel, qint64 Satzgroesse) {
    PrivaterOrdner::sichern(QFileInfo(probeFile_).path());
    if (DateiGroesse(probeFile_) >= 0)
        DateiLoeschen(probeFile_);
    QByteArray inhalt;
    QBuffer puffer(&inhalt);
    puffer.open(QIODevice::WriteOnly);
    const Antwort antwort = uebertragen(Url, grenzen_, puffer, Ziel, {}, false);
    if (!antwort.vollstaendig)
        return false;
    probeSchreiben(inhalt);
    if (!genug(inhalt.size()))
        return false;
    // A page the site answers with instead (maintenance, a login) must not replace a good file.
    if (inhalt.size() < Satzgroesse || inhalt.size() % Satzgroesse != 0) {
        grund_ = QStringLiteral("Die Antwort des Servers umfasst %1; erwartet sind ganze Sätze zu je %2.")
                     .arg(core::Bytetext(inhalt.size()), core::Bytetext(Satzgroesse));
        return false;
    }
    if (const int nummer = core::TextDatei::bytesErsetzen(Ziel, inhalt))
        throw EAFehler(Ziel, nummer);
    return true;
}

bool CurlNetz::UpdateHerunterladen(const QString& Url, const QString& Ziel, const Fortschritt& fortschritt) {
    // Straight into a new file beside Ziel, which replaces Ziel only once all has arrived: an
    // installer does not go through memory, and a failed download leaves the old one.
    QSaveFile datei(Ziel);
    if (const int nummer = core::TextDatei::ersatzOeffnen(datei))
        throw EAFehler(Ziel, nummer);
    const Antwort antwort = uebertragen(Url, installerGrenzen_, datei, Ziel, fortschritt, true);
    if (!antwort.vollstaendig || !genug(antwort.bytes))
        return false;
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
