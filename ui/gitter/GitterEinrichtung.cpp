#include "GitterEinrichtung.h"

#include "core/grund/Konstanten.h"
#include "core/schein/G1Spalten.h"
#include "core/text/Editortabelle.h"
#include "ui/gitter/ZeilenGitter.h"

#include <algorithm>

namespace ui {
namespace {

// The row number's text starts 2 pixels into its cell.
constexpr int NummerLinks = 2;

} // namespace

void ReihenspalteMitwachsen(ZeilenGitter& gitter, int reihe, int zahl, Rest rest) {
    const auto anpassen = [&gitter, reihe, zahl, rest] {
        const int zeilen = gitter.modell()->rowCount();
        const int noetig = NummerLinks + gitter.textmass().breite(QString::number(std::max(zeilen, 1)));
        int mehr = std::max(noetig - reihe, 0);
        gitter.setSpaltenbreite(0, reihe + mehr);
        // The rest column gives first, down to its narrowest; the number columns share the remainder.
        if (rest.spalte >= 0) {
            const int gibt = std::min(mehr, std::max(rest.breite - rest.kleinste, 0));
            gitter.setSpaltenbreite(rest.spalte, rest.breite - gibt);
            mehr -= gibt;
        }
        constexpr int zahlen = core::G1Spalten::LetzteZahl;
        const int weniger = (mehr + zahlen - 1) / zahlen;
        for (int c = core::G1Spalten::ErsteZahl; c <= zahlen; ++c)
            gitter.setSpaltenbreite(c, zahl - weniger);
        if (rest.spalte >= 0 && weniger > 0)
            gitter.setSpaltenbreite(rest.spalte, rest.kleinste + weniger * zahlen - mehr);
    };
    anpassen();
    QObject::connect(gitter.modell(), &QAbstractItemModel::modelReset, &gitter, anpassen);
}

void G1Einrichten(ZeilenGitter& gitter) {
    using S = core::G1Spalten;
    gitter.setSpaltenbreite(S::Schluessel, 0);
    // The rank column keeps room for its widest rank.
    int rang = 0;
    for (const QString& text : core::RangText)
        rang = std::max(rang, gitter.textmass().breite(text));
    ReihenspalteMitwachsen(gitter, G1Reihenbreite, 20, {S::Rang, 50, rang + 4});
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
    ReihenspalteMitwachsen(gitter, 40, 26, {});
    const SchriftTextmass mass = gitter.textmass();
    gitter.modell()->zellenAendern([&](core::Zeilentabelle& t) { core::EditorTabelleBeschriften(t, mass); });
}

} // namespace ui
