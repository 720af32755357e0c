#include "SystemBauenBefehl.h"

#include "Aufruf.h"
#include "Aufruffehler.h"
#include "Json.h"
#include "Werkstattausgabe.h"

#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"
#include "core/grund/Zahlformat.h"
#include "core/werkstatt/Systembau.h"
#include "core/werkstatt/Zahlenliste.h"

#include <QLocale>
#include <QRegularExpression>

namespace cli {
namespace {

const QString AnzahlOption = QStringLiteral("anzahl");
const QString GarantieOption = QStringLiteral("garantie");
const QString BankOption = QStringLiteral("bank");
const QString HoechstensOption = QStringLiteral("hoechstens");
const QString ZeitOption = QStringLiteral("zeit");
const QString SaatOption = QStringLiteral("saat");

// A time limit longer than this is surely a typing error.
constexpr double LaengsteZeit = 24 * 3600;

core::Garantie garantieLesen(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d)/(\\d)$"));
    const QRegularExpressionMatch treffer = form.match(text);
    if (!treffer.hasMatch())
        throw core::Fehler(QStringLiteral("Die Garantie \"%1\" ist nicht in der Form T/M geschrieben, "
                                          "zum Beispiel 3/4: 3 Richtige, wenn 4 Gewinnzahlen unter Ihren "
                                          "Zahlen sind.")
                               .arg(core::FeldZitat(text)));
    return {treffer.captured(1).toInt(), treffer.captured(2).toInt()};
}

double zeitLesen(const QString& text) {
    bool ok = false;
    const double s = QLocale::c().toDouble(QString(text).replace(u',', u'.'), &ok);
    if (!ok || !(s > 0) || s > LaengsteZeit)
        throw core::Fehler(QStringLiteral("Die Zeitgrenze \"%1\" ist keine Zahl von Sekunden über 0 und bis "
                                          "86400.")
                               .arg(core::FeldZitat(text)));
    return s;
}

core::Bauauftrag auftragLesen(const Aufruf& a) {
    core::Bauauftrag auftrag;
    if (a.gesetzt(AnzahlOption)) {
        const int v = core::StrToInt(a.wert(AnzahlOption));
        if (v < 7 || v > core::Garantiepruefung::Spiele)
            throw core::Fehler(QStringLiteral("--anzahl nimmt 7 bis 45 Zahlen, nicht %1.").arg(v));
        for (int n = 1; n <= v; ++n)
            auftrag.zahlen.push_back(n);
    } else {
        auftrag.zahlen = ZahlenLesen(a.argumente);
    }
    if (a.gesetzt(BankOption))
        for (const QString& b : a.wert(BankOption).split(u','))
            auftrag.bank.push_back(core::StrToInt(b));
    auftrag.garantie = garantieLesen(a.wert(GarantieOption));
    if (a.gesetzt(HoechstensOption))
        auftrag.hoechstens = core::StrToInt(a.wert(HoechstensOption));
    if (a.gesetzt(ZeitOption))
        auftrag.sekunden = zeitLesen(a.wert(ZeitOption));
    if (a.gesetzt(SaatOption)) {
        const QString saat = a.wert(SaatOption);
        bool ok = false;
        auftrag.saat = saat.toULongLong(&ok);
        if (!ok)
            throw core::Fehler(
                QStringLiteral("Die Saat \"%1\" ist keine Zahl ab 0.").arg(core::FeldZitat(saat)));
    }
    core::Systembau::pruefen(auftrag);
    return auftrag;
}

int untereSchranke(const core::Massstab& m) {
    return int(std::max<std::int64_t>(m.untereSchranke.value_or(0), m.schranke));
}

QByteArray json(const core::Bauergebnis& e) {
    const core::Massstab& m = e.massstab;
    return JsonObjekt({{"zahlen", ZahlenJson(e.zahlen)},
                       {"bank", ZahlenJson(e.bank)},
                       {"garantie", JsonObjekt({{"richtige", QByteArray::number(e.garantie.richtige)},
                                                {"wenn", QByteArray::number(e.garantie.wenn)}})},
                       {"reihen", ReihenJson(e.reihen, e.zahlen)},
                       {"anzahl_reihen", QByteArray::number(qsizetype(e.reihen.size()))},
                       {"abdeckung", JsonWert(e.abdeckung())},
                       {"bester_bekannter",
                        m.besterBekannter ? QByteArray::number(*m.besterBekannter) : QByteArray("null")},
                       {"untere_schranke", QByteArray::number(untereSchranke(m))},
                       {"sekunden", JsonWert(e.sekunden)}}) +
           '\n';
}

QString text(const core::Bauergebnis& e) {
    const QLocale de(QLocale::German);
    QString aus = QStringLiteral("Zahlen:     %1\n").arg(core::ZahlenlisteText(e.zahlen));
    if (!e.bank.empty())
        aus += QStringLiteral("Bankzahlen: %1\n").arg(core::ZahlenlisteText(e.bank));
    aus += QStringLiteral("Garantie:   %1\n").arg(e.garantie.satz());
    aus += QStringLiteral("Reihen:     %1 (%2; untere Schranke: %3 Reihen)\n")
               .arg(core::Ganzzahltext(qsizetype(e.reihen.size())), e.massstab.text(),
                    core::Ganzzahltext(untereSchranke(e.massstab)));
    if (!e.garantiert())
        aus += QStringLiteral("Abdeckung:  %1 %: %2 von %3 Fällen ohne die Garantie\n")
                   .arg(de.toString(e.abdeckung() * 100, 'f', 2), core::Ganzzahltext(e.pruefung.loecher),
                        core::Ganzzahltext(e.pruefung.mengen()));
    aus += QStringLiteral("Dauer:      %1 s\n\n").arg(de.toString(e.sekunden, 'f', 1));
    // The build proved only the guarantee asked for; the table needs every case.
    core::Garantiepruefung::Optionen optionen;
    optionen.garantie = e.garantie;
    const core::Garantiepruefung::Ergebnis tabelle =
        core::Garantiepruefung::pruefen(e.reihen, int(e.zahlen.size()), optionen);
    return aus + ReihenText(e.reihen, e.zahlen) + u'\n' + GarantieTabelle(tabelle);
}

void pruefen(const Aufruf& a) {
    if (a.gesetzt(AnzahlOption) == !a.argumente.isEmpty())
        throw Aufruffehler(QStringLiteral("\"system bauen\" nimmt die Zahlen entweder einzeln oder als "
                                          "--anzahl V (dann 1 bis V)."));
    if (!a.gesetzt(GarantieOption))
        throw Aufruffehler(QStringLiteral("\"system bauen\" braucht die Garantie: --garantie T/M."));
}

QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe&) {
    const core::Bauergebnis e = core::Systembau::bauen(auftragLesen(aufruf));
    return aufruf.json ? json(e) : text(e).toUtf8();
}

} // namespace

