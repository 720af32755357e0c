#include "ZeilenModell.h"

namespace ui {

ZeilenModell::ZeilenModell(int spalten, int zeilen, QObject* parent)
    : QAbstractTableModel(parent), tabelle_(spalten, zeilen) {}

void ZeilenModell::zellenGeaendert() {
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

core::Zeilentabelle ZeilenModell::ersetzen(core::Zeilentabelle&& neu) {
    beginResetModel();
    std::swap(tabelle_, neu);
    endResetModel();
    return std::move(neu);
}

int ZeilenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(tabelle_.zeilen() - 1, 0);
}

int ZeilenModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : tabelle_.spalten();
}

QVariant ZeilenModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return tabelle_.text(tabellenzeile(index), index.column());
}

QVariant ZeilenModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < tabelle_.spalten() &&
        tabelle_.zeilen() > 0)
        return tabelle_.text(0, section);
    return {};
}

} // namespace ui
