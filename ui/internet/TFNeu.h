#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QToolButton;

namespace settings {
struct Ordner;
}

namespace ui {

struct Umgebung;

// The update window: compares this program's version with the one the publisher offers, fetches
// the installer and starts it; the program then ends and its old file is removed. Given the main
// window, it opens centred on it. At most one exists (Einzelfenster); it is freed when closed.
class TFNeu : public QWidget {
    Q_OBJECT
public:
    static constexpr int KlientBreite = 325;
    static constexpr int KlientHoehe = 306;

    // The installer as it is stored in the data folder.
    static const QString UpdateDatei;

    TFNeu(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* hauptfenster = nullptr);

signals:
    // The donation counter, fetched after every check.
    void zaehlerstand(const QString& text);
    // The program is about to end for the update: what the main window keeps is stored now. A
    // receiver that cannot store it sets abbrechen, and the program keeps running.
    void vorDemEnde(bool& abbrechen);

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void BCalcClick();
    void BDownClick();
    void BSetupClick();
    // Every progress report of the installer download.
    void DataProgress(qint64 Progress, qint64 MaxProgress);
    void knoepfeSetzen();
    bool installerStarten(const QString& datei);
    static bool ausfuehrbarMachen(const QString& datei);
    // How the user starts the installer by hand, for the messages: "... starten".
    QString startHinweis() const;

    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    QLabel* PiVersion;
    QToolButton* BCalc;
    QLabel* PvVersion;
    QToolButton* BDown;
    QProgressBar* Gauge3;
    QToolButton* BSetup;
    QToolButton* bsSkinSpeedButton1;
    // The states the check and the download leave; while the download runs, all are locked.
    bool downAn_ = false;
    bool setupAn_ = false;
    bool laeuft_ = false;
};

} // namespace ui
