#include "Bilanz.h"

#include "core/grund/Fehler.h"

#include <QRegularExpression>

#include <algorithm>

namespace core {

std::int64_t EinsatzLesen(const QString& text) {
    // Up to a billion euros: rows times stake stays far inside 64 bits of cents.
    static const QRegularExpression form(
        QStringLiteral("^(\\d{1,9}|\\d{1,3}(\\.\\d{3}){1,2})(,(\\d{1,2}))?$"));
    const QString t = text.trimmed();
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch())
        throw Fehler(QStringLiteral("\"%1\" ist kein Einsatz. Der Einsatz je Reihe ist ein Betrag in Euro "
                                    "wie 0,50 oder 1.250,00: Ziffern, wahlweise Punkte zwischen den "
                                    "Tausendern und ein Komma vor höchstens zwei Nachkommastellen.")
                         .arg(t));
    const std::int64_t euro = QString(m.captured(1)).remove(u'.').toLongLong();
    const QString nachkomma = m.captured(4).leftJustified(2, u'0');
    return euro * 100 + nachkomma.toLongLong();
}

Spieltagsstatistik ImZeitraum(const Spieltagsstatistik& alle, const Zeitraum& z) {
    Spieltagsstatistik st;
    st.uebersprungen = alle.uebersprungen;
    st.abgebrochen = alle.abgebrochen;
    const std::size_t n = alle.spieltage.size();
    const std::size_t ab =
        z.art == Zeitraum::Art::Letzte ? n - std::min(n, std::size_t(std::max(z.letzte, 0))) : 0;
    std::vector<TGewinnreihe> reihen;
    for (std::size_t i = ab; i < n; ++i) {
        const SpieltagsAuswertung& s = alle.spieltage[i];
        if (z.art == Zeitraum::Art::VonBis) {
            const QDate tag = QDate::fromString(s.datum, QStringLiteral("dd.MM.yyyy"));
            if (!tag.isValid() || (z.von.isValid() && tag < z.von) || (z.bis.isValid() && tag > z.bis))
                continue;
        }
        st.spieltage.push_back(s);
        reihen.push_back(s.gewinnreihe);
    }
    st.haeufigkeit = HaeufigkeitZaehlen(reihen);
    return st;
}

Bilanz BilanzZiehen(const std::vector<SpieltagsAuswertung>& spieltage, std::int64_t reihen,
                    std::int64_t einsatzJeReihe) {
    Bilanz b;
    const double einsatz = double(reihen * einsatzJeReihe) / 100.0;
    int serie = 0;
    for (const SpieltagsAuswertung& s : spieltage) {
        Bilanzzeile z;
        z.einsatz = einsatz;
        z.gewinn = s.auswertung.gesamt;
        z.netto = z.gewinn - z.einsatz;
        b.einsatz += z.einsatz;
        b.gewinn += z.gewinn;
        b.netto += z.netto;
        z.bilanz = b.netto;
        b.spieltage.push_back(z);
        // A rank counts as a win also where the odds are missing and the amount is nothing.
        const bool gewonnen = std::any_of(s.auswertung.anzahl.begin() + 1, s.auswertung.anzahl.end(),
                                          [](int a) { return a > 0; });
        serie = gewonnen ? 0 : serie + 1;
        b.ohneGewinn = std::max(b.ohneGewinn, serie);
    }
    if (b.einsatz > 0)
        b.rendite = b.netto / b.einsatz * 100.0;
    return b;
}

} // namespace core
