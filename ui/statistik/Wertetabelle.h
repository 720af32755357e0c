#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QStringList>
#include <QVariant>

#include <vector>

class QTableView;

namespace ui {

// One cell of a result table: the text shown and the value it sorts by.
struct Wert {
    QString text;
    QVariant schluessel; // a number or a date; a plain text sorts by itself

    static Wert klartext(const QString& t) { return {t, t}; }
    static Wert zahl(qint64 n);
    static Wert datum(QDate d);
    // A message on one line, as a table shows it; it sorts by its text.
    static Wert meldung(const QString& t) { return {t.simplified(), t}; }
};

// A table of results that a view sorts by clicking its headers: Qt::UserRole gives the sort value.
class Wertetabelle : public QAbstractTableModel {
    Q_OBJECT
public:
    Wertetabelle(const QStringList& spalten, QObject* parent);

    void setzen(std::vector<std::vector<Wert>> zeilen);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A view over the table, sorted by a click on a header, through a proxy that sorts by value.
    static QTableView* ansicht(Wertetabelle* modell, QWidget* parent, const char* name, const QString& titel);
    // The header and the rows as the view shows them, in its order: what an export writes.
    static QList<QStringList> sichtbar(const QTableView& ansicht);

private:
    QStringList spalten_;
    std::vector<std::vector<Wert>> zeilen_;
};

} // namespace ui
