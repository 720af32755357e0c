#include "Garantietafel.h"

#include "core/werkstatt/Garantietabelle.h"

#include <QHeaderView>

namespace ui {

Garantietafel::Garantietafel(QWidget* parent) : QTableWidget(7, 9, parent) {
    setHorizontalHeaderLabels(core::Garantietabelle::koepfe());
    QStringList zeilen;
    for (int m = 0; m <= 6; ++m)
        zeilen.append(QStringLiteral("%1 Gewinnzahlen").arg(m));
    setVerticalHeaderLabels(zeilen);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setAccessibleName(QStringLiteral("Garantietabelle"));
}

void Garantietafel::leeren() {
    clearContents();
}

void Garantietafel::zeigen(const core::Garantiepruefung::Ergebnis& e) {
    for (int m = 0; m <= 6; ++m) {
        const QStringList zellen = core::Garantietabelle::zeile(e, m);
        for (int s = 0; s < zellen.size(); ++s) {
            auto* zelle = new QTableWidgetItem(zellen[s]);
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(m, s, zelle);
        }
    }
}

} // namespace ui
