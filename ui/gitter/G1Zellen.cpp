#include "G1Zellen.h"

#include "core/grund/Konstanten.h"
#include "core/grund/Umwandlung.h"
#include "core/schein/G1Spalten.h"

#include <QPainter>

namespace ui {
namespace {

QColor farbe(core::Rgb rgb) {
    return QColor::fromRgb(rgb);
}

// Ranks and results of an evaluation that is out of date.
const QColor Veraltet(0xE4, 0xE8, 0xEC);
const QColor VeralteteSchrift(0x8C, 0x95, 0x9E);

} // namespace

G1Zellen::G1Zellen(const core::TGewinnreihe& gewinnreihe, QObject* parent)
    : Zellenmaler(parent), gewinnreihe_(gewinnreihe) {}

G1Zellen::Farben G1Zellen::farben(const core::TGewinnreihe& gewinnreihe, int spalte, const QString& text,
                                  bool veraltet) {
    Farben f{Qt::white, false};
    if (spalte >= core::G1Spalten::ErsteZahl && spalte <= core::G1Spalten::LetzteZahl &&
        !gewinnreihe.Menge.leer()) {
        // A cell that is no integer (a malformed slip) stays white.
        if (const auto n = core::AlsGanzzahl(text)) {
            if (gewinnreihe.Menge.enthaelt(*n))
                f.hintergrund = QColor(0xCE, 0xFF, 0xCE);
            else if (*n == gewinnreihe.ZS)
                f.hintergrund = QColor(0xB7, 0xE8, 0xFF);
        }
    } else if (spalte == core::G1Spalten::Rang && veraltet) {
        f.hintergrund = Veraltet;
        f.grau = true;
    } else if (spalte == core::G1Spalten::Rang) {
        f.hintergrund = farbe(core::RangFarbe[core::RangIndex(text)]);
        f.grau = !text.isEmpty() && text[0] >= u'0' && text[0] <= u'2';
    }
    return f;
}

void G1Zellen::zeichnen(QPainter* maler, const QRect& zelle, const QModelIndex& index,
                        const QString& text) const {
    if (text.isEmpty()) {
        maler->fillRect(zelle, Qt::white);
        return;
    }
    const Farben f = farben(index.column(), text);
    maler->fillRect(zelle, f.hintergrund);
    QFont schrift = maler->font();
    schrift.setBold(false);
    maler->setFont(schrift);
    maler->setPen(f.grau ? QColor(0xCE, 0xCE, 0xCE) : QColor(Qt::black));
    ZelleZeichnen(maler, zelle, Ausrichtung::Mitte, text);
}

void G2Zellen::zeichnen(QPainter* maler, const QRect& zelle, const QModelIndex& index,
                        const QString& text) const {
    maler->fillRect(zelle, Qt::white);
    QFont schrift = maler->font();
    schrift.setBold(true);
    maler->setFont(schrift);
    maler->setPen(veraltet() ? VeralteteSchrift : QColor(Qt::black));
    ZelleZeichnen(maler, zelle, index.column() == 1 ? Ausrichtung::Mitte : Ausrichtung::Rechts, text);
}

} // namespace ui
