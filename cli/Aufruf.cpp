#include "Aufruf.h"

#include "Aufruffehler.h"

#include <QCommandLineParser>

#include <algorithm>

namespace cli {
namespace {

// The parser's own messages are English; these say the same in German.
QString parserFehler(const QCommandLineParser& p, const QStringList& argumente,
                     const QList<Option>& optionen) {
    if (!p.unknownOptionNames().isEmpty()) {
        const QString name = p.unknownOptionNames().first();
        return QStringLiteral("Unbekannte Option \"%1%2\".").arg(name.size() == 1 ? u"-" : u"--", name);
    }
    for (const Option& o : optionen)
        if (!o.wert.isEmpty() && argumente.last() == QStringLiteral("--") + o.namen.last())
            return QStringLiteral("Nach --%1 fehlt der Wert.").arg(o.namen.last());
    return QStringLiteral("Einer Option fehlt ihr Wert.");
}

// The command whose words begin the line: of a command and its sub-command the one with more words.
const Befehl* finden(const QList<Befehl>& befehle, const QStringList& woerter) {
    const Befehl* gefunden = nullptr;
    qsizetype laenge = 0;
    for (const Befehl& b : befehle) {
        const QStringList name = b.name.split(u' ');
        if (!b.schalter() && name.size() > laenge && woerter.mid(0, name.size()) == name) {
            gefunden = &b;
            laenge = name.size();
        }
    }
    return gefunden;
}

void zaehlen(const Befehl& b, const QStringList& argumente) {
    if (argumente.isEmpty() && !b.argumente.fehlt.isEmpty())
        throw Aufruffehler(QStringLiteral("Dem Befehl \"%1\" fehlt %2.").arg(b.name, b.argumente.fehlt));
    if (argumente.size() > 1 && !b.argumente.nurEiner.isEmpty())
        throw Aufruffehler(QStringLiteral("Der Befehl \"%1\" nimmt nur %2; \"%3\" ist zu viel.")
                               .arg(b.name, b.argumente.nurEiner, argumente[1]));
}

} // namespace

Aufruf Aufruf::lesen(const QStringList& argumente, const QList<Befehl>& befehle) {
    const QList<Option> optionen = Optionen(befehle, false) + Optionen(befehle, true) + QList{JsonOption()};
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& o : optionen)
        p.addOption(QCommandLineOption(o.namen, QString(), o.wert));
    if (!p.parse(argumente))
        throw Aufruffehler(parserFehler(p, argumente, optionen));

    Aufruf a;
    for (const Befehl& b : befehle)
        if (b.schalter() && p.isSet(b.optionen.first().namen.last())) {
            a.befehl = &b;
            return a;
        }
    const QStringList rest = p.positionalArguments();
    if (rest.isEmpty())
        throw Aufruffehler(QStringLiteral("Es fehlt der Befehl."));
    a.befehl = finden(befehle, rest);
    if (!a.befehl)
        throw Aufruffehler(QStringLiteral("Unbekannter Befehl \"%1\".").arg(rest[0]));
    const Befehl& b = *a.befehl;
    a.argumente = rest.mid(b.name.count(u' ') + 1);

    const QString json = JsonOption().namen.last();
    for (const QString& name : p.optionNames()) {
        const auto o = std::find_if(optionen.begin(), optionen.end(),
                                    [&](const Option& option) { return option.namen.contains(name); });
        const QString lang = o->namen.last();
        if (lang != json && std::none_of(b.optionen.begin(), b.optionen.end(),
                                         [&](const Option& eigene) { return eigene.namen.last() == lang; }))
            throw Aufruffehler(
                QStringLiteral("Der Befehl \"%1\" kennt die Option --%2 nicht.").arg(b.name, lang));
        if (p.optionNames().count(name) > 1)
            throw Aufruffehler(QStringLiteral("Die Option --%1 ist mehrfach angegeben.").arg(lang));
        a.optionen_.insert(lang, p.value(lang));
    }
    a.json = a.gesetzt(json);

    zaehlen(b, a.argumente);
    if (b.pruefen)
        b.pruefen(a);
    return a;
}

} // namespace cli
