#pragma once

#include "core/grund/TGewinnreihe.h"
#include "ui/gitter/Zellenmaler.h"

namespace ui {

// The colours of the row grid: winning numbers light green, the additional match light blue,
// the rank column in its rank's colour, rows without rank in grey; an evaluation out of date
// gives the whole rank column a grey fill.
class G1Zellen : public Zellenmaler {
    Q_OBJECT
public:
    G1Zellen(const core::TGewinnreihe& gewinnreihe, QObject* parent);

    // The fill of a cell and whether its text is grey; exposed for the tests.
    struct Farben {
        QColor hintergrund;
        bool grau = false;
    };
    Farben farben(int spalte, const QString& text) const {
        return farben(gewinnreihe_, spalte, text, veraltet());
    }
    // The same for any winning row: a report shows the cells as the grid does.
    // An out-of-date rank is drawn grey on a pale ground.
    static Farben farben(const core::TGewinnreihe& gewinnreihe, int spalte, const QString& text,
                         bool veraltet = false);

protected:
    void zeichnen(QPainter* maler, const QRect& zelle, const QModelIndex& index,
                  const QString& text) const override;

private:
    const core::TGewinnreihe& gewinnreihe_;
};

// The result grid: white, bold, counts centred and amounts right-aligned; grey when out of date.
class G2Zellen : public Zellenmaler {
    Q_OBJECT
public:
    using Zellenmaler::Zellenmaler;

protected:
    void zeichnen(QPainter* maler, const QRect& zelle, const QModelIndex& index,
                  const QString& text) const override;
};

} // namespace ui
