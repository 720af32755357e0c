#include "UpdateBatch.h"

#include "core/grund/Fehler.h"
#include "net/EAFehler.h"
#include "net/Entfernungsskript.h"
#include "net/PrivaterOrdner.h"
#include "settings/Ordner.h"
#include "ui/umgebung/Umgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

#include <cerrno>

namespace ui {
namespace {

// A new script file of this user's alone, closed: the file object keeps its descriptor until it is
// destroyed, and a file still open for writing cannot be run.
QString skriptSchreiben(const settings::Ordner& ordner, const QString& exe) {
    net::PrivaterOrdner::sichern(ordner.TempDir);
#ifdef Q_OS_WIN
    QTemporaryFile skript(ordner.TempDir + QStringLiteral("uisXXXXXX.bat"));
#else
    QTemporaryFile skript(ordner.TempDir + QStringLiteral("uisXXXXXX.sh"));
#endif
    skript.setAutoRemove(false);
    errno = 0;
    if (!skript.open())
        throw net::EAFehler(ordner.TempDir, errno ? errno : EACCES);
    const QString pfad = skript.fileName();
#ifdef Q_OS_WIN
    // The executable may carry the read-only attribute, which would stop del.
    QFile::setPermissions(exe, QFile::permissions(exe) | QFile::WriteOwner);
    const QByteArray text = net::Entfernungsskript::batch(QDir::toNativeSeparators(exe),
                                                          QDir::toNativeSeparators(ordner.ProgramDir),
                                                          QDir::toNativeSeparators(pfad));
#else
    const QByteArray text =
        net::Entfernungsskript::sh(QCoreApplication::applicationPid(), exe, ordner.ProgramDir, pfad);
#endif
    errno = 0;
    const bool geschrieben = skript.write(text) == text.size() && skript.flush() &&
                             skript.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const int nummer = errno ? errno : EIO;
    if (!geschrieben) {
        skript.remove();
        throw net::EAFehler(pfad, nummer);
    }
    return pfad;
}

void skriptStarten(Shell& shell, const settings::Ordner& ordner, const QString& exe) {
    if (!net::Entfernungsskript::entfernbar(ordner.ProgramDir))
        return;
    const QString pfad = skriptSchreiben(ordner, exe);
#ifdef Q_OS_WIN
    QDir::setCurrent(ordner.TempDir);
#endif
    if (!shell.programmStarten(pfad, true)) {
        QFile::remove(pfad);
        throw core::Fehler(QStringLiteral("Das Skript \"%1\" kann nicht gestartet werden.").arg(pfad));
    }
}

} // namespace

void UpdateBatchStarten(Umgebung& umgebung, const settings::Ordner& ordner, const QString& exe) {
    try {
        skriptStarten(umgebung.shell, ordner, exe);
    } catch (const core::Fehler& f) {
        const auto* ea = dynamic_cast<const net::EAFehler*>(&f);
        umgebung.meldungen.information(
            (ea ? ea->ausfuehrlich() : f.text()) +
            QStringLiteral(
                "\n\nDie alte Programm-Datei %1 bleibt deshalb erhalten; Sie können sie nach dem Update "
                "löschen.")
                .arg(QDir::toNativeSeparators(exe)));
    }
    umgebung.shell.sofortBeenden();
}

} // namespace ui
