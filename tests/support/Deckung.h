#pragma once

// Whether rows of numbers cover every t-set of the chosen numbers, counted set by set.

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace testhilfe {

// Rows as "1 2 3 4 5 6".
inline bool deckt(const QStringList& reihen, const QList<int>& zahlen, int t) {
    QList<QSet<int>> mengen;
    for (const QString& r : reihen) {
        QSet<int> m;
        for (const QString& z : r.split(u' ', Qt::SkipEmptyParts))
            m.insert(z.toInt());
        mengen.append(m);
    }
    QList<int> w(t);
    for (int i = 0; i < t; ++i)
        w[i] = i;
    for (;;) {
        if (std::none_of(mengen.begin(), mengen.end(), [&](const QSet<int>& m) {
                return std::all_of(w.begin(), w.end(), [&](int i) { return m.contains(zahlen[i]); });
            }))
            return false;
        int i = t - 1;
        while (i >= 0 && w[i] == zahlen.size() - t + i)
            --i;
        if (i < 0)
            return true;
        ++w[i];
        for (int j = i + 1; j < t; ++j)
            w[j] = w[j - 1] + 1;
    }
}

} // namespace testhilfe
