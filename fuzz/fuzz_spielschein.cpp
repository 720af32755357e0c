// Slip lines: the reader in pieces against the whole text split line by line by the comma-text
// rules, and a slip written and read back.
#include "Pruefen.h"

#include "core/grund/Fehler.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Spielschein.h"
#include "core/text/Kommatext.h"
#include "core/text/TextDatei.h"

#include <QBuffer>

namespace {

class OhneFuellung : public core::Textmass {
public:
    int breite(QStringView) const override { return 0; }
};

const OhneFuellung mass;

// The cells 1..8 of every row as the comma-text rules give them from the whole text.
QList<QStringList> erwartet(const QByteArray& bytes) {
    QList<QStringList> zeilen;
    for (const QString& zeile : core::TextDatei::zeilen(core::TextDatei::dekodieren(bytes))) {
        QStringList felder = core::KommatextZerlegen(zeile).mid(0, 8);
        if (felder.isEmpty())
            felder.append(QString());
        for (QString& f : felder)
            if (f.isEmpty())
                f = QStringLiteral(" ");
        while (felder.size() < 8)
            felder.append(QString());
        zeilen.append(felder);
    }
    return zeilen;
}

QList<QStringList> zellen(const core::Zeilentabelle& t) {
    QList<QStringList> zeilen;
    for (int r = 1; r < t.zeilen(); ++r) {
        QStringList z;
        for (int c = 1; c <= 8; ++c)
            z.append(t.text(r, c));
        zeilen.append(z);
    }
    return zeilen;
}

// Written, an empty cell between others comes back as one blank.
QList<QStringList> mitBlanks(QList<QStringList> zeilen) {
    for (QStringList& z : zeilen)
        for (QString& f : z)
            if (f.isEmpty())
                f = QStringLiteral(" ");
    return zeilen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QByteArray bytes = fuzz::bytes(daten, laenge);
    fuzz::Tropfen geraet(bytes, fuzz::stueck(bytes));
    // Bytes in memory never change while they are read: any error is the reader's.
    const core::Spielschein schein =
        core::SpielscheinLesen(geraet, QStringLiteral("f.txt"), core::Zeilentabelle(9), mass);
    const QList<QStringList> gelesen = zellen(schein.tabelle);
    PRUEFEN(schein.zeilen == gelesen.size());
    PRUEFEN(gelesen == erwartet(bytes));

    bool darstellbar = true;
    for (const QStringList& z : gelesen)
        for (const QString& f : z)
            darstellbar = darstellbar && fuzz::inWindows1252(f);
    if (!darstellbar)
        return 0;
    QBuffer geschrieben;
    geschrieben.setData(core::SpielscheinText(schein.tabelle, 0));
    geschrieben.open(QIODevice::ReadOnly);
    const core::Spielschein zurueck =
        core::SpielscheinLesen(geschrieben, QStringLiteral("f.txt"), core::Zeilentabelle(9), mass);
    PRUEFEN(mitBlanks(zellen(zurueck.tabelle)) == mitBlanks(gelesen));
    return 0;
}
