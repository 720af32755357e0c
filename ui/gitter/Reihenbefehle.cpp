#include "Reihenbefehle.h"

#include "core/schein/G1Spalten.h"
#include "core/schein/Spielschein.h"
#include "core/schein/Zeilentabelle.h"
#include "ui/gitter/ZeilenModell.h"
#include "ui/umgebung/Umgebung.h"

#include <QFileInfo>

namespace ui {

bool Reihenbefehle::hatReihen(const core::Zeilentabelle& t) {
    return t.zeilen() > 1 && !t.istLeer(1, core::G1Spalten::ErsteZahl);
}

std::optional<QString> Reihenbefehle::alsSpielscheinSpeichern(Umgebung& umgebung, const QString& startOrdner,
                                                              const core::Zeilentabelle& tabelle,
                                                              int weglassen, Meldungen::Ort ort) {
    if (!hatReihen(tabelle)) {
        umgebung.meldungen.fehler(
            QStringLiteral("Es gibt nichts zu speichern.\n\nIch breche erst einmal ab."), ort);
        return std::nullopt;
    }
    const std::optional<GewaehlteDatei> datei = umgebung.dialoge.speichern(
        {QStringLiteral("Spielschein speichern"), QStringLiteral("Spielschein-Datei|*.txt"),
         QStringLiteral("txt"), startOrdner, QString(), true});
    if (!datei)
        return std::nullopt;
    core::SpielscheinSpeichern(tabelle, datei->pfad, weglassen);
    return QFileInfo(datei->pfad).fileName();
}

std::optional<core::Zeilentabelle> Reihenbefehle::reihenLoeschen(ZeilenModell& modell) {
    const core::Zeilentabelle& alt = modell.tabelle();
    if (!hatReihen(alt))
        return std::nullopt;
    // A fresh table of empty rows takes the place of the old one, which goes back whole: nothing
    // is copied or written row by row, however large the slip.
    core::Zeilentabelle leer(alt.spalten(), alt.zeilen());
    for (int c = 0; c < alt.spalten(); ++c)
        leer.setText(0, c, alt.text(0, c));
    return modell.ersetzen(std::move(leer));
}

} // namespace ui
