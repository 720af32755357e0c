#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace cli {

// Lines of cells in columns, each column as wide as its widest cell and two blanks from the next;
// no line ends in blanks.
class Textspalten {
public:
    enum class Ausrichtung { Links, Rechts };

    explicit Textspalten(QList<Ausrichtung> spalten) : spalten_(std::move(spalten)) {}
    void zeile(const QStringList& zellen) { zeilen_.append(zellen); }
    // Every line followed by a line end.
    QString text() const;

private:
    QList<Ausrichtung> spalten_;
    QList<QStringList> zeilen_;
};

} // namespace cli
