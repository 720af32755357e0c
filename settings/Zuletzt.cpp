#include "Zuletzt.h"

#include "settings/IniDatei.h"

#include <QList>

#include <utility>

namespace settings {
namespace {
const QString Abschnitt = QStringLiteral("Zuletzt");
}

QStringList Zuletzt::liste() const {
    QStringList l;
    for (int i = 1; i <= Hoechstens; ++i) {
        const QString pfad = datei_.leseText(Abschnitt, art_ + QString::number(i), QString());
        if (!pfad.isEmpty() && !l.contains(pfad))
            l.append(pfad);
    }
    return l;
}

void Zuletzt::merken(const QString& pfad) const {
    QStringList l = liste();
    l.removeAll(pfad);
    l.prepend(pfad);
    schreiben(l);
}

void Zuletzt::entfernen(const QString& pfad) const {
    QStringList l = liste();
    if (l.removeAll(pfad) > 0)
        schreiben(l);
}

void Zuletzt::schreiben(const QStringList& liste) const {
    // Every key is written, so that a shorter list leaves no stale entry behind.
    QList<std::pair<QString, QString>> werte;
    for (int i = 1; i <= Hoechstens; ++i)
        werte.append(std::make_pair(art_ + QString::number(i), liste.value(i - 1)));
    datei_.schreibeTexte(Abschnitt, werte);
}

} // namespace settings
