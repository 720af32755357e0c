// The Windows-1252 decoder and the byte-order marks: decoding and encoding give the bytes back,
// and a file read in blocks of whole lines gives the lines of the whole text.
#include "Pruefen.h"

#include "core/text/TextDatei.h"
#include "core/text/Textbloecke.h"
#include "core/text/Windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QByteArray bytes = fuzz::bytes(daten, laenge);
    const QString text = core::Windows1252::dekodieren(bytes);
    PRUEFEN(text.size() == bytes.size());
    PRUEFEN(core::Windows1252::kodieren(text) == bytes);

    qsizetype marken = 0;
    const core::TextDatei::Kodierung k = core::TextDatei::kodierung(bytes, marken);
    PRUEFEN(marken % std::max<qsizetype>(core::TextDatei::marke(k).size(), 1) == 0);
    PRUEFEN(!QByteArrayView(bytes).sliced(marken).startsWith(core::TextDatei::marke(k)) ||
            core::TextDatei::marke(k).isEmpty());

    const QStringList zeilen = core::TextDatei::zeilen(core::TextDatei::dekodieren(bytes));
    fuzz::Tropfen geraet(bytes, fuzz::stueck(bytes));
    core::Textbloecke bloecke(geraet, QStringLiteral("f.txt"));
    PRUEFEN(bloecke.kodierung() == k);
    QStringList gelesen;
    qint64 gezaehlt = 0;
    for (QByteArrayView block = bloecke.naechster(); !block.isEmpty(); block = bloecke.naechster()) {
        gezaehlt += core::Textbloecke::zeilenZaehlen(block, k);
        gelesen += core::TextDatei::zeilen(core::TextDatei::dekodieren(block, k));
    }
    PRUEFEN(gelesen == zeilen);
    PRUEFEN(gezaehlt == zeilen.size());
    return 0;
}
