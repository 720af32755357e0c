#include "Hilfetext.h"

#include <QStringList>

namespace cli {
namespace {

const QString Programm = QStringLiteral("remisator-cli");

// Every line after the first indented by einzug.
QString eingerueckt(QString text, int einzug) {
    return text.replace(u'\n', u'\n' + QString(einzug, u' '));
}

// "  kopf    text", the text from column 2 + breite on; a head too wide for it stands on its own line.
QString eintrag(const QString& kopf, const QString& text, int breite) {
    const QString anfang =
        kopf.size() < breite ? kopf.leftJustified(breite) : kopf + u'\n' + QString(2 + breite, u' ');
    return QStringLiteral("  ") + anfang + eingerueckt(text, 2 + breite) + u'\n';
}

QString optionen(const QList<Option>& liste) {
    QString text;
    for (const Option& o : liste) {
        QStringList namen;
        for (const QString& name : o.namen)
            namen.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        const QString kopf =
            namen.join(QStringLiteral(", ")) + (o.wert.isEmpty() ? QString() : u' ' + o.wert);
        text += eintrag(kopf, o.text, 21);
    }
    return text;
}

} // namespace

QString Verwendung(const QList<Befehl>& befehle) {
    QString text = QStringLiteral("Aufruf:\n");
    QStringList schalter;
    for (const Befehl& b : befehle) {
        if (b.schalter())
            schalter.append(b.verwendung);
        else
            text += QStringLiteral("  %1 %2 [--json]\n").arg(Programm, eingerueckt(b.verwendung, 12));
    }
    return text + QStringLiteral("  %1 %2\n").arg(Programm, schalter.join(QStringLiteral(" | ")));
}

QString Hilfe(const QList<Befehl>& befehle) {
    QString text = QStringLiteral("%1 – Auswahlwette auf der Kommandozeile\n\n").arg(Programm) +
                   Verwendung(befehle) + QStringLiteral("\nBefehle:\n");
    for (const Befehl& b : befehle)
        if (!b.schalter())
            text += eintrag(b.name, b.beschreibung, 13);
    return text + QStringLiteral("\nOptionen:\n") + optionen(Optionen(befehle, false)) +
           optionen({JsonOption()}) + optionen(Optionen(befehle, true)) +
           QStringLiteral(
               "\nRückgabewerte: 0 fertig, 1 falscher Aufruf, 2 Fehler in den Daten oder Spieltag nicht\n"
               "verfügbar.\n");
}

} // namespace cli
