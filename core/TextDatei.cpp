#include "TextDatei.h"

#include "DateiFehler.h"
#include "Fehler.h"
#include "Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>

namespace core {

QByteArray TextDatei::bytesLesen(const QString& pfad) {
    QFile datei(pfad);
    errno = 0;
    if (QFileInfo(pfad).isDir())
        throw Fehler(LesefehlerText(pfad, EISDIR), EISDIR);
    if (!datei.open(QIODevice::ReadOnly)) {
        const int nummer = errno;
        throw Fehler(LesefehlerText(pfad, nummer), nummer);
    }
    errno = 0;
    QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        const int nummer = errno ? errno : EIO;
        throw Fehler(LesefehlerText(pfad, nummer), nummer);
    }
    return bytes;
}

TextDatei::Kodierung TextDatei::kodierung(QByteArrayView bytes, qsizetype& markenlaenge) {
    markenlaenge = 3;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Kodierung::Utf8;
    markenlaenge = 2;
    if (bytes.startsWith("\xFF\xFE"))
        return Kodierung::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return Kodierung::Utf16BE;
    markenlaenge = 0;
    return Kodierung::Windows1252;
}

QString TextDatei::dekodieren(const QByteArray& bytes) {
    qsizetype marke = 0;
    const Kodierung k = kodierung(bytes, marke);
    const QByteArrayView rest = QByteArrayView(bytes).sliced(marke);
    switch (k) {
    case Kodierung::Utf8:
        return QString::fromUtf8(rest);
    case Kodierung::Utf16LE:
        return QStringDecoder(QStringConverter::Utf16LE)(rest);
    case Kodierung::Utf16BE:
        return QStringDecoder(QStringConverter::Utf16BE)(rest);
    case Kodierung::Windows1252:
        break;
    }
    return Windows1252::dekodieren(rest);
}

QString TextDatei::lesen(const QString& pfad) {
    return dekodieren(bytesLesen(pfad));
}

QStringList TextDatei::zeilen(QStringView text) {
    QStringList liste;
    jedeZeile(text, [&](QStringView z) { liste.append(z.toString()); });
    return liste;
}

QStringList TextDatei::zeilenLesen(const QString& pfad) {
    return zeilen(lesen(pfad));
}

QByteArray TextDatei::kodieren(const QStringList& zeilen) {
    QByteArray bytes;
    qsizetype laenge = 0;
    for (const QString& z : zeilen)
        laenge += z.size() + 2;
    bytes.reserve(laenge);
    for (const QString& z : zeilen) {
        Windows1252::anhaengen(bytes, z);
        bytes.append("\r\n", 2);
    }
    return bytes;
}

void TextDatei::zeilenSchreiben(const QString& pfad, const QStringList& zeilen) {
    bytesSchreiben(pfad, kodieren(zeilen));
}

void TextDatei::bytesSchreiben(const QString& pfad, const QByteArray& bytes) {
    QSaveFile datei(pfad);
    errno = 0;
    // Unbuffered: a buffered flush drops the rest of a partial write and still commits.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Fehler(SchreibfehlerText(pfad, errno ? errno : EACCES));
    // A partial write is retried, so that the second attempt tells the reason (disk full ...).
    for (qsizetype geschrieben = 0; geschrieben < bytes.size();) {
        errno = 0;
        const qint64 n = datei.write(bytes.constData() + geschrieben, bytes.size() - geschrieben);
        if (n <= 0) {
            const int nummer = errno ? errno : EIO;
            datei.cancelWriting();
            throw Fehler(SchreibfehlerText(pfad, nummer));
        }
        geschrieben += n;
    }
    errno = 0;
    if (!datei.commit())
        throw Fehler(SchreibfehlerText(pfad, errno ? errno : EIO));
}

} // namespace core
