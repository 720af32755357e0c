#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace settings {
struct Ordner;
}
namespace ui {
struct Umgebung;
class AuswertungsBereich;
class KreuzBereich;
class SpieltagBereich;
} // namespace ui

// The main window: the evaluation of slips against the winning row of a matchday.
class TFGewonnen : public QWidget {
    Q_OBJECT
public:
    static constexpr int KlientBreite = 962;
    static constexpr int KlientHoehe = 690;

    TFGewonnen(ui::Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent = nullptr);

    // Readers of a matchday and a slip file; a name without a file is passed over.
    void SpieltagEinlesen(const QString& datei);
    void SpielscheinEinlesen(const QString& datei);

    // The slip editor, shown by "Spielschein erstellen...".
    void setEditor(QWidget* editor) { editor_ = editor; }

    ui::SpieltagBereich* Spieltag;
    ui::KreuzBereich* Kreuze;
    ui::AuswertungsBereich* PFoto;
    QLabel* leur;

signals:
    // The window was closed: the program ends.
    void geschlossen();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void werkzeugleisteBauen();
    void optionenLesen();
    void gemerkteDateienLesen();
    void bsSkinSpeedButton4Click();
    void bsSkinSpeedButton7Click();

    ui::Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    QWidget* editor_ = nullptr;
    QString startSpieltag_;
    QString startSpielschein_;
};
