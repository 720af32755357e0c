#include "SystemPruefenBefehl.h"

#include "Aufruf.h"
#include "Aufruffehler.h"
#include "Auswertungseingaben.h"
#include "Json.h"
#include "SystemBefehl.h"
#include "Werkstattausgabe.h"

#include "core/grund/Fehler.h"
#include "core/grund/Zahlformat.h"
#include "core/systeme/TSystemDef.h"
#include "core/werkstatt/EigenesSystem.h"
#include "core/werkstatt/Garantiepruefung.h"
#include "core/werkstatt/Tabellenreihen.h"
#include "core/werkstatt/Zahlenliste.h"

#include <QFileInfo>

#include <algorithm>

namespace cli {
namespace {

const QString ScheinOption = QStringLiteral("schein");

struct Geprueft {
    QString name;
    std::vector<int> zahlen;
    core::Garantiepruefung::Ergebnis ergebnis;
};

// The numbers the placeholders 1..anzahl stand for: the given ones ascending, else themselves.
std::vector<int> platzhalterZahlen(const QStringList& texte, int anzahl, const QString& system) {
    std::vector<int> zahlen = ZahlenLesen(texte);
    if (zahlen.empty()) {
        for (int n = 1; n <= anzahl; ++n)
            zahlen.push_back(n);
    } else if (int(zahlen.size()) != anzahl) {
        throw core::Fehler(QStringLiteral("Das System %1 braucht %2 verschiedene Zahlen von 1 bis 45, "
                                          "angegeben sind %3.")
                               .arg(system)
                               .arg(anzahl)
                               .arg(zahlen.size()));
    }
    std::sort(zahlen.begin(), zahlen.end());
    return zahlen;
}

Geprueft pruefenLassen(const Aufruf& a) {
    if (a.gesetzt(ScheinOption)) {
        const core::Spielschein schein = ScheinLesen(a.wert(ScheinOption));
        const std::vector<int> gegeben = ZahlenLesen(a.argumente);
        const core::Tabellenreihen t = core::Tabellenreihen::aus(schein.tabelle, gegeben);
        return {schein.dateiname, t.zahlen, core::Garantiepruefung::pruefen(t.reihen, int(t.zahlen.size()))};
    }
    const QString name = a.argumente[0];
    if (const int index = SystemIndex(name)) {
        const std::vector<int> zahlen =
            platzhalterZahlen(a.argumente.mid(1), core::System(index).Anzahl, name);
        return {name, zahlen, core::Garantiepruefung::katalog(index)};
    }
    if (!QFileInfo(name).isFile())
        throw core::Fehler(
            QStringLiteral("\"%1\" ist weder ein System des Katalogs noch die Datei eines eigenen Systems.")
                .arg(name));
    const core::EigenesSystem s = core::EigenesSystem::dateiLesen(name);
    const std::vector<int> zahlen = platzhalterZahlen(a.argumente.mid(1), s.zahlen, s.name);
    return {s.name, zahlen, core::Garantiepruefung::pruefen(s.reihen, s.zahlen)};
}

QString text(const Geprueft& g) {
    const core::Garantiepruefung::Ergebnis& e = g.ergebnis;
    QStringList garantien;
    for (const core::Garantie& garantie : e.garantien())
        garantien.append(garantie.satz());
    QString aus = QStringLiteral("System:    %1\nZahlen:    %2\nReihen:    %3\n")
                      .arg(g.name, core::ZahlenlisteText(g.zahlen), core::Ganzzahltext(e.reihen));
    aus += QStringLiteral("Garantie:  %1\n\n")
               .arg(garantien.isEmpty() ? QStringLiteral("keine")
                                        : garantien.join(QStringLiteral("\n           ")));
    return aus + GarantieTabelle(e);
}

QByteArray json(const Geprueft& g) {
    return JsonObjekt({{"zahlen", ZahlenJson(g.zahlen)},
                       {"anzahl_reihen", QByteArray::number(g.ergebnis.reihen)},
                       {"garantie", GarantieJson(g.ergebnis)},
                       {"verteilung", VerteilungJson(g.ergebnis)}}) +
           '\n';
}

void pruefen(const Aufruf& a) {
    if (!a.gesetzt(ScheinOption) && a.argumente.isEmpty())
        throw Aufruffehler(QStringLiteral("Dem Befehl \"system pruefen\" fehlt der Name des Systems oder "
                                          "--schein DATEI."));
}

QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe&) {
    const Geprueft g = pruefenLassen(aufruf);
    return aufruf.json ? json(g) : text(g).toUtf8();
}

} // namespace

Befehl SystemPruefenBefehl() {
    return {
        .name = QStringLiteral("system pruefen"),
        .optionen = {{{ScheinOption},
                      QStringLiteral("DATEI"),
                      QStringLiteral("die Tippreihen dieses Spielscheins für \"system pruefen\"")}},
        .pruefen = pruefen,
        .verwendung = QStringLiteral("system pruefen (NAME | --schein DATEI) [ZAHL ...]"),
        .beschreibung =
            QStringLiteral("prüft, was ein System des Katalogs, ein eigenes System (Datei) oder\n"
                           "die Reihen eines Spielscheins garantieren: sichere Richtige und Ränge\n"
                           "für 0 bis 6 Gewinnzahlen unter den Zahlen"),
        .ausfuehren = ausfuehren,
    };
}

} // namespace cli
