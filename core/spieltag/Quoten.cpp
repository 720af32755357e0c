#include "Quoten.h"

#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"
#include "core/text/TextDatei.h"
#include "core/text/XStringReplace.h"

#include <QFile>
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

Quotendatei QuotenLesen(QIODevice& geraet, const QString& pfad) {
    return {TextDatei::ersteZeilen(geraet, pfad, Raenge, QuotenZeileHoechstens), QFileInfo(pfad).fileName()};
}

std::optional<Quotendatei> QuotenLaden(const QString& pfad) {
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return std::nullopt;
    QFile datei;
    TextDatei::oeffnen(datei, pfad);
    return QuotenLesen(datei, pfad);
}

QByteArray QuotenText(const TQuoten& quoten) {
    QStringList zeilen;
    for (int k = 1; k <= Raenge; ++k)
        zeilen.append(quoten[std::size_t(k)]);
    QByteArray bytes = TextDatei::kodieren(zeilen);
    // Lines are written as they stand, without quotes: such a start would read as a mark.
    qsizetype marken = 0;
    const TextDatei::Kodierung k = TextDatei::kodierung(bytes, marken);
    if (k != TextDatei::Kodierung::Windows1252)
        throw Fehler(QStringLiteral("Die Quote des Rangs I beginnt mit \"%1\". Am Anfang einer Datei gelten "
                                    "diese Zeichen als Kennung einer Zeichenkodierung; die Quote käme so "
                                    "nicht wieder zurück.\n\nIch breche erst einmal ab.")
                         .arg(quoten[1].first(TextDatei::marke(k).size())));
    return bytes;
}

void QuotenSpeichern(const QString& pfad, const TQuoten& quoten) {
    TextDatei::bytesSchreiben(pfad, QuotenText(quoten));
}

QString QuotenDateiname(QDate datum) {
    return datum.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(".quo");
}

QString QuotenDateiname(double datumswert) {
    return DatumText(datumswert) + QStringLiteral(".quo");
}

} // namespace core
