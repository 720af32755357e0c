#include "SpieltagBereich.h"

#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/spieltag/Ergebniseingabe.h"
#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/spieltag/Paarungstexte.h"
#include "core/spieltag/Quoten.h"
#include "core/text/TextDatei.h"
#include "settings/Ordner.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Namen.h"
#include "ui/bausteine/Zeichenfilter.h"
#include "ui/hauptfenster/TFfrPaarung.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace ui {

SpieltagBereich::SpieltagBereich(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent)
    : QWidget(parent), umgebung_(umgebung), ordner_(ordner) {
    resize(Breite, Hoehe);
    bauen();
    BeiKlick(BOpen, umgebung_.meldungen, [this] { BOpenSpTagClick(); });
    BeiKlick(ErgebnisseSpeichern, umgebung_.meldungen, [this] { bsSkinSpeedButton8Click(); });
}

void SpieltagBereich::bauen() {
    QFrame* kopf = Bausteine::panel(this, "PSpieltag", QRect(2, 2, 274, 94), "flaeche");
    cbSofortQ = Bausteine::haken(kopf, namen::cbSofortQ,
                                 QStringLiteral("Mit Spieltag Quoten einlesen, wenn vorhanden"),
                                 QRect(4, 3, 266, 18));
    cbSofortQ->setChecked(true);
    QLabel* warnung =
        Bausteine::text(kopf, QStringLiteral("Einträge werden überschrieben"), QRect(24, 20, 240, 16));
    warnung->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    warnung->setStyleSheet(QStringLiteral("color: #FF0000;"));

    QFrame* leiste = Bausteine::panel(kopf, "PSpieltagLeiste", QRect(2, 40, 270, 50), "leiste");
    BOpen = Bausteine::knopf(leiste, namen::BOpen, QStringLiteral("Spieltag einlesen..."),
                             QStringLiteral("ordner"), QRect(3, 4, 104, 42),
                             QStringLiteral("Eine Spieltag-Datei öffnen"));
    QLabel* tag = Bausteine::text(leiste, QStringLiteral("Spieltag"), QRect(128, 3, 80, 16));
    tag->setAlignment(Qt::AlignCenter);
    LTag = Bausteine::anzeige(leiste, namen::LTag, QRect(128, 21, 80, 21), QStringLiteral("Spieltag"));
    LTag->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 12, true));
    ErgebnisseSpeichern = Bausteine::knopf(leiste, namen::ErgebnisseSpeichern, QString(),
                                           QStringLiteral("ergebnisse_speichern"), QRect(225, 4, 42, 42),
                                           QStringLiteral("Eingetragene Ergebnisse im Spieltag speichern"));

    PC1 = new QTabWidget(this);
    PC1->setObjectName(QString::fromLatin1(namen::PC1));
    PC1->setGeometry(2, 100, 274, 548);
    PC1->setAccessibleName(QStringLiteral("Paarungen"));
    const QString seiten[3] = {QStringLiteral("1 - 15"), QStringLiteral("16 - 30"),
                               QStringLiteral("31 - 45")};
    // The result edits take digits, the comma and the colon.
    auto* ergebniszeichen = new Zeichenfilter(QStringLiteral("0123456789,:"), this);
    for (int t = 1; t <= 3; ++t) {
        auto* seite = new QWidget;
        seite->setObjectName(QStringLiteral("TabSheet%1").arg(t));
        PC1->addTab(seite, seiten[t - 1]);
        for (int i = 1; i <= 15; ++i) {
            const int n = (t - 1) * 15 + i;
            auto* frame = new TFfrPaarung(n, seite);
            frame->move(0, (i - 1) * TFfrPaarung::Hoehe);
            Paarungen[n] = frame;
            PPaar[n] = frame->PPaar;
            PStart[n] = frame->PStart;
            PTendenz[n] = frame->PTendenz;
            eErg[n] = frame->eErg;
            eErg[n]->installEventFilter(this);
            eErg[n]->installEventFilter(ergebniszeichen);
        }
    }
}

bool SpieltagBereich::eventFilter(QObject* objekt, QEvent* ereignis) {
    // Enter moves to the next pairing.
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
        naechsteErgebnisbox(objekt->property("Tag").toInt());
        return true;
    }
    return false;
}

