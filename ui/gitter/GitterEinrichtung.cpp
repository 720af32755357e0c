#include "GitterEinrichtung.h"

#include "core/grund/Konstanten.h"
#include "core/schein/G1Spalten.h"
#include "core/text/Editortabelle.h"
#include "ui/gitter/ZeilenGitter.h"

namespace ui {

void G1Einrichten(ZeilenGitter& gitter) {
    using S = core::G1Spalten;
    gitter.setSpaltenbreite(S::Reihe, 37);
    for (int c = S::ErsteZahl; c <= S::LetzteZahl; ++c)
        gitter.setSpaltenbreite(c, 20);
    gitter.setSpaltenbreite(S::Rang, 50);
    gitter.setSpaltenbreite(S::Schluessel, 0);
    const SchriftTextmass mass = gitter.textmass();
    gitter.modell()->zellenAendern([&](core::Zeilentabelle& t) {
        for (int c = S::ErsteZahl; c <= S::LetzteZahl; ++c)
            t.setText(0, c, core::ZahlRechtsbuendig(c, 20, mass));
        t.setText(0, S::Reihe, core::TextRechtsbuendig(u"Reihe", 34, mass));
        t.setText(0, S::Rang, core::TextRechtsbuendig(u"GKl.", gitter.spaltenbreite(S::Rang), mass));
    });
}

void G2Einrichten(ZeilenGitter& gitter) {
    gitter.setSpaltenbreite(0, 46);
    gitter.setSpaltenbreite(1, 48);
    gitter.setSpaltenbreite(2, 96);
    const SchriftTextmass mass = gitter.textmass();
    gitter.modell()->zellenAendern([&](core::Zeilentabelle& t) {
        for (int i = 1; i <= 6; ++i)
            t.setText(i, 0, core::TextRechtsbuendig(core::RangText[i], gitter.spaltenbreite(0), mass));
        const QString koepfe[3] = {QStringLiteral("GKl."), QStringLiteral("Anzahl"),
                                   QStringLiteral("Gewinn")};
        for (int c = 0; c < 3; ++c)
            t.setText(0, c, core::TextRechtsbuendig(koepfe[c], gitter.spaltenbreite(c), mass));
    });
}

void EditorGitterBeschriften(ZeilenGitter& gitter) {
    gitter.setSpaltenbreite(0, 40);
    const SchriftTextmass mass = gitter.textmass();
    gitter.modell()->zellenAendern([&](core::Zeilentabelle& t) { core::EditorTabelleBeschriften(t, mass); });
}

} // namespace ui
