#include "HerunterladenBefehl.h"

#include "Aufruf.h"
#include "Datumsangabe.h"
#include "Json.h"

#include "core/grund/Fehler.h"
#include "net/Adressen.h"
#include "net/CurlNetz.h"
#include "net/EAFehler.h"
#include "net/SpieltagHolen.h"
#include "settings/Ordner.h"

#include <QCoreApplication>
#include <QDir>

namespace cli {
namespace {

// A matchday's first day as the download window lists it.
void pruefen(const Aufruf& aufruf) {
    DatumLesen(aufruf.argumente[0]);
}

QByteArray ausfuehren(const Aufruf& aufruf, Ausgabe&) {
    const QString& datum = aufruf.argumente[0];
    const settings::Ordner ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
    // The program makes its folders at its start; the command may run before it ever did.
    ordner.anlegen();
    net::CurlNetz netz(ordner.ProbeFile, net::Grenzen{}, net::Adressen::CaDatei());
    net::GeholterSpieltag geholt;
    try {
        geholt = net::SpieltagHolen(netz, datum, ordner.MatchdayDir);
    } catch (const net::EAFehler& f) {
        throw core::Fehler(QStringLiteral("E/A-Fehler %1\n").arg(f.nummer()) + f.ausfuehrlich());
    }
    if (!geholt.geholt)
        throw core::Fehler(QStringLiteral("Der Spieltag vom %1 ist leider nicht verfügbar.\n\n%2")
                               .arg(datum, netz.letzterGrund()));
    const QString datei = QDir::toNativeSeparators(geholt.pfad);
    if (aufruf.json)
        return JsonText({{QStringLiteral("datum"), datum}, {QStringLiteral("datei"), datei}});
    return (datei + u'\n').toUtf8();
}

} // namespace

Befehl HerunterladenBefehl() {
    return {
        .name = QStringLiteral("herunterladen"),
        .argumente = {QStringLiteral("das Datum"), QStringLiteral("ein Datum")},
        .pruefen = pruefen,
        .verwendung = QStringLiteral("herunterladen TT.MM.JJJJ"),
        .beschreibung =
            QStringLiteral("holt den Spieltag, der an diesem Tag beginnt, von der Seite des Herausgebers\n"
                           "in den Spieltag-Ordner, wie \"Spieltag abrufen\", und nennt die Datei"),
        .ausfuehren = ausfuehren,
    };
}

} // namespace cli
