#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QTimer;
class QToolButton;

namespace settings {
struct Ordner;
}

namespace ui {

struct Umgebung;

// The matchday download window: fetches the file of a chosen Saturday into the matchday folder and
// blinks its lamp green or red for five seconds. Given the main window, it opens centred on it. One
// per run (Einzelfenster); closing only hides it.
class TFsptag : public QWidget {
    Q_OBJECT
public:
    enum Lampe { Grau = 0, Gruen = 1, Rot = 2 };

    TFsptag(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* hauptfenster = nullptr);

    Lampe lampe() const { return lampe_; }

signals:
    // A matchday file was stored at pfad; einlesen: it is to be read into the main window now.
    void spieltagGespeichert(const QString& pfad, bool einlesen);
    // The donation counter fetched after every matchday transfer, for the label "Stand in €".
    void zaehlerstand(const QString& text);

private:
    void FormCreate();
    void bsSkinSpeedButton2Click();
    void Timer2Timer();
    void Timer3Timer();
    void lampeSetzen(Lampe lampe);
    // The lamp of a fetch's end, blinking for five seconds.
    void blinken(Lampe lampe);

    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    QCheckBox* cbSofort;
    QToolButton* bsSkinSpeedButton2;
    QLabel* Image1;
    QComboBox* ComboDate2;
    QToolButton* bsSkinSpeedButton3;
    QTimer* Timer2;
    QTimer* Timer3;
    std::array<QPixmap, 3> lampen_;
    Lampe lampe_ = Grau;
};

} // namespace ui
