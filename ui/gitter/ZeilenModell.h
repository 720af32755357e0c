#pragma once

#include "core/schein/Zeilentabelle.h"

#include <QAbstractTableModel>

namespace ui {

// Shows a row table in a view: table row 0 is the header, table rows 1.. are the view's rows.
class ZeilenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    ZeilenModell(int spalten, int zeilen, QObject* parent = nullptr);

    const core::Zeilentabelle& tabelle() const { return tabelle_; }

    // Every change goes through one of these, so that views stay consistent:
    // a change of shape (row count) inside one model reset, a change of cells only as data change.
    template <typename F> void umbauen(F&& f) {
        beginResetModel();
        f(tabelle_);
        endResetModel();
    }
    template <typename F> void zellenAendern(F&& f) {
        f(tabelle_);
        zellenGeaendert();
    }
    void zellenGeaendert();
    // A whole new table, for example a slip just read; returns the table it replaces.
    core::Zeilentabelle ersetzen(core::Zeilentabelle&& neu);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Table row of a view row and back.
    static int tabellenzeile(const QModelIndex& index) { return index.row() + 1; }

private:
    core::Zeilentabelle tabelle_;
};

} // namespace ui
