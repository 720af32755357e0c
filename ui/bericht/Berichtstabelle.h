#pragma once

#include <QColor>
#include <QList>
#include <QStringList>

#include <vector>

namespace ui {

// One cell of a report table: its text, its fill (none while invalid) and the colour of its text.
struct Berichtszelle {
    QString text;
    QColor fuellung = {};
    QColor schrift = Qt::black;
    bool rechts = false; // right-aligned, else centred when zentriert, else left
    bool zentriert = false;
};

// The rows of a report table, read one by one while the pages are laid out and painted: a table
// of a million rows is never copied into the report.
class Berichtstabelle {
public:
    virtual ~Berichtstabelle() = default;
    virtual QStringList kopf() const = 0;
    virtual int zeilen() const = 0;
    // The cells of row i, one per column of the header.
    virtual void zeile(int i, std::vector<Berichtszelle>& zellen) const = 0;
    // Per column the widest text it holds, which sets its width: by default looked for in every row.
    virtual QStringList breiteste() const;
};

// A table of texts as a window shows it, the header first; amounts and counts right-aligned.
class Listentabelle : public Berichtstabelle {
public:
    explicit Listentabelle(QList<QStringList> mitKopf) : zeilen_(std::move(mitKopf)) {}

    QStringList kopf() const override { return zeilen_.value(0); }
    int zeilen() const override { return int(zeilen_.size()) - 1; }
    void zeile(int i, std::vector<Berichtszelle>& zellen) const override;

private:
    QList<QStringList> zeilen_;
};

} // namespace ui
