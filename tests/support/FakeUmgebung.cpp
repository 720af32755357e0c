#include "FakeUmgebung.h"

#include <QtTest>

namespace testhilfe {

void FakeUmgebung::unerwartet(const QString& was) {
    QTest::qFail(qPrintable(QStringLiteral("nicht vorgesehener Aufruf: ") + was), __FILE__, __LINE__);
}

void FakeUmgebung::melde(Art art, const QString& text) {
    meldungen.push_back({art, text});
}

bool FakeUmgebung::frage(const QString& text) {
    meldungen.push_back({Art::Frage, text});
    if (fragen_.empty()) {
        unerwartet(QStringLiteral("Frage ") + text);
        return false;
    }
    const bool ja = fragen_.front();
    fragen_.pop_front();
    return ja;
}

std::optional<QString> FakeUmgebung::oeffnen(const ui::DialogAuftrag& auftrag) {
    oeffnenAuftraege.push_back(auftrag);
    if (oeffnen_.empty()) {
        unerwartet(QStringLiteral("Öffnen-Dialog ") + auftrag.titel);
        return std::nullopt;
    }
    const Antwort<QString> antwort = oeffnen_.front();
    oeffnen_.pop_front();
    if (!antwort.gewaehlt)
        return std::nullopt;
    return antwort.wert;
}

std::optional<ui::GewaehlteDatei> FakeUmgebung::speichern(const ui::DialogAuftrag& auftrag) {
    speichernAuftraege.push_back(auftrag);
    if (speichern_.empty()) {
        unerwartet(QStringLiteral("Speichern-Dialog ") + auftrag.titel);
        return std::nullopt;
    }
    const Antwort<ui::GewaehlteDatei> antwort = speichern_.front();
    speichern_.pop_front();
    if (!antwort.gewaehlt)
        return std::nullopt;
    return antwort.wert;
}

bool FakeUmgebung::nurMeldung(Art art, const QString& text) const {
    return meldungen.size() == 1 && meldungen[0].art == art && meldungen[0].text == text;
}

QString FakeUmgebung::meldungstexte() const {
    QStringList texte;
    for (const Meldung& m : meldungen)
        texte.append(QString::number(int(m.art)) + u':' + m.text);
    return texte.join(QStringLiteral(" | "));
}

void FakeUmgebung::zuruecksetzen() {
    meldungen.clear();
    oeffnenAuftraege.clear();
    speichernAuftraege.clear();
    geoeffneteAdressen.clear();
    gestarteteProgramme.clear();
    fragen_.clear();
    oeffnen_.clear();
    speichern_.clear();
    beendet = 0;
    netz.zuruecksetzen();
}

} // namespace testhilfe