Befehl SystemBauenBefehl() {
    return {
        .name = QStringLiteral("system bauen"),
        .optionen =
            {
                {{AnzahlOption},
                 QStringLiteral("V"),
                 QStringLiteral("die Zahlen 1 bis V für \"system bauen\"")},
                {{GarantieOption},
                 QStringLiteral("T/M"),
                 QStringLiteral("mindestens T Richtige, wenn M Gewinnzahlen unter den Zahlen sind")},
                {{BankOption},
                 QStringLiteral("N,..."),
                 QStringLiteral("Bankzahlen, die in jeder Reihe stehen")},
                {{HoechstensOption}, QStringLiteral("R"), QStringLiteral("höchstens R Reihen")},
                {{ZeitOption}, QStringLiteral("SEKUNDEN"), QStringLiteral("Zeitgrenze der Suche (10 s)")},
                {{SaatOption},
                 QStringLiteral("N"),
                 QStringLiteral("Startwert der Suche; derselbe gibt dieselben Reihen")},
            },
        .pruefen = pruefen,
        .verwendung = QStringLiteral("system bauen (ZAHL ... | --anzahl V) --garantie T/M [--bank N,...]\n"
                                     "[--hoechstens R] [--zeit SEKUNDEN] [--saat N]"),
        .beschreibung =
            QStringLiteral("baut ein System über die Zahlen mit der Garantie, prüft es vollständig\n"
                           "und vergleicht es mit dem besten bekannten Wert"),
        .ausfuehren = ausfuehren,
    };
}

} // namespace cli
