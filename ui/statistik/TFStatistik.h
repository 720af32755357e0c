#pragma once

#include "core/statistik/Reihenmasken.h"
#include "core/statistik/Statistik.h"
#include "ui/statistik/Auswertungsfenster.h"

class QChartView;
class QLabel;

namespace ui {

class Wertetabelle;

// "Statistik über alle Spieltage": the slip of the row grid evaluated against every matchday of the
// matchday folder with the odds of its date; the winnings as a chart, how often each number won and
// since when it is absent.
class TFStatistik : public Auswertungsfenster {
    Q_OBJECT
public:
    // The masks are made from the grid on the caller's thread; the files are read on a pool thread.
    TFStatistik(Umgebung& umgebung, const QString& spieltagOrdner, const QString& scheinname,
                core::Reihenmasken masken, QWidget* parent = nullptr);

protected:
    QStringList summenzeile() const override;

private:
    void zeigen(const core::Spieltagsstatistik& statistik);
    void verlaufZeigen(const core::Spieltagsstatistik& statistik);
    void haeufigkeitZeigen(const core::Spieltagsstatistik& statistik);

    Wertetabelle* spieltage_;
    Wertetabelle* uebersprungen_;
    Wertetabelle* zahlen_;
    QTableView* zahlenAnsicht_;
    QChartView* verlauf_;
    QChartView* haeufigkeit_;
    QStringList summe_;
};

} // namespace ui
