// Odds: the first six lines read in pieces against the whole text, every line through the amount
// rule, and the six texts written and read back.
#include "Pruefen.h"

#include "core/grund/Fehler.h"
#include "core/spieltag/Quoten.h"
#include "core/text/TextDatei.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QByteArray bytes = fuzz::bytes(daten, laenge);
    fuzz::Tropfen geraet(bytes, fuzz::stueck(bytes));
    core::Quotendatei datei;
    try {
        datei = core::QuotenLesen(geraet, QStringLiteral("f.quo"));
    } catch (const core::Fehler&) {
        // Refused: a line among the first six is longer than any odds line can be.
        PRUEFEN(bytes.size() > core::QuotenZeileHoechstens);
        return 0;
    }
    const QStringList alle = core::TextDatei::zeilen(core::TextDatei::dekodieren(bytes));
    PRUEFEN(datei.zeilen == alle.mid(0, 6));
    PRUEFEN(datei.fehler().isEmpty() == (alle.size() >= 6));

    core::TQuoten quoten;
    bool darstellbar = true;
    for (int k = 1; k <= 6; ++k) {
        const QString text = datei.zeilen.value(k - 1);
        quoten[std::size_t(k)] = text;
        darstellbar = darstellbar && fuzz::inWindows1252(text);
        try {
            const std::optional<double> betrag = core::QuoteLesen(text);
            PRUEFEN(!betrag || *betrag >= 0);
        } catch (const core::Fehler&) {
            // The conversion refuses digits with more than one comma, a lone comma and numbers
            // beyond the range of a double.
            const QString rest = QString(text).remove(u'.').remove(u' ');
            PRUEFEN(rest.count(u',') > 1 || rest == QStringLiteral(",") || rest.size() > 300);
        }
    }
    if (!darstellbar)
        return 0;
    QByteArray geschrieben;
    try {
        geschrieben = core::QuotenText(quoten);
    } catch (const core::Fehler&) {
        // Refused: the first text begins like a byte-order mark.
        qsizetype marken = 0;
        PRUEFEN(core::TextDatei::kodierung(core::Windows1252::kodieren(quoten[1]), marken) !=
                core::TextDatei::Kodierung::Windows1252);
        return 0;
    }
    QBuffer zurueck(&geschrieben);
    zurueck.open(QIODevice::ReadOnly);
    PRUEFEN(core::QuotenLesen(zurueck, QStringLiteral("f.quo")).zeilen ==
            QStringList(quoten.begin() + 1, quoten.end()));
    return 0;
}
