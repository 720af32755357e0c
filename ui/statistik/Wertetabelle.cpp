#include "Wertetabelle.h"

#include "core/grund/Zahlformat.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace ui {

Wert Wert::zahl(qint64 n) {
    return {core::Ganzzahltext(n), n};
}

Wert Wert::datum(QDate d) {
    return {d.toString(QStringLiteral("dd.MM.yyyy")), d};
}

Wertetabelle::Wertetabelle(const QStringList& spalten, QObject* parent)
    : QAbstractTableModel(parent), spalten_(spalten) {}

void Wertetabelle::setzen(std::vector<std::vector<Wert>> zeilen) {
    beginResetModel();
    zeilen_ = std::move(zeilen);
    endResetModel();
}

int Wertetabelle::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(zeilen_.size());
}

int Wertetabelle::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(spalten_.size());
}

QVariant Wertetabelle::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= zeilen_.size())
        return {};
    const std::vector<Wert>& zeile = zeilen_[std::size_t(index.row())];
    if (std::size_t(index.column()) >= zeile.size())
        return {};
    const Wert& w = zeile[std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return w.text;
    case Qt::UserRole:
        return w.schluessel;
    case Qt::TextAlignmentRole: {
        const bool zahl =
            w.schluessel.typeId() == QMetaType::LongLong || w.schluessel.typeId() == QMetaType::Double;
        return QVariant::fromValue(Qt::AlignVCenter | (zahl ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant Wertetabelle::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= spalten_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return spalten_[section];
}

QTableView* Wertetabelle::ansicht(Wertetabelle* modell, QWidget* parent, const char* name,
                                  const QString& titel) {
    auto* proxy = new QSortFilterProxyModel(modell);
    proxy->setSourceModel(modell);
    proxy->setSortRole(Qt::UserRole);
    auto* ansicht = new QTableView(parent);
    ansicht->setObjectName(QString::fromLatin1(name));
    ansicht->setAccessibleName(titel);
    ansicht->setModel(proxy);
    ansicht->setSortingEnabled(true);
    // The order the rows came in until a header is clicked.
    ansicht->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ansicht->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ansicht->setSelectionBehavior(QAbstractItemView::SelectRows);
    ansicht->verticalHeader()->hide();
    // Rows as close as a spreadsheet's: a line of text and a little air.
    ansicht->verticalHeader()->setDefaultSectionSize(ansicht->fontMetrics().height() + 6);
    ansicht->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return ansicht;
}

QList<QStringList> Wertetabelle::sichtbar(const QTableView& ansicht) {
    const QAbstractItemModel* m = ansicht.model();
    QList<QStringList> zeilen;
    QStringList kopf;
    for (int s = 0; s < m->columnCount(); ++s)
        kopf.append(m->headerData(s, Qt::Horizontal).toString());
    zeilen.append(kopf);
    for (int z = 0; z < m->rowCount(); ++z) {
        QStringList zeile;
        for (int s = 0; s < m->columnCount(); ++s)
            zeile.append(m->index(z, s).data().toString());
        zeilen.append(zeile);
    }
    return zeilen;
}

} // namespace ui
