#include "Aufruf.h"

#include "Aufruffehler.h"
#include "SystemBefehl.h"

#include "core/systeme/TSystemDef.h"

#include <QCommandLineParser>
#include <QDate>
#include <QRegularExpression>

#include <algorithm>

namespace cli {
namespace {

const QString Programm = QStringLiteral("remisator-cli");

struct Befehlsname {
    QString name;
    Aufruf::Befehl befehl;
    QStringList optionen; // allowed besides --help, --version and --json
};

const QList<Befehlsname>& befehle() {
    static const QList<Befehlsname> liste = {
        {QStringLiteral("auswerten"),
         Aufruf::Befehl::Auswerten,
         {QStringLiteral("spieltag"), QStringLiteral("gewinnreihe"), QStringLiteral("zs"),
          QStringLiteral("quoten"), QStringLiteral("nach-rang")}},
        {QStringLiteral("gewinnreihe"), Aufruf::Befehl::Gewinnreihe, {}},
        {QStringLiteral("spieltag"), Aufruf::Befehl::Spieltag, {}},
        {QStringLiteral("system"), Aufruf::Befehl::System, {}},
        {QStringLiteral("herunterladen"), Aufruf::Befehl::Herunterladen, {}},
        {QStringLiteral("statistik"), Aufruf::Befehl::Statistik, {QStringLiteral("ordner")}},
        {QStringLiteral("scheine"),
         Aufruf::Befehl::Scheine,
         {QStringLiteral("spieltag"), QStringLiteral("gewinnreihe"), QStringLiteral("zs"),
          QStringLiteral("quoten")}},
    };
    return liste;
}

const QStringList wertOptionen = {QStringLiteral("spieltag"), QStringLiteral("gewinnreihe"),
                                  QStringLiteral("zs"), QStringLiteral("quoten"), QStringLiteral("ordner")};

// The parser's own messages are English; these say the same in German.
QString parserFehler(const QCommandLineParser& p, const QStringList& argumente) {
    if (!p.unknownOptionNames().isEmpty()) {
        const QString name = p.unknownOptionNames().first();
        return QStringLiteral("Unbekannte Option \"%1%2\".").arg(name.size() == 1 ? u"-" : u"--", name);
    }
    for (const QString& name : wertOptionen)
        if (argumente.last() == QStringLiteral("--") + name)
            return QStringLiteral("Nach --%1 fehlt der Wert.").arg(name);
    return QStringLiteral("Einer Option fehlt ihr Wert.");
}

// The boxes take at most two digits each; six boxes at most.
core::Boxtexte boxtexte(const QString& zahlen) {
    core::Boxtexte boxen;
    const QStringList felder = zahlen.isEmpty() ? QStringList() : zahlen.split(u',');
    if (felder.size() > 6)
        throw Aufruffehler(QStringLiteral("--gewinnreihe nimmt höchstens sechs Zahlen, angegeben sind %1.")
                               .arg(felder.size()));
    for (int i = 0; i < felder.size(); ++i) {
        if (!core::BoxNimmt(felder[i]))
            throw Aufruffehler(
                QStringLiteral("\"%1\" passt nicht in die Box %2: sie nimmt nur bis zu %3 Ziffern.")
                    .arg(felder[i])
                    .arg(i + 1)
                    .arg(core::BoxStellen));
        boxen[std::size_t(i + 1)] = felder[i];
    }
    return boxen;
}

void pruefeAnzahl(const Befehlsname& b, const QStringList& argumente, const QString& was,
                  const QString& einer = QStringLiteral("eine Datei")) {
    if (argumente.isEmpty())
        throw Aufruffehler(QStringLiteral("Dem Befehl \"%1\" fehlt %2.").arg(b.name, was));
    if (argumente.size() > 1)
        throw Aufruffehler(QStringLiteral("Der Befehl \"%1\" nimmt nur %2; \"%3\" ist zu viel.")
                               .arg(b.name, einer, argumente[1]));
}

// A matchday's first day as the download window lists it: dd.mm.yyyy, a day of the calendar.
void pruefeDatum(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d\\d\\d$"));
    if (!form.match(text).hasMatch() || !QDate::fromString(text, QStringLiteral("dd.MM.yyyy")).isValid())
        throw Aufruffehler(
            QStringLiteral("\"%1\" ist kein Datum der Form TT.MM.JJJJ wie 18.09.2021.").arg(text));
}

// Where the winning row comes from, and the odds file, as "auswerten" takes them.
void gewinnreiheLesen(const QCommandLineParser& p, const Befehlsname& b, Aufruf& a) {
    const bool mitSpieltag = p.isSet(QStringLiteral("spieltag"));
    const bool mitGewinnreihe = p.isSet(QStringLiteral("gewinnreihe"));
    if (mitSpieltag == mitGewinnreihe)
        throw Aufruffehler(
            QStringLiteral("\"%1\" nimmt die Gewinnreihe entweder aus --spieltag oder aus --gewinnreihe.")
                .arg(b.name));
    if (p.isSet(QStringLiteral("zs")) && !mitGewinnreihe)
        throw Aufruffehler(QStringLiteral("--zs gilt nur mit --gewinnreihe; mit --spieltag folgt das "
                                          "Zusatzspiel aus den Ergebnissen."));
    if (mitSpieltag)
        a.spieltag = p.value(QStringLiteral("spieltag"));
    if (mitGewinnreihe) {
        a.gewinnreihe = boxtexte(p.value(QStringLiteral("gewinnreihe")));
        a.mitZs = p.isSet(QStringLiteral("zs"));
        const QString zs = p.value(QStringLiteral("zs"));
        if (!core::BoxNimmt(zs))
            throw Aufruffehler(
                QStringLiteral("\"%1\" passt nicht in die Box ZS: sie nimmt nur bis zu %2 Ziffern.")
                    .arg(zs)
                    .arg(core::BoxStellen));
        (*a.gewinnreihe)[7] = zs;
    }
    if (p.isSet(QStringLiteral("quoten")))
        a.quoten = p.value(QStringLiteral("quoten"));
}

} // namespace

Aufruf Aufruf::lesen(const QStringList& argumente) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")}, QString()},
        {QStringLiteral("version"), QString()},
        {QStringLiteral("spieltag"), QString(), QStringLiteral("DATEI")},
        {QStringLiteral("gewinnreihe"), QString(), QStringLiteral("ZAHLEN")},
        {QStringLiteral("zs"), QString(), QStringLiteral("ZAHL")},
        {QStringLiteral("quoten"), QString(), QStringLiteral("DATEI")},
        {QStringLiteral("nach-rang"), QString()},
        {QStringLiteral("ordner"), QString(), QStringLiteral("ORDNER")},
        {QStringLiteral("json"), QString()},
    });
    if (!p.parse(argumente))
        throw Aufruffehler(parserFehler(p, argumente));

    Aufruf a;
    if (p.isSet(QStringLiteral("help")))
        return a;
    if (p.isSet(QStringLiteral("version"))) {
        a.befehl = Befehl::Version;
        return a;
    }
    QStringList rest = p.positionalArguments();
    if (rest.isEmpty())
        throw Aufruffehler(QStringLiteral("Es fehlt der Befehl."));
    const QString name = rest.takeFirst();
    const auto b = std::find_if(befehle().begin(), befehle().end(),
                                [&](const Befehlsname& eintrag) { return eintrag.name == name; });
    if (b == befehle().end())
        throw Aufruffehler(QStringLiteral("Unbekannter Befehl \"%1\".").arg(name));
    a.befehl = b->befehl;
    a.argumente = rest;

    for (const QString& option : p.optionNames()) {
        const QString lang = option == u"h" ? QStringLiteral("help") : option;
        if (lang != u"json" && !b->optionen.contains(lang))
            throw Aufruffehler(
                QStringLiteral("Der Befehl \"%1\" kennt die Option --%2 nicht.").arg(b->name, lang));
        if (p.optionNames().count(option) > 1)
            throw Aufruffehler(QStringLiteral("Die Option --%1 ist mehrfach angegeben.").arg(lang));
    }
    a.json = p.isSet(QStringLiteral("json"));

    switch (a.befehl) {
    case Befehl::Auswerten:
        pruefeAnzahl(*b, rest, QStringLiteral("der Spielschein"));
        gewinnreiheLesen(p, *b, a);
        a.nachRang = p.isSet(QStringLiteral("nach-rang"));
        break;
    case Befehl::Scheine:
        if (rest.isEmpty())
            throw Aufruffehler(QStringLiteral("Dem Befehl \"scheine\" fehlt der Spielschein."));
        gewinnreiheLesen(p, *b, a);
        break;
    case Befehl::Statistik:
        pruefeAnzahl(*b, rest, QStringLiteral("der Spielschein"));
        if (!p.isSet(QStringLiteral("ordner")))
            throw Aufruffehler(
                QStringLiteral("\"statistik\" nimmt die Spieltage aus einem Ordner: --ordner ORDNER."));
        a.ordner = p.value(QStringLiteral("ordner"));
        break;
    case Befehl::Gewinnreihe:
    case Befehl::Spieltag:
        pruefeAnzahl(*b, rest, QStringLiteral("die Spieltag-Datei"));
        break;
    case Befehl::Herunterladen:
        pruefeAnzahl(*b, rest, QStringLiteral("das Datum"), QStringLiteral("ein Datum"));
        pruefeDatum(rest[0]);
        break;
    case Befehl::System: {
        if (rest.isEmpty())
            throw Aufruffehler(QStringLiteral("Dem Befehl \"system\" fehlt der Name des Systems."));
        if (SystemIndex(rest[0]) == 0)
            throw Aufruffehler(QStringLiteral("Unbekanntes System \"%1\".").arg(rest[0]));
        break;
    }
    case Befehl::Hilfe:
    case Befehl::Version:
        break;
    }
    return a;
}

