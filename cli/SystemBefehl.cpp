#include "SystemBefehl.h"

#include "Aufruf.h"
#include "Aufruffehler.h"
#include "Json.h"
#include "OhneFuellung.h"

#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"
#include "core/schein/G1Spalten.h"
#include "core/schein/Spielschein.h"
#include "core/schein/Zeilentabelle.h"
#include "core/systeme/SystemReihen.h"
#include "core/systeme/TSystemDef.h"

#include <QJsonArray>

namespace cli {

QString SystemName(int index) {
    const std::string_view name = core::System(index).Name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

int SystemIndex(const QString& name) {
    for (int i = core::ErstesVollsystem; i <= core::LetztesTeilsystem; ++i)
        if (name == SystemName(i))
            return i;
    return 0;
}

namespace {

// The width of the row grid's column 0, which the window passes for the row labels.
constexpr int BeschriftungBreite = 37;

core::Zahlenmenge kreuzeAus(const QStringList& zahlen, int s) {
    const core::TSystemDef& system = core::System(s);
    core::Zahlenmenge kreuze;
    if (zahlen.isEmpty()) {
        for (int k = 1; k <= system.Anzahl; ++k)
            kreuze.hinzufuegen(k);
        return kreuze;
    }
    if (zahlen.size() != system.Anzahl)
        throw core::Fehler(QStringLiteral("Das System %1 braucht %2 verschiedene Zahlen von 1 bis 45, "
                                          "angegeben sind %3.")
                               .arg(SystemName(s))
                               .arg(system.Anzahl)
                               .arg(zahlen.size()));
    for (const QString& text : zahlen) {
        const std::int32_t n = core::StrToInt(text);
        if (n < 1 || n > 45)
            throw core::Fehler(QStringLiteral("Die Zahl %1 liegt nicht zwischen 1 und 45.").arg(n));
        if (kreuze.enthaelt(n))
            throw core::Fehler(QStringLiteral("Die Zahl %1 ist mehrfach angegeben.").arg(n));
        kreuze.hinzufuegen(n);
    }
    return kreuze;
}

void pruefen(const Aufruf& aufruf) {
    if (SystemIndex(aufruf.argumente[0]) == 0)
        throw Aufruffehler(QStringLiteral("Unbekanntes System \"%1\".").arg(aufruf.argumente[0]));
}

QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe&) {
    const int s = SystemIndex(aufruf.argumente[0]);
    const core::TSystemDef& system = core::System(s);
    const core::Zahlenmenge kreuze = kreuzeAus(aufruf.argumente.mid(1), s);

    core::Zeilentabelle g1(core::G1Spalten::Anzahl);
    const OhneFuellung mass;
    std::vector<core::SystemReihe> systemReihen;
    std::vector<std::uint8_t> systemZahlen;
    core::SystemAbwickeln(s, kreuze, g1, BeschriftungBreite, mass, systemReihen, systemZahlen);
    if (!aufruf.json)
        return core::SpielscheinText(g1, 2);

    QJsonArray reihen;
    for (int r = 1; r < g1.zeilen(); ++r) {
        QJsonArray reihe;
        for (int c = 1; c <= 6; ++c)
            reihe.append(core::StrToInt(g1.text(r, c)));
        reihen.append(reihe);
    }
    return JsonText({{QStringLiteral("system"), SystemName(s)},
                     {QStringLiteral("anzahl"), system.Anzahl},
                     {QStringLiteral("reihen"), reihen}});
}

} // namespace

Befehl SystemBefehl() {
    QStringList namen;
    for (int i = core::ErstesVollsystem; i <= core::LetztesTeilsystem; ++i)
        namen.append(SystemName(i));
    return {
        .name = QStringLiteral("system"),
        .argumente = {QStringLiteral("der Name des Systems"), {}},
        .pruefen = pruefen,
        .verwendung = QStringLiteral("system NAME [ZAHL ...]"),
        .beschreibung =
            QStringLiteral("die Reihen eines Systems als Spielschein; ohne Zahlen die Platzhalter 1..n,\n"
                           "sonst genau so viele verschiedene Zahlen 1..45, wie das System braucht\n"
                           "Systeme: %1")
                .arg(namen.join(QStringLiteral(", "))),
        .ausfuehren = ausfuehren,
    };
}

} // namespace cli
