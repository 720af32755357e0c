#include "Werkstattausgabe.h"

#include "Json.h"
#include "Textspalten.h"

#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"
#include "core/werkstatt/Garantietabelle.h"
#include "core/werkstatt/Kombinatorik.h"
#include "core/werkstatt/Zahlenliste.h"

#include <algorithm>

namespace cli {
namespace {

using Ergebnis = core::Garantiepruefung::Ergebnis;

std::vector<int> reihenZahlen(std::uint64_t reihe, const std::vector<int>& zahlen) {
    std::vector<int> z;
    for (const int p : core::Kombinatorik::positionen(reihe))
        z.push_back(zahlen[std::size_t(p)]);
    return z;
}

} // namespace

std::vector<int> ZahlenLesen(const QStringList& texte) {
    // One argument is one number: "1,2" is no number here.
    for (const QString& text : texte)
        core::StrToInt(text);
    return core::ZahlenlisteLesen(texte.join(u' '));
}

QByteArray ZahlenJson(const std::vector<int>& zahlen) {
    QList<QByteArray> t;
    for (const int z : zahlen)
        t.append(QByteArray::number(z));
    return JsonListe(t);
}

QString ReihenText(const std::vector<std::uint64_t>& reihen, const std::vector<int>& zahlen) {
    QString text;
    for (const std::uint64_t r : reihen)
        text += core::ZahlenlisteText(reihenZahlen(r, zahlen)) + u'\n';
    return text;
}

QByteArray ReihenJson(const std::vector<std::uint64_t>& reihen, const std::vector<int>& zahlen) {
    QList<QByteArray> t;
    for (const std::uint64_t r : reihen)
        t.append(ZahlenJson(reihenZahlen(r, zahlen)));
    return JsonListe(t);
}

QString GarantieTabelle(const Ergebnis& e) {
    using A = Textspalten::Ausrichtung;
    Textspalten spalten(QList<A>(10, A::Rechts));
    spalten.zeile(QStringList{QStringLiteral("Gewinnzahlen")} + core::Garantietabelle::koepfe());
    for (int m = 0; m <= 6; ++m)
        spalten.zeile(QStringList{QString::number(m)} + core::Garantietabelle::zeile(e, m));
    return spalten.text();
}

QByteArray GarantieJson(const Ergebnis& e) {
    QList<QByteArray> liste;
    for (int m = 0; m <= 6; ++m) {
        const int sicher = e.sicher[std::size_t(m)];
        liste.append(
            JsonObjekt({{"wenn", QByteArray::number(m)},
                        {"mindestens", sicher < 0 ? QByteArray("null") : QByteArray::number(sicher)}}));
    }
    return JsonListe(liste);
}

QByteArray VerteilungJson(const Ergebnis& e) {
    QList<QByteArray> liste;
    for (int m = 0; m <= 6; ++m) {
        const auto& faelle = e.faelle[std::size_t(m)];
        QList<QByteArray> raenge;
        std::int64_t summe = 0;
        for (int r = 0; r <= 6; ++r)
            summe += faelle[std::size_t(r)];
        for (int r = 1; r <= 6; ++r)
            raenge.append(QByteArray::number(qlonglong(faelle[std::size_t(r)])));
        liste.append(JsonObjekt({{"wenn", QByteArray::number(m)},
                                 {"wahrscheinlichkeit", JsonWert(e.wahrscheinlichkeit[std::size_t(m)])},
                                 {"faelle", QByteArray::number(qlonglong(summe))},
                                 {"raenge", JsonListe(raenge)},
                                 {"kein_gewinn", QByteArray::number(qlonglong(faelle[0]))}}));
    }
    return JsonListe(liste);
}

} // namespace cli
