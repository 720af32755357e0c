#pragma once

#include <QImage>
#include <QWidget>

class QLabel;
class QSlider;
class QToolButton;

namespace settings {
struct Ordner;
}

namespace ui {

struct Umgebung;

// A snapshot of the evaluation: shows the picture of the moment of capture, saves it as JPEG of
// the chosen quality or copies it to the clipboard. Freed when closed.
class TFAbbild : public QWidget {
    Q_OBJECT
public:
    static constexpr int LeistenHoehe = 40;

    // speicherOrdner is the save folder shared by all snapshot windows of the run.
    TFAbbild(Umgebung& umgebung, const settings::Ordner& ordner, QString& speicherOrdner,
             QWidget* parent = nullptr);

    // The picture, and the client area below the two tool bars.
    void setBild(const QImage& bild, QSize flaeche);
    const QImage& bild() const { return bild_; }
    int qualitaet() const;

    // The chosen name with its extension replaced by the chosen type's ("jpg", "png"), whatever was
    // typed.
    static QString mitEndung(const QString& pfad, const QString& endung);

private:
    void BSaveClick();
    void bsSkinSpeedButton1Click();
    void bsSkinSpeedButton13Click();
    void leistenBauen();

    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    QString& speicherOrdner_;
    QImage bild_;
    QToolButton* BClose;
    QToolButton* Position; // bsSkinSpeedButton13
    QToolButton* BSave;
    QSlider* Slider1;
    QToolButton* Kopieren; // bsSkinSpeedButton1
    QLabel* Image1;
};

} // namespace ui
