#include "Rangausgabe.h"

#include "core/grund/Konstanten.h"
#include "core/grund/Zahlformat.h"

#include <QJsonObject>

namespace cli {

QJsonArray RaengeJson(const core::Auswertung& a) {
    QJsonArray raenge;
    for (std::size_t i = 1; i <= 6; ++i) {
        const std::optional<QString>& betrag = a.betragText[i];
        raenge.append(QJsonObject{{QStringLiteral("gkl"), core::RangText[i]},
                                  {QStringLiteral("anzahl"), a.anzahlText[i] ? a.anzahlText[i]->toInt() : 0},
                                  {QStringLiteral("gewinn"),
                                   betrag && !betrag->isEmpty() ? QJsonValue(*betrag) : QJsonValue::Null}});
    }
    return raenge;
}

QString GesamtText(const core::Auswertung& a) {
    return a.gesamtText.value_or(core::Betragstext(0));
}

QStringList RangKoepfe() {
    return QStringList(core::RangText.begin() + 1, core::RangText.end());
}

QStringList RangAnzahlen(const core::Auswertung& a) {
    QStringList s;
    for (std::size_t i = 1; i <= 6; ++i)
        s.append(a.anzahlText[i].value_or(QString()));
    return s;
}

} // namespace cli
