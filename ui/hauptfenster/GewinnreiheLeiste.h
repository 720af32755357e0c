#pragma once

#include "core/grund/TGewinnreihe.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace ui {

// The strip of the seven winning-row boxes with the order toggle, the clear button and the option
// of evaluating at once. It keeps the current winning row in step with the boxes.
class GewinnreiheLeiste : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 404;
    static constexpr int Hoehe = 64;

    explicit GewinnreiheLeiste(QWidget* parent);

    const core::TGewinnreihe& Gewinnreihe() const { return gewinnreihe_; }
    bool GewinnreiheSortiert() const { return sortiert_; }
    // The text of the ZS box, which the evaluation compares with the tip numbers.
    QString zsText() const;
    // A derived winning row: the parts and the seven box texts (index 1..7) as given; the order
    // toggle returns to the entry order. No evaluation follows.
    void setzen(const core::TGewinnreihe& reihe, const std::array<QString, 8>& texte);

    // For a command that uses the winning row: the box being edited counts as left from here, its
    // text taken as leaving it takes it. Returns that box, 0 when no box was being edited.
    int offeneBoxUebernehmen();
    // The same, reported as `verlassen`, so that the evaluation at once follows as on leaving.
    void offeneBoxVerlassen();
    // "Bei manueller Eingabe der Gewinnreihe sofort auswerten"
    bool sofortAuswerten() const;
    void setSofortAuswerten(bool ja);

signals:
    // A box was left and the winning row brought up to date.
    void verlassen(int box);
    // "Gewinnreihe löschen" emptied the boxes and the winning row; what they held, for setzen().
    void geleert(const core::TGewinnreihe& reihe, const std::array<QString, 8>& texte);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Leaving a box: the winning row from all six number boxes, or ZS from box 7.
    void ETZExit(int box);
    // "Gewinnreihe löschen"
    void bsSkinSpeedButton3Click();
    void BSortier2Click();
    void ordnungsSymbol();

    // Index 1..7 = box number; index 0 unused.
    std::array<QLineEdit*, 8> Boxen{};
    QToolButton* BSortier2;
    QCheckBox* cbSofort;

    core::TGewinnreihe gewinnreihe_;
    bool sortiert_ = false;
    // The box entered or typed into and not left since, 0 for none. Buttons take no focus, so a
    // click on a command leaves the box in it.
    int offen_ = 0;
};

} // namespace ui
