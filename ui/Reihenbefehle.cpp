#include "Reihenbefehle.h"

#include "core/Spielschein.h"
#include "core/Zeilentabelle.h"
#include "ui/Umgebung.h"
#include "ui/ZeilenModell.h"

#include <QFileInfo>
#include <QLabel>

namespace ui {

bool Reihenbefehle::hatReihen(const core::Zeilentabelle& t) {
    return t.zeilen() > 1 && !t.istLeer(1, 1);
}

void Reihenbefehle::alsSpielscheinSpeichern(Umgebung& umgebung, const QString& startOrdner,
                                            const core::Zeilentabelle& tabelle, int weglassen,
                                            QLabel* LDatei) {
    if (!hatReihen(tabelle)) {
        umgebung.meldungen.fehler(
            QStringLiteral("Es gibt nichts zu speichern.\n\nIch breche erst einmal ab."));
        return;
    }
    const std::optional<GewaehlteDatei> datei = umgebung.dialoge.speichern(
        {QStringLiteral("Spielschein speichern"), QStringLiteral("Spielschein-Datei|*.txt"),
         QStringLiteral("txt"), startOrdner, QString(), true});
    if (!datei)
        return;
    core::SpielscheinSpeichern(tabelle, datei->pfad, weglassen);
    LDatei->setText(QFileInfo(datei->pfad).fileName());
}

void Reihenbefehle::reihenLoeschen(ZeilenModell& modell, QLabel* LDatei, QLabel* LReihen) {
    if (!hatReihen(modell.tabelle()))
        return;
    modell.zellenAendern([](core::Zeilentabelle& t) {
        for (int r = 1; r < t.zeilen(); ++r)
            t.zeileLeeren(r);
    });
    LDatei->clear();
    LReihen->setText(QStringLiteral("0"));
}

} // namespace ui
