#include "Berichtstabelle.h"

#include <QRegularExpression>

namespace ui {

QStringList Berichtstabelle::breiteste() const {
    QStringList b = kopf();
    std::vector<Berichtszelle> zellen;
    for (int i = 0; i < zeilen(); ++i) {
        zeile(i, zellen);
        for (qsizetype c = 0; c < b.size() && c < qsizetype(zellen.size()); ++c)
            if (zellen[std::size_t(c)].text.size() > b[c].size())
                b[c] = zellen[std::size_t(c)].text;
    }
    return b;
}

void Listentabelle::zeile(int i, std::vector<Berichtszelle>& zellen) const {
    // "1.234,50", "-3", "12,5 %": a figure reads best right-aligned.
    static const QRegularExpression zahl(QStringLiteral("^-?[0-9][0-9.,]*( %)?$"));
    const QStringList& z = zeilen_[i + 1];
    zellen.assign(std::size_t(kopf().size()), {});
    for (qsizetype c = 0; c < z.size() && c < qsizetype(zellen.size()); ++c) {
        zellen[std::size_t(c)].text = z[c];
        zellen[std::size_t(c)].rechts = zahl.match(z[c]).hasMatch();
    }
}

} // namespace ui
