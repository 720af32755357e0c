#pragma once

#include "core/grund/TGewinnreihe.h"
#include "core/spieltag/Quoten.h"
#include "ui/statistik/Auswertungsfenster.h"

namespace ui {

class Wertetabelle;

// "Mehrere Spielscheine auswerten": slip files the user picks, each evaluated against the winning
// row and the odds the main window showed when this window was opened.
class TFScheine : public Auswertungsfenster {
    Q_OBJECT
public:
    TFScheine(Umgebung& umgebung, const QString& scheinOrdner, core::Zahlenmenge gewinn, const QString& zs,
              const core::TQuoten& quoten, QWidget* parent = nullptr);

    // "Spielscheine wählen...": the files to evaluate, from the slip folder or the one given;
    // nothing happens when cancelled.
    void scheineWaehlen(const QString& ordner = {});
    void auswerten(const QStringList& dateien);

signals:
    // The folder of the slips of a run.
    void ordnerVerwendet(const QString& ordner);

protected:
    QStringList summenzeile() const override;
    void berichtFuellen(Bericht& bericht) const override;

private:
    QString scheinOrdner_;
    core::Zahlenmenge gewinn_;
    QString zs_;
    core::TQuoten quoten_;
    Wertetabelle* modell_;
    QStringList summe_;
    QLabel* reihe_;
};

} // namespace ui