void SpieltagBereich::naechsteErgebnisbox(int nr) {
    if (nr < 1 || nr >= core::AnzahlPaarungen)
        return;
    // The next pairing of 15 and 30 lies on the next tab: show that tab first.
    PC1->setCurrentIndex(nr / 15);
    eErg[nr + 1]->setFocus(Qt::TabFocusReason);
}

void SpieltagBereich::ergebnisFaerben(int nr, bool ergebnis) {
    eErg[nr]->setProperty("ohneErgebnis", !ergebnis);
    eErg[nr]->setStyleSheet(ergebnis ? QString()
                                     : QStringLiteral("QLineEdit { background: #%1; }")
                                           .arg(core::OhneErgebnisFarbe, 6, 16, QChar(u'0')));
}

bool SpieltagBereich::quotenMitSpieltag() const {
    return cbSofortQ->isChecked();
}

void SpieltagBereich::setQuotenMitSpieltag(bool ja) {
    cbSofortQ->setChecked(ja);
}

std::optional<GelesenerSpieltag> SpieltagBereich::SpieltagEinlesen(const QString& datei) {
    if (datei.isEmpty() || !QFileInfo::exists(datei))
        return std::nullopt;
    // A file that is no matchday throws here, before anything has changed.
    spieltag_ = core::TSpieltag::dateiLesen(datei);
    spieltagDatei_ = datei;
    for (int i = 1; i <= core::AnzahlPaarungen; ++i) {
        const core::Paarungstexte texte = core::Paarungstexte::von(spieltag_, i);
        PPaar[i]->setText(texte.PPaar);
        PStart[i]->setText(texte.PStart);
        PTendenz[i]->setText(texte.PTendenz);
        eErg[i]->setText(texte.eErg);
        ergebnisFaerben(i, texte.Ergebnis);
    }
    LTag->setText(core::DatumText(spieltag_.Datum));
    GelesenerSpieltag gelesen{core::GewinnreiheErmitteln(spieltag_.Ergebnis), std::nullopt};
    const QString quoten = ordner_.MatchdayDir + core::QuotenDateiname(spieltag_.Datum);
    if (cbSofortQ->isChecked() && QFileInfo::exists(quoten))
        gelesen.quoten = quoten;
    return gelesen;
}

void SpieltagBereich::BOpenSpTagClick() {
    const std::optional<QString> datei =
        umgebung_.dialoge.oeffnen({QStringLiteral("Spieltag öffnen"), QStringLiteral("Spieltag-Datei|*.sp45"),
                                   QStringLiteral("sp45"), ordner_.MatchdayDir, QString(), false});
    if (!datei)
        return;
    if (const std::optional<GelesenerSpieltag> gelesen = SpieltagEinlesen(*datei))
        emit spieltagGelesen(*datei, *gelesen);
}

void SpieltagBereich::bsSkinSpeedButton8Click() {
    if (spieltagDatei_.isEmpty())
        return;
    core::ProPaarung<QString> texte;
    for (int i = 1; i <= core::AnzahlPaarungen; ++i)
        texte[i] = eErg[i]->text();
    const core::Ergebniseingabe eingabe(texte);
    for (int i = 1; i <= eingabe.geprueft(); ++i)
        ergebnisFaerben(i, eingabe.gueltig(i));
    // A matchday file is small: its bytes are kept whole for undo.
    std::optional<QByteArray> vorher;
    if (QFileInfo::exists(spieltagDatei_))
        vorher = core::TextDatei::bytesLesen(spieltagDatei_);
    eingabe.speichern(spieltag_, spieltagDatei_);
    if (vorher) {
        rueckschritt_ = Rueckschritt{spieltagDatei_, std::move(*vorher)};
        emit rueckschrittGemerkt();
    } else {
        rueckschritt_.reset();
    }
    emit gewinnreiheErmittelt(core::GewinnreiheErmitteln(spieltag_.Ergebnis));
}

bool SpieltagBereich::rueckgaengig() {
    if (!rueckschritt_)
        return false;
    // Written before the step is let go: after a failed write it can be tried again.
    core::TextDatei::bytesSchreiben(rueckschritt_->datei, rueckschritt_->bytes);
    const QString datei = rueckschritt_->datei;
    rueckschritt_.reset();
    // Another matchday read since stays shown.
    if (datei == spieltagDatei_)
        if (const std::optional<GelesenerSpieltag> gelesen = SpieltagEinlesen(datei))
            emit gewinnreiheErmittelt(gelesen->gewinnreihe);
    return true;
}

} // namespace ui