QString Verwendung() {
    return QStringLiteral(
               "Aufruf:\n"
               "  %1 auswerten SCHEIN (--spieltag DATEI.sp45 | --gewinnreihe N,N,N,N,N,N [--zs N])\n"
               "            [--quoten DATEI.quo] [--nach-rang] [--json]\n"
               "  %1 gewinnreihe DATEI.sp45 [--json]\n"
               "  %1 spieltag DATEI.sp45 [--json]\n"
               "  %1 system NAME [ZAHL ...] [--json]\n"
               "  %1 herunterladen TT.MM.JJJJ [--json]\n"
               "  %1 statistik SCHEIN --ordner ORDNER [--json]\n"
               "  %1 scheine SCHEIN... (--spieltag DATEI.sp45 | --gewinnreihe N,N,N,N,N,N [--zs N])\n"
               "            [--quoten DATEI.quo] [--json]\n"
               "  %1 --help | --version\n")
        .arg(Programm);
}

QString Hilfe() {
    QStringList namen;
    for (int i = core::ErstesVollsystem; i <= core::LetztesTeilsystem; ++i)
        namen.append(SystemName(i));
    return QStringLiteral("%1 – Auswahlwette auf der Kommandozeile\n\n").arg(Programm) + Verwendung() +
           QStringLiteral(
               "\nBefehle:\n"
               "  auswerten    prüft jede Tippreihe des Spielscheins gegen die Gewinnreihe: Gewinnklasse je\n"
               "               Reihe, Anzahl und Gewinn je Rang und der Gesamtgewinn\n"
               "  gewinnreihe  die Gewinnreihe, die aus den Ergebnissen des Spieltags folgt\n"
               "  spieltag     die 45 Paarungen des Spieltags mit Anstoß, Tendenz und Ergebnis\n"
               "  system       die Reihen eines Systems als Spielschein; ohne Zahlen die Platzhalter 1..n,\n"
               "               sonst genau so viele verschiedene Zahlen 1..45, wie das System braucht\n"
               "               Systeme: %1\n"
               "  herunterladen\n"
               "               holt den Spieltag, der an diesem Tag beginnt, von der Seite des Herausgebers\n"
               "               in den Spieltag-Ordner, wie \"Spieltag abrufen\", und nennt die Datei\n"
               "  statistik    prüft den Spielschein gegen jeden Spieltag (*.sp45) des Ordners, jeden mit\n"
               "               den Quoten TT.MM.JJJJ.quo daneben, wenn es sie gibt; zählt, wie oft jede "
               "Zahl\n"
               "               Gewinnzahl und Zusatzzahl war und seit wie vielen Spieltagen sie fehlt\n"
               "  scheine      prüft mehrere Spielscheine gegen eine Gewinnreihe wie \"auswerten\": Anzahl\n"
               "               und Gewinn je Rang und Schein\n"
               "\nOptionen:\n"
               "  --spieltag DATEI     Gewinnreihe aus dem Spieltag; die Quoten aus TT.MM.JJJJ.quo im\n"
               "                       Ordner des Spieltags, wenn es sie gibt\n"
               "  --gewinnreihe ZAHLEN bis zu sechs Gewinnzahlen, durch Kommas getrennt, wie in die\n"
               "                       Boxen 1 bis 6 getippt\n"
               "  --zs ZAHL            das Zusatzspiel, wie in die Box ZS getippt\n"
               "  --quoten DATEI       die Quoten aus dieser Datei\n"
               "  --nach-rang          die Reihen nach der Auswertung nach Gewinnklasse sortieren\n"
               "  --ordner ORDNER      der Ordner mit den Spieltagen für \"statistik\"\n"
               "  --json               Ausgabe als JSON (UTF-8) für Skripte\n"
               "  -h, --help           diese Hilfe\n"
               "  --version            die Version\n"
               "\nRückgabewerte: 0 fertig, 1 falscher Aufruf, 2 Fehler in den Daten oder Spieltag nicht\n"
               "verfügbar.\n")
               .arg(namen.join(QStringLiteral(", ")));
}

} // namespace cli
