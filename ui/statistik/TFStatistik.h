#pragma once

#include "core/statistik/Bilanz.h"
#include "core/statistik/Reihenmasken.h"
#include "core/statistik/Statistik.h"
#include "ui/statistik/Auswertungsfenster.h"

class QChartView;
class QLabel;

namespace ui {

class Bilanzleiste;
class Wertetabelle;

// "Statistik über alle Spieltage": the slip of the row grid evaluated against every matchday of the
// matchday folder with the odds of its date; stake, net and balance per matchday, the winnings and
// the balance as a chart, how often each number won and since when it is absent, over a period.
class TFStatistik : public Auswertungsfenster {
    Q_OBJECT
public:
    // The masks are made from the grid on the caller's thread; the files are read on a pool thread.
    // The stake per row is kept in the settings file optionenDatei.
    TFStatistik(Umgebung& umgebung, const QString& optionenDatei, const QString& spieltagOrdner,
                const QString& scheinname, core::Reihenmasken masken, QWidget* parent = nullptr);

protected:
    QStringList summenzeile() const override;
    void berichtFuellen(Bericht& bericht) const override;

private:
    void zeigen(core::Spieltagsstatistik statistik);
    // The matchdays of the period with the stake as they stand now.
    void darstellen();
    void summeZeigen(const core::Spieltagsstatistik& statistik, const core::Bilanz& bilanz);
    void verlaufZeigen(const core::Spieltagsstatistik& statistik, const core::Bilanz& bilanz);
    void haeufigkeitZeigen(const core::Spieltagsstatistik& statistik);

    std::int64_t reihen_;
    std::optional<core::Spieltagsstatistik> alle_; // once read
    QLabel* kopf_;
    Bilanzleiste* leiste_;

    Wertetabelle* spieltage_;
    Wertetabelle* uebersprungen_;
    QTableView* uebersprungenAnsicht_;
    Wertetabelle* zahlen_;
    QTableView* zahlenAnsicht_;
    QChartView* verlauf_;
    QChartView* haeufigkeit_;
    QStringList summe_;
};

} // namespace ui
