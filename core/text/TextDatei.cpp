#include "TextDatei.h"

#include "Textbloecke.h"
#include "Windows1252.h"
#include "core/grund/DateiFehler.h"
#include "core/grund/Fehler.h"
#include "core/grund/Zahlformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>

namespace core {

void TextDatei::oeffnen(QFile& datei, const QString& pfad) {
    datei.setFileName(pfad);
    const QFileInfo info(pfad);
    if (info.isDir())
        throw Fehler(LesefehlerText(pfad, EISDIR), EISDIR);
    if (info.exists() && !info.isFile())
        throw Fehler(KeineDateiText(pfad));
    errno = 0;
    // Unbuffered: the readers read in large pieces of their own.
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        const int nummer = errno ? errno : EIO;
        throw Fehler(LesefehlerText(pfad, nummer), nummer);
    }
}

QByteArray TextDatei::bytesLesen(const QString& pfad) {
    QFile datei;
    oeffnen(datei, pfad);
    errno = 0;
    QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        const int nummer = errno ? errno : EIO;
        throw Fehler(LesefehlerText(pfad, nummer), nummer);
    }
    return bytes;
}

QByteArray TextDatei::anfangLesen(const QString& pfad, qsizetype hoechstens) {
    QFile datei;
    oeffnen(datei, pfad);
    errno = 0;
    QByteArray bytes = datei.read(hoechstens);
    if (datei.error() != QFileDevice::NoError) {
        const int nummer = errno ? errno : EIO;
        throw Fehler(LesefehlerText(pfad, nummer), nummer);
    }
    return bytes;
}

QByteArrayView TextDatei::marke(Kodierung kodierung) {
    switch (kodierung) {
    case Kodierung::Utf8:
        return "\xEF\xBB\xBF";
    case Kodierung::Utf16LE:
        return "\xFF\xFE";
    case Kodierung::Utf16BE:
        return "\xFE\xFF";
    case Kodierung::Windows1252:
        break;
    }
    return {};
}

TextDatei::Kodierung TextDatei::kodierung(QByteArrayView bytes, qsizetype& markenlaenge) {
    markenlaenge = 0;
    for (const Kodierung k : {Kodierung::Utf8, Kodierung::Utf16LE, Kodierung::Utf16BE}) {
        const QByteArrayView m = marke(k);
        if (!bytes.startsWith(m))
            continue;
        while (bytes.sliced(markenlaenge).startsWith(m))
            markenlaenge += m.size();
        return k;
    }
    return Kodierung::Windows1252;
}

QString TextDatei::dekodieren(QByteArrayView text, Kodierung kodierung) {
    QStringConverter::Encoding code = QStringConverter::Utf8;
    switch (kodierung) {
    case Kodierung::Utf8:
        break;
    case Kodierung::Utf16LE:
        code = QStringConverter::Utf16LE;
        break;
    case Kodierung::Utf16BE:
        code = QStringConverter::Utf16BE;
        break;
    case Kodierung::Windows1252:
        return Windows1252::dekodieren(text);
    }
    // The marks are gone: a U+FEFF left at the start is text, as it would be anywhere else. An
    // incomplete character at the end is a replacement character, as it is before a line end, so
    // that a piece of whole lines decodes as it does within the whole text.
    QStringDecoder decoder(code,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    if (code == QStringConverter::Utf8)
        return decoder.decode(text);
    // Half a UTF-16 unit at the end is the replacement character, also when it is all there is.
    const qsizetype ganze = text.size() / 2 * 2;
    QString ergebnis = decoder.decode(text.first(ganze));
    if (ganze < text.size())
        ergebnis.append(QChar::ReplacementCharacter);
    return ergebnis;
}

QString TextDatei::dekodieren(const QByteArray& bytes) {
    qsizetype marken = 0;
    const Kodierung k = kodierung(bytes, marken);
    return dekodieren(QByteArrayView(bytes).sliced(marken), k);
}

QString TextDatei::utf8OderWindows1252(QByteArrayView bytes) {
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? Windows1252::dekodieren(bytes) : text;
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

QStringList TextDatei::ersteZeilen(QIODevice& geraet, const QString& pfad, qsizetype anzahl,
                                   qsizetype hoechstZeile) {
    QStringList liste;
    Textbloecke bloecke(geraet, pfad, hoechstZeile);
    while (liste.size() < anzahl) {
        const QByteArrayView block = bloecke.naechster();
        if (bloecke.zuLang())
            throw Fehler(
                QStringLiteral(
                    "Die Datei \"%1\" kann nicht gelesen werden.\n\nIhre Zeile %2 ist länger als %3.")
                    .arg(QDir::toNativeSeparators(pfad))
                    .arg(liste.size() + 1)
                    .arg(Bytetext(hoechstZeile)));
        if (block.isEmpty())
            break;
        jedeZeile(dekodieren(block, bloecke.kodierung()), [&](QStringView z) {
            if (liste.size() < anzahl)
                liste.append(z.toString());
        });
    }
    return liste;
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
    if (const int nummer = bytesErsetzen(pfad, bytes))
        throw Fehler(SchreibfehlerText(pfad, nummer));
}

int TextDatei::ersatzOeffnen(QSaveFile& datei) {
    // Qt refuses a folder without telling the system's reason.
    if (QFileInfo(datei.fileName()).isDir())
        return EISDIR;
    errno = 0;
    // Unbuffered: a buffered flush drops the rest of a partial write and still commits.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return errno ? errno : EACCES;
    return 0;
}

int TextDatei::bytesErsetzen(const QString& pfad, QByteArrayView bytes) {
    QSaveFile datei(pfad);
    if (const int nummer = ersatzOeffnen(datei))
        return nummer;
    // A partial write is retried, so that the second attempt tells the reason (disk full ...).
    for (qsizetype geschrieben = 0; geschrieben < bytes.size();) {
        errno = 0;
        const qint64 n = datei.write(bytes.constData() + geschrieben, bytes.size() - geschrieben);
        if (n <= 0) {
            const int nummer = errno ? errno : EIO;
            datei.cancelWriting();
            return nummer;
        }
        geschrieben += n;
    }
    errno = 0;
    if (!datei.commit())
        return errno ? errno : EIO;
    return 0;
}

} // namespace core
