#pragma once

#include "TextDatei.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace core {

// A text file read block by block, so that no reader holds its whole text. Every block but the
// last ends right after a line end, so a block holds whole lines and, decoded on its own, gives
// the lines the whole text gives there.
class Textbloecke {
public:
    // Reads from the device's position on and skips the byte-order marks there. A read error
    // throws Fehler naming pfad. With hoechstZeile, a line longer than that many bytes is not read
    // on: the blocks end there, and zuLang() tells why.
    Textbloecke(QIODevice& geraet, const QString& pfad, qsizetype hoechstZeile = 0);

    TextDatei::Kodierung kodierung() const { return kodierung_; }
    // The next block's bytes, empty at the end; valid until the next call.
    QByteArrayView naechster();
    bool zuLang() const { return zuLang_; }

    // The number of lines a block holds (a final line end makes no extra line).
    static qint64 zeilenZaehlen(QByteArrayView block, TextDatei::Kodierung kodierung);

private:
    void nachlesen();
    // Where the last line end of the buffer ends, 0 when it holds none yet.
    qsizetype blockende();

    QIODevice& geraet_;
    QString pfad_;
    qsizetype hoechstZeile_;
    bool zuLang_ = false;
    TextDatei::Kodierung kodierung_ = TextDatei::Kodierung::Windows1252;
    QByteArray puffer_;
    qsizetype ausgegeben_ = 0; // bytes at the start of the buffer that are handed out or marks
    qsizetype geprueft_ = 0;   // bytes of the buffer known to hold no line end
    bool amEnde_ = false;
};

} // namespace core
