#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace cli {

class Ausgabe;
struct Aufruf;

// An option of the command line as the help shows it.
struct Option {
    QStringList namen; // "h", "help": one letter is written -h, more --help; the last is its long name
    QString wert = {}; // the name of its value in the help, "DATEI"; empty: it takes none
    QString text = {}; // its explanation; each further line is indented under the first
};

// How many arguments follow the command's words, and what the usage errors call them.
struct Argumente {
    QString fehlt = {};    // "der Spielschein": what is missing when there is none
    QString nurEiner = {}; // "eine Datei": it takes only one; empty: any number
};

// One command of remisator-cli, all that the parser, the help and the run need to know of it.
// A switch such as --help has no words: its one option calls it, whatever else the line holds.
struct Befehl {
    // The words that call it: "auswerten", or two for a sub-command; none for a switch.
    QString name = {};
    // What it takes besides --json; for a switch the option that calls it.
    QList<Option> optionen = {};
    Argumente argumente = {}; // counted before pruefen runs
    // Throws Aufruffehler for a line that does not fit.
    void (*pruefen)(const Aufruf&) = nullptr;
    // After the program's name in the usage; each further line continues it, indented.
    QString verwendung = {};
    QString beschreibung = {}; // for the list of commands in the help
    // Gives the whole output, or writes it itself when it can be long; in either case only once
    // nothing but the writing can fail.
    QByteArray (*ausfuehren)(const Aufruf&, Ausgabe&) = nullptr;

    bool schalter() const { return name.isEmpty(); }
};

// --json, which every command takes.
const Option& JsonOption();
// The options of the commands, or of the switches, each once, in the order of the list.
QList<Option> Optionen(const QList<Befehl>& befehle, bool schalter);

} // namespace cli
