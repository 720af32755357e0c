#include "Quoten.h"

#include "Fehler.h"
#include "TextDatei.h"
#include "Umwandlung.h"
#include "XStringReplace.h"

#include <QFileInfo>

#include <charconv>

namespace core {
namespace {

constexpr int Raenge = 6;

} // namespace

std::optional<double> QuoteLesen(const QString& text) {
    const QString rest =
        XStringReplace(XStringReplace(text, QStringLiteral("."), QString(), ErsetzOption::ReplaceAll),
                       QStringLiteral(" "), QString(), ErsetzOption::ReplaceAll);
    if (rest.isEmpty())
        return std::nullopt;
    QByteArray zahl;
    zahl.reserve(rest.size());
    for (const QChar c : rest) {
        if (c == u',') {
            zahl.append('.');
        } else if (c >= u'0' && c <= u'9') {
            zahl.append(char(c.unicode()));
        } else {
            return std::nullopt;
        }
    }
    // Only digits and commas are left: a number, or a text the conversion refuses (1,2,3 or a lone comma).
    double wert = 0;
    const char* ende = zahl.constData() + zahl.size();
    const auto [stelle, fehler] = std::from_chars(zahl.constData(), ende, wert, std::chars_format::fixed);
    if (fehler != std::errc() || stelle != ende)
        throw Fehler(KeinGleitkommaText(rest));
    return wert;
}

QString Quotendatei::fehler() const {
    return zeilen.size() < Raenge ? ListenindexText(int(zeilen.size())) : QString();
}

TQuoten Quotendatei::inBoxen(TQuoten boxen) const {
    for (int k = 1; k <= Raenge && k <= zeilen.size(); ++k)
        boxen[std::size_t(k)] = zeilen[k - 1];
    return boxen;
}

std::optional<Quotendatei> QuotenLaden(const QString& pfad) {
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return std::nullopt;
    Quotendatei datei{TextDatei::zeilenLesen(pfad), QFileInfo(pfad).fileName()};
    if (datei.zeilen.size() > Raenge)
        datei.zeilen.resize(Raenge);
    return datei;
}

void QuotenSpeichern(const QString& pfad, const TQuoten& quoten) {
    QStringList zeilen;
    for (int k = 1; k <= Raenge; ++k)
        zeilen.append(quoten[std::size_t(k)]);
    TextDatei::zeilenSchreiben(pfad, zeilen);
}

QString QuotenDateiname(QDate datum) {
    return datum.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(".quo");
}

} // namespace core
