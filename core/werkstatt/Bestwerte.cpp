#include "Bestwerte.h"

#include "core/grund/Fehler.h"
#include "core/grund/Zahlformat.h"
#include "core/text/TextDatei.h"
#include "core/werkstatt/Kombinatorik.h"

#include <QFile>

namespace core {

namespace {

int feld(QStringView text, int zeile) {
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok);
    if (!ok || wert < 0)
        throw Fehler(QStringLiteral("Zeile %1 der Bestwerte: ''%2'' ist keine Anzahl.").arg(zeile).arg(text));
    return wert;
}

} // namespace

QString Massstab::text() const {
    if (besterBekannter)
        return QStringLiteral("Bester bekannter Wert: %1 Reihen").arg(Ganzzahltext(*besterBekannter));
    if (!gezaehlt)
        return QStringLiteral("Schönheim-Schranke: %1 Reihen").arg(Ganzzahltext(schranke));
    QString s = QStringLiteral("Untere Schranke: %1 Reihen").arg(Ganzzahltext(schranke));
    if (besterFuerTwennT)
        s += QStringLiteral("; bester bekannter Wert für %1 wenn %1: %2 Reihen")
                 .arg(t)
                 .arg(Ganzzahltext(*besterFuerTwennT));
    return s;
}

const Bestwerte& Bestwerte::mitgeliefert() {
    static const Bestwerte b = [] {
        QFile datei(QStringLiteral(":/werkstatt/bestwerte.csv"));
        if (!datei.open(QIODevice::ReadOnly))
            throw Fehler(QStringLiteral("Die mitgelieferten Bestwerte fehlen."));
        return lesen(TextDatei::dekodieren(datei.readAll()));
    }();
    return b;
}

QString Bestwerte::quelle() {
    return QStringLiteral("La Jolla Covering Repository, Daniel M. Gordon, CC BY 4.0");
}

Bestwerte Bestwerte::lesen(QStringView text) {
    Bestwerte b;
    bool kopf = true;
    int nummer = 0;
    TextDatei::jedeZeile(text, [&](QStringView zeile) {
        ++nummer;
        if (zeile.trimmed().isEmpty() || zeile.startsWith(u'#'))
            return;
        if (kopf) {
            kopf = false;
            return;
        }
        const QList<QStringView> teile = zeile.split(u',');
        if (teile.size() < 5)
            throw Fehler(QStringLiteral("Zeile %1 der Bestwerte hat keine fünf Felder.").arg(nummer));
        Bestwert w;
        w.v = feld(teile[0], nummer);
        w.t = feld(teile[1], nummer);
        w.bester = feld(teile[2], nummer);
        w.untere = feld(teile[3], nummer);
        w.schoenheim = feld(teile[4], nummer);
        if (teile.size() > 5)
            w.stand = teile[5].trimmed().toString();
        b.werte_.push_back(w);
    });
    return b;
}

std::optional<Bestwert> Bestwerte::wert(int v, int t) const {
    for (const Bestwert& w : werte_)
        if (w.v == v && w.t == t)
            return w;
    return std::nullopt;
}

Massstab Bestwerte::massstab(int v, int t, int m, int bank) const {
    Massstab s;
    s.t = t;
    const int n = v - bank;
    const int k = 6 - bank;
    if (m <= t) {
        s.schranke = Kombinatorik::schoenheim(n, k, t);
        if (bank == 0)
            if (const std::optional<Bestwert> w = wert(v, t)) {
                s.besterBekannter = w->bester;
                s.untereSchranke = w->untere;
            }
        return s;
    }
    s.gezaehlt = true;
    s.schranke = std::max<std::int64_t>(1, Kombinatorik::zaehlschranke(n, k, t, m));
    if (bank == 0)
        if (const std::optional<Bestwert> w = wert(v, t))
            s.besterFuerTwennT = w->bester;
    return s;
}

} // namespace core
