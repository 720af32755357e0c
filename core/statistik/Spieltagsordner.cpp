#include "Spieltagsordner.h"

#include "core/grund/DateiFehler.h"
#include "core/grund/Fehler.h"
#include "core/grund/Systemname.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {
namespace {

bool istSpieltag(const char* name) {
    const std::size_t n = std::strlen(name);
    return n > 5 && qstrnicmp(name + n - 5, ".sp45", 5) == 0;
}

} // namespace

Spieltagsordner::Spieltagsordner(const QString& pfad) : anzeige_(NameZumZeigen(pfad)) {
    const auto scheitern = [this](int fehler) {
        if (fd_ >= 0)
            ::close(fd_);
        return Fehler(LesefehlerText(anzeige_, fehler), fehler);
    };
    fd_ = ::open(NameAlsBytes(pfad).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0 || ::faccessat(fd_, ".", X_OK, AT_EACCESS) != 0)
        throw scheitern(errno);
    // readdir on a copy: closedir closes the descriptor it was given.
    const int kopie = ::dup(fd_);
    DIR* verzeichnis = kopie >= 0 ? ::fdopendir(kopie) : nullptr;
    if (!verzeichnis) {
        const int fehler = errno;
        if (kopie >= 0)
            ::close(kopie);
        throw scheitern(fehler);
    }
    errno = 0;
    while (const dirent* e = ::readdir(verzeichnis)) {
        if (istSpieltag(e->d_name))
            spieltage_.push_back({QByteArray(e->d_name), NameZumZeigen(NameAusBytes(e->d_name))});
        errno = 0;
    }
    const int fehler = errno;
    ::closedir(verzeichnis);
    if (fehler)
        throw scheitern(fehler);
    std::sort(spieltage_.begin(), spieltage_.end(), [](const Eintrag& a, const Eintrag& b) {
        return a.anzeige != b.anzeige ? a.anzeige < b.anzeige : a.name < b.name;
    });
}

Spieltagsordner::~Spieltagsordner() {
    if (fd_ >= 0)
        ::close(fd_);
}

QString Spieltagsordner::pfad(const QString& anzeige) const {
    return QDir(anzeige_).filePath(anzeige);
}

std::unique_ptr<QFile> Spieltagsordner::oeffnen(const QByteArray& name, const QString& anzeige) const {
    // O_NONBLOCK: opening a pipe would wait for a writer.
    const int fd = ::openat(fd_, name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int fehler = errno;
        struct stat eintrag {};
        if (fehler == ENOENT && ::fstatat(fd_, name.constData(), &eintrag, AT_SYMLINK_NOFOLLOW) != 0)
            return nullptr;
        if (fehler == ENOENT)
            throw Fehler(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n\nSie ist eine "
                                        "Verknüpfung auf etwas, das es nicht gibt.")
                             .arg(QDir::toNativeSeparators(pfad(anzeige))));
        throw Fehler(LesefehlerText(pfad(anzeige), fehler), fehler);
    }
    struct stat info {};
    const int art = ::fstat(fd, &info) == 0 ? int(info.st_mode & S_IFMT) : 0;
    if (art != S_IFREG) {
        ::close(fd);
        if (art == S_IFDIR)
            throw Fehler(LesefehlerText(pfad(anzeige), EISDIR), EISDIR);
        throw Fehler(KeineDateiText(pfad(anzeige)));
    }
    auto datei = std::make_unique<QFile>();
    if (!datei->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw Fehler(LesefehlerText(pfad(anzeige), EIO), EIO);
    }
    return datei;
}

} // namespace core
