#include "FakeNetz.h"

#include "Tabellen.h"
#include "net/Abgebrochen.h"
#include "net/Dateiarbeit.h"
#include "net/EAFehler.h"

#include <QGuiApplication>
#include <QUrl>
#include <QTest>

namespace testhilfe {
namespace {

void unerwartet(const QString& was) {
    QTest::qFail(qPrintable(QStringLiteral("nicht vorgesehener Netzaufruf: ") + was), __FILE__, __LINE__);
}

} // namespace

bool FakeNetz::InternetVerbunden() {
    ++verbindungsfragen;
    if (verbunden_.empty()) {
        unerwartet(QStringLiteral("InternetVerbunden"));
        return false;
    }
    const bool ja = verbunden_.front();
    verbunden_.pop_front();
    return ja;
}

bool FakeNetz::DateiHerunterladen(const QString& Url, const QString& Ziel, qint64 Satzgroesse) {
    const QCursor* zeiger = QGuiApplication::overrideCursor();
    downloads.push_back({Url, Ziel, zeiger && zeiger->shape() == Qt::WaitCursor, Satzgroesse});
    if (downloads_.empty()) {
        unerwartet(QStringLiteral("DateiHerunterladen ") + Url);
        return false;
    }
    const Antwort a = downloads_.front();
    downloads_.pop_front();
    if (a.fehlernummer)
        throw net::EAFehler(Ziel, a.fehlernummer);
    if (a.stopp != Stopp::Nein)
        throw net::Abgebrochen(
            QStringLiteral("Der Download von \"%1\" wurde abgebrochen.").arg(QUrl(Url).fileName()),
            a.stopp == Stopp::Programmende);
    if (a.inhalt)
        dateiSchreiben(Ziel, *a.inhalt);
    return a.inhalt.has_value();
}

bool FakeNetz::aufraeumenErlaubt(const QString& was) {
    if (!aufraeumen_)
        unerwartet(was);
    return aufraeumen_;
}

qint64 FakeNetz::DateiGroesse(const QString& Pfad) {
    return aufraeumenErlaubt(QStringLiteral("DateiGroesse ") + Pfad) ? net::Dateiarbeit::groesse(Pfad) : -1;
}

bool FakeNetz::DateiLoeschen(const QString& Pfad) {
    geloescht.append(Pfad);
    return aufraeumenErlaubt(QStringLiteral("DateiLoeschen ") + Pfad) && net::Dateiarbeit::loeschen(Pfad);
}

void FakeNetz::CacheLeeren() {
    if (aufraeumenErlaubt(QStringLiteral("CacheLeeren")))
        ++cacheGeleert;
}

bool FakeNetz::UpdateHerunterladen(const QString& Url, const QString& Ziel, const Fortschritt& fortschritt) {
    const bool geholt = DateiHerunterladen(Url, Ziel);
    if (geholt)
        fortschritt(net::Dateiarbeit::groesse(Ziel), net::Dateiarbeit::groesse(Ziel));
    return geholt;
}

void FakeNetz::zuruecksetzen() {
    downloads.clear();
    geloescht.clear();
    verbindungsfragen = 0;
    cacheGeleert = 0;
    verbunden_.clear();
    downloads_.clear();
    aufraeumen_ = false;
}

} // namespace testhilfe
