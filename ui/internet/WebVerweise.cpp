#include "WebVerweise.h"

#include "net/Adressen.h"
#include "ui/umgebung/Umgebung.h"

namespace ui {

WebVerweise::WebVerweise(Umgebung& umgebung, QObject* eltern) : QObject(eltern), umgebung_(umgebung) {}

void WebVerweise::oeffnen(const QString& adresse, const QString& ohneVerbindung) {
    if (!umgebung_.netz.InternetVerbunden())
        umgebung_.meldungen.information(ohneVerbindung);
    else if (!umgebung_.shell.oeffnen(adresse))
        umgebung_.meldungen.information(
            QStringLiteral(
                "Es ließ sich kein Web-Browser öffnen. Bitte rufen Sie die Seite selbst auf:\n\n%1")
                .arg(adresse));
}

void WebVerweise::spendenSeiteOeffnen() {
    oeffnen(net::Adressen::Spende(),
            QStringLiteral("Für den Aufruf der PayPal-Seite muss eine Verbindung zum Internet bestehen."));
}

void WebVerweise::videoOeffnen() {
    oeffnen(QString::fromLatin1(net::Adressen::Video),
            QStringLiteral("Für den Aufruf des Videos muss eine Verbindung zum Internet bestehen."));
}

void WebVerweise::plusSeiteOeffnen() {
    oeffnen(net::Adressen::AufSeite(net::Adressen::PlusSeite),
            QStringLiteral("Für den Aufruf der Seite muss eine Verbindung zum Internet bestehen."));
}

} // namespace ui
