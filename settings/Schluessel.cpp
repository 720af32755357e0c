#include "Schluessel.h"

#include "IniDatei.h"

namespace settings {

bool lesen(const IniDatei& datei, const Schluessel<bool>& s) {
    return datei.leseBool(QString::fromLatin1(s.abschnitt), QString::fromLatin1(s.name), s.vorgabe);
}

QString lesen(const IniDatei& datei, const Schluessel<const char*>& s) {
    return datei.leseText(QString::fromLatin1(s.abschnitt), QString::fromLatin1(s.name),
                          QString::fromUtf8(s.vorgabe));
}

void schreiben(const IniDatei& datei, const Schluessel<bool>& s, bool wert) {
    datei.schreibeBool(QString::fromLatin1(s.abschnitt), QString::fromLatin1(s.name), wert);
}

void schreiben(const IniDatei& datei, const Schluessel<const char*>& s, const QString& wert) {
    datei.schreibeText(QString::fromLatin1(s.abschnitt), QString::fromLatin1(s.name), wert);
}

} // namespace settings
