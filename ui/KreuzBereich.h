#pragma once

#include "core/SystemReihen.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QLabel;
class QToolButton;

namespace settings {
struct Ordner;
}

namespace ui {

class KreuzBrett;
class ZeilenGitter;
struct Umgebung;

// The middle column: the hint, the cross board, the pattern and play buttons and the information panel.
class KreuzBereich : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 280;
    static constexpr int Hoehe = 650;

    KreuzBereich(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent);

    // The row grid and its row count label that "System abwickeln" writes.
    void setReihenziel(ZeilenGitter* G1, QLabel* LReihen);

    void BQSaveClick();
    void BQOpenClick();
    void BVollClick();
    QString musterDatei() const;

    KreuzBrett* PKreuz;
    QToolButton* BQOpen;
    QToolButton* BQSave;
    QToolButton* BVoll;
    QLabel* Label5;

    // The buffers of the last expansion, kept for the whole run.
    std::vector<core::SystemReihe> SystemReihen;
    std::vector<std::uint8_t> SystemZahlen;

private:
    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    ZeilenGitter* G1_ = nullptr;
    QLabel* LReihen_ = nullptr;
};

} // namespace ui
