// The editor text: rows read from any text against the lines split by hand, the first line's
// separator standing for a comma.
#include "Pruefen.h"

#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Zeilentabelle.h"
#include "core/text/Editortabelle.h"
#include "core/text/Kommatext.h"
#include "core/text/TextDatei.h"

namespace {

class OhneFuellung : public core::Textmass {
public:
    int breite(QStringView) const override { return 0; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QString text = core::TextDatei::dekodieren(fuzz::bytes(daten, laenge));
    core::Zeilentabelle t(core::EditorSpalten, 3);
    t.setText(1, 1, u"alt");
    const int reihen = core::TippreihenAuslesen(text, t, OhneFuellung());
    PRUEFEN(t.zeilen() == reihen + 1);

    QStringList zeilen;
    for (const QString& z : core::TextDatei::zeilen(text))
        zeilen.append(core::ZeileTrimmen(z).toString());
    if (zeilen.isEmpty() || zeilen[0].size() < 7) {
        PRUEFEN(reihen == 1 && t.text(1, 1) == QStringLiteral("alt"));
        return 0;
    }
    const QChar trenner = core::TrennerSuchen(zeilen[0]);
    int r = 0;
    for (const QString& z : zeilen) {
        if (z.isEmpty())
            continue;
        ++r;
        PRUEFEN(r <= reihen);
        const QStringList felder = core::KommatextZerlegen(QString(z).replace(trenner, u','));
        for (int c = 1; c <= 6; ++c) {
            const QString erwartet = c <= felder.size()
                                         ? (felder[c - 1].isEmpty() ? QStringLiteral(" ") : felder[c - 1])
                                         : QString();
            PRUEFEN(t.text(r, c) == erwartet);
        }
        PRUEFEN(t.text(r, 0) == QString::number(r));
    }
    PRUEFEN(r == reihen);
    return 0;
}
