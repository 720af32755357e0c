#pragma once

#include "core/systeme/Kreuzstand.h"

#include <QColor>
#include <QFrame>
#include <QRect>

#include <array>

class QLabel;
class QToolButton;

namespace ui {

class TKreuz;
struct Umgebung;

// The cross board: the picture of the paper slip with its 59 crosses, the counter and the two
// small buttons. It draws the board's state and passes every click to it; number crosses have the
// tags 1..45, system crosses 101..114.
class KreuzBrett : public QFrame {
    Q_OBJECT
public:
    static constexpr int Breite = 260;
    static constexpr int Hoehe = 364;
    static constexpr QColor Rot{0xFF, 0x00, 0x00};
    static constexpr QColor Gruen{0x00, 0x80, 0x00};

    KreuzBrett(Umgebung& umgebung, QWidget* parent);

    // Index 1..45; index 0 unused.
    std::array<TKreuz*, 46> Zahlkreuze{};
    // Index 1..14 = catalogue entry; index 0 unused.
    std::array<TKreuz*, 15> Systemkreuze{};
    // Click areas of the 59 crosses: numbers 1..45 at 0..44, systems at 45..58; both ends included.
    std::array<QRect, 59> Trefferflaechen;

    const core::Kreuzstand& stand() const { return stand_; }

    void KreuzVerwerten(int Tag);
    void KreuzKlickClick(int tag);
    void PKreuzMouseDown(QPoint ort, Qt::MouseButton knopf);

    // The tag of the cross whose click area holds a board position, 0 for none.
    int kreuzAn(QPoint ort) const;
    // The field the keyboard stands on: the arrow keys move it, Space ticks it.
    int fokusKreuz() const { return fokus_; }

    core::Kreuzmuster muster() const { return stand_.muster(); }
    // Clears the crosses, chooses the pattern's first system and ticks its numbers in ascending order.
    void musterLaden(const core::Kreuzmuster& muster);

signals:
    void komplettGeaendert(bool komplett);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

private:
    void BKreuzeDelClick();
    void bsSkinSpeedButton11Click();
    // Brings the crosses and the counter in line with the state.
    void zeigen();
    void ohneSystemMelden(int mal = 1);
    void fokusSetzen(int tag);

    Umgebung& umgebung_;
    core::Kreuzstand stand_;
    int fokus_ = 1;
    // Shows the missing crosses; its property "Farbe" is the fill drawn, invalid while uncoloured.
    QLabel* PZ;
    QToolButton* Zufall; // bsSkinSpeedButton11
    QToolButton* BKreuzeDel;
};

} // namespace ui
