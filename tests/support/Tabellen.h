#pragma once

#include "core/schein/Zeilentabelle.h"
#include "support/Testdateien.h"

#include <QList>
#include <QStringList>

namespace testhilfe {

// A grid with these rows in columns 1.., the labels 1, 2, ... in column 0 and "Reihe" above them.
inline core::Zeilentabelle tabelleAus(const QList<QStringList>& zeilen, int spalten = 9) {
    core::Zeilentabelle t(spalten, int(zeilen.size()) + 1);
    t.setText(0, 0, u"Reihe");
    for (int r = 1; r <= zeilen.size(); ++r) {
        t.setText(r, 0, QString::number(r));
        for (int c = 0; c < zeilen[r - 1].size(); ++c)
            t.setText(r, c + 1, zeilen[r - 1][c]);
    }
    return t;
}

// The texts of one column, rows 1..
inline QStringList spalte(const core::Zeilentabelle& t, int c) {
    QStringList s;
    for (int r = 1; r < t.zeilen(); ++r)
        s.append(t.text(r, c));
    return s;
}

} // namespace testhilfe
