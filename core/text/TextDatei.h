#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFile;
class QIODevice;
class QSaveFile;

namespace core {

// Reading and writing the program's files. Text is read with its byte-order mark (UTF-8,
// UTF-16 LE/BE) or as Windows-1252; written as Windows-1252 with CR LF and no mark.
// Every write replaces the file atomically: a failure leaves the old file whole.
class TextDatei {
public:
    // Opens a file for reading; throws Fehler naming the file and the reason.
    static void oeffnen(QFile& datei, const QString& pfad);
    // The whole file as bytes; throws Fehler naming the file and the reason.
    static QByteArray bytesLesen(const QString& pfad);
    // Its first bytes, at most `hoechstens`, for readers that need no more whatever the file's size.
    static QByteArray anfangLesen(const QString& pfad, qsizetype hoechstens);
    // The file decoded to text.
    static QString lesen(const QString& pfad);
    static QString dekodieren(const QByteArray& bytes);
    // Bytes without a mark: UTF-8 when they are valid UTF-8, else Windows-1252.
    static QString utf8OderWindows1252(QByteArrayView bytes);
    // The code of a file's bytes as its byte-order mark tells, and the length of the mark. A mark
    // written twice or more (as tools that add one to a file that has one leave it) counts whole.
    enum class Kodierung { Windows1252, Utf8, Utf16LE, Utf16BE };
    static Kodierung kodierung(QByteArrayView bytes, qsizetype& markenlaenge);
    // The bytes of one mark of the code; empty for Windows-1252.
    static QByteArrayView marke(Kodierung kodierung);
    // Text after the marks. A U+FEFF in it is a character like any other.
    static QString dekodieren(QByteArrayView text, Kodierung kodierung);
    // Lines at CR LF, LF or CR; a final line end makes no extra line.
    static QStringList zeilen(QStringView text);
    static QStringList zeilenLesen(const QString& pfad);
    // The first lines of the text the device holds from its position on, at most `anzahl`; only
    // as much of it is read as they need. A line longer than hoechstZeile bytes (when given)
    // throws Fehler: such a file is not what the reader expects, and is not read whole.
    static QStringList ersteZeilen(QIODevice& geraet, const QString& pfad, qsizetype anzahl,
                                   qsizetype hoechstZeile = 0);

    // Each line followed by CR LF, Windows-1252.
    static QByteArray kodieren(const QStringList& zeilen);
    static void zeilenSchreiben(const QString& pfad, const QStringList& zeilen);
    static void bytesSchreiben(const QString& pfad, const QByteArray& bytes);
    // The same replacement; 0 when done, else the system's error number.
    static int bytesErsetzen(const QString& pfad, QByteArrayView bytes);
    // Opens a replacement of its file, unbuffered; 0, or the system's error number (EISDIR where a
    // folder has the file's name).
    static int ersatzOeffnen(QSaveFile& datei);

    // Calls f(QStringView) for every line of text.
    template <typename F> static void jedeZeile(QStringView text, F&& f) {
        const qsizetype n = text.size();
        const QChar* d = text.data();
        qsizetype start = 0;
        qsizetype i = 0;
        while (i < n) {
            const char16_t c = d[i].unicode();
            if (c == u'\r' || c == u'\n') {
                f(QStringView(d + start, i - start));
                i += (c == u'\r' && i + 1 < n && d[i + 1] == u'\n') ? 2 : 1;
                start = i;
            } else {
                ++i;
            }
        }
        if (start < n)
            f(QStringView(d + start, n - start));
    }
};

} // namespace core
