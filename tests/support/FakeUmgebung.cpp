#include "FakeUmgebung.h"

#include <QPrinter>
#include <QTest>

#include <utility>

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

QStringList FakeUmgebung::mehrereOeffnen(const ui::DialogAuftrag& auftrag) {
    oeffnenAuftraege.push_back(auftrag);
    if (mehrereOeffnen_.empty()) {
        unerwartet(QStringLiteral("Mehrfach-Öffnen-Dialog ") + auftrag.titel);
        return {};
    }
    const QStringList pfade = mehrereOeffnen_.front();
    mehrereOeffnen_.pop_front();
    return pfade;
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

void FakeUmgebung::vorschau(const QString& titel, const std::function<void(QPrinter&)>& malen) {
    vorschauTitel.append(titel);
    if (vorschauen_.empty()) {
        unerwartet(QStringLiteral("Druckvorschau ") + titel);
        return;
    }
    // As the real preview sets the printer up.
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(vorschauen_.front());
    drucker.setPageSize(QPageSize(QPageSize::A4));
    vorschauen_.pop_front();
    malen(drucker);
}

bool FakeUmgebung::nurMeldung(Art art, const QString& text) {
    const bool ja = meldungen.size() == 1 && meldungen[0].art == art && meldungen[0].text == text;
    if (ja)
        meldungen.clear();
    return ja;
}

std::vector<FakeUmgebung::Meldung> FakeUmgebung::nimmMeldungen() {
    return std::exchange(meldungen, {});
}

QString FakeUmgebung::unverbraucht() const {
    QStringList offen;
    if (!meldungen.empty())
        offen.append(QStringLiteral("nicht erwartete Meldungen: ") + meldungstexte());
    if (!fragen_.empty())
        offen.append(QStringLiteral("%1 Antworten auf Fragen nicht verbraucht").arg(fragen_.size()));
    if (!oeffnen_.empty())
        offen.append(QStringLiteral("%1 Öffnen-Dialoge nicht verbraucht").arg(oeffnen_.size()));
    if (!mehrereOeffnen_.empty())
        offen.append(
            QStringLiteral("%1 Mehrfach-Öffnen-Dialoge nicht verbraucht").arg(mehrereOeffnen_.size()));
    if (!speichern_.empty())
        offen.append(QStringLiteral("%1 Speichern-Dialoge nicht verbraucht").arg(speichern_.size()));
    if (!vorschauen_.empty())
        offen.append(QStringLiteral("%1 Druckvorschauen nicht verbraucht").arg(vorschauen_.size()));
    if (!netz.allesVerbraucht())
        offen.append(QStringLiteral("Netzantworten nicht verbraucht"));
    return offen.join(QStringLiteral("; "));
}

void FakeUmgebung::pruefen() {
    const QByteArray text = unverbraucht().toUtf8();
    zuruecksetzen();
    if (text.isEmpty())
        return;
    // After a failed check the test has its reason already; outside a test function there is
    // nothing to fail.
    if (!QTest::currentTestFunction())
        qCritical("%s", text.constData());
    else if (!QTest::currentTestFailed())
        QTest::qFail(text.constData(), __FILE__, __LINE__);
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
    ohneBrowser = false;
    gestarteteProgramme.clear();
    fragen_.clear();
    oeffnen_.clear();
    mehrereOeffnen_.clear();
    speichern_.clear();
    vorschauen_.clear();
    vorschauTitel.clear();
    beendet = 0;
    netz.zuruecksetzen();
}

} // namespace testhilfe
