#include "Eingabedatei.h"

#include "core/grund/Systemname.h"

#include "core/grund/DateiFehler.h"

#include <QDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

Eingabedatei::Eingabedatei(const QString& name) : anzeige_(core::NameZumZeigen(name)) {
    const QByteArray bytes = core::NameAlsBytes(name);
    struct stat info {};
    if (::stat(bytes.constData(), &info) != 0)
        throw core::Fehler(core::LesefehlerText(anzeige_, errno));
    if (S_ISDIR(info.st_mode))
        throw core::Fehler(core::LesefehlerText(anzeige_, EISDIR));
    if (!S_ISREG(info.st_mode))
        throw core::Fehler(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n\n"
                                          "Sie ist keine gewöhnliche Datei.")
                               .arg(QDir::toNativeSeparators(anzeige_)));
    fd_ = ::open(bytes.constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw core::Fehler(core::LesefehlerText(anzeige_, errno));
    pfad_ = anzeige_ == name ? name : QStringLiteral("/proc/self/fd/%1").arg(fd_);
}

Eingabedatei::~Eingabedatei() {
    ::close(fd_);
}

bool Eingabedatei::vorhanden(const QString& name) {
    struct stat info {};
    return ::stat(core::NameAlsBytes(name).constData(), &info) == 0;
}

QString Eingabedatei::dateiname() const {
    return anzeige_.mid(anzeige_.lastIndexOf(u'/') + 1);
}

} // namespace cli
