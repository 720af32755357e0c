#include "TFGewonnen.h"

#include "core/Konstanten.h"
#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "ui/AuswertungsBereich.h"
#include "ui/Bausteine.h"
#include "ui/GewinnreiheLeiste.h"
#include "ui/KreuzBereich.h"
#include "ui/Namen.h"
#include "ui/SpieltagBereich.h"
#include "ui/Umgebung.h"
#include "ui/Waechter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>

using ui::Bausteine;
namespace namen = ui::namen;

namespace {
const QString Position = QStringLiteral("Position");
const QString Auswertung = QStringLiteral("Auswertung");
const QString Wach = QStringLiteral("Wach");
const QString ZumStartEinlesen = QStringLiteral("ZumStartEinlesen");
} // namespace

TFGewonnen::TFGewonnen(ui::Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      umgebung_(umgebung), ordner_(ordner) {
    setObjectName(QString::fromLatin1(namen::TFGewonnen));
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(core::ProgrammTitel());
    setFixedSize(KlientBreite, KlientHoehe);

    werkzeugleisteBauen();
    Spieltag = new ui::SpieltagBereich(umgebung_, ordner_, this);
    Spieltag->move(0, 40);
    Kreuze = new ui::KreuzBereich(umgebung_, ordner_, this);
    Kreuze->move(ui::SpieltagBereich::Breite, 40);
    PFoto = new ui::AuswertungsBereich(umgebung_, ordner_, this);
    PFoto->move(ui::SpieltagBereich::Breite + ui::KreuzBereich::Breite, 40);
    Spieltag->setAuswertung(PFoto);
    Kreuze->setReihenziel(PFoto->G1, PFoto->LReihen);

    optionenLesen();
    Kreuze->BQOpen->setEnabled(QFileInfo::exists(Kreuze->musterDatei()));
    gemerkteDateienLesen();
}

void TFGewonnen::werkzeugleisteBauen() {
    QFrame* leiste = Bausteine::panel(this, "PWerkzeug", QRect(0, 0, KlientBreite, 40), "leiste");
    QToolButton* beenden =
        Bausteine::knopf(leiste, namen::ProgrammBeenden, QStringLiteral("Programm beenden"),
                         QStringLiteral("tuer"), QRect(2, 2, 112, 36));
    Bausteine::knopf(leiste, namen::BFSpTagVerw, QStringLiteral("Spieltag herunterladen"),
                     QStringLiteral("wolke"), QRect(116, 2, 130, 36));
    QToolButton* erstellen =
        Bausteine::knopf(leiste, namen::SpielscheinErstellen, QStringLiteral("Spielschein erstellen..."),
                         QStringLiteral("schein_neu"), QRect(248, 2, 130, 36));
    Bausteine::knopf(leiste, namen::VersionPruefen, QString(), QStringLiteral("update"),
                     QRect(380, 2, 42, 36), QStringLiteral("Nach einer neuen Version suchen"));

    QFrame* spende = Bausteine::panel(leiste, namen::PPayPal, QRect(426, 0, 458, 40), "rahmenlos");
    QLabel* aufruf = Bausteine::text(
        spende,
        QStringLiteral("Wenn Ihnen das Programm gefällt, würde ich mich über einen Wachmacher freuen:"),
        QRect(0, 2, 209, 36), namen::Label15);
    aufruf->setWordWrap(true);
    aufruf->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    aufruf->setFont(Bausteine::schrift(QStringLiteral("Calibri"), 12, true));
    aufruf->setStyleSheet(QStringLiteral("color: #004080;"));
    Bausteine::knopf(spende, namen::BSpende, QString(), QStringLiteral("kaffee"), QRect(214, 1, 42, 38),
                     QStringLiteral("Einen Wachmacher spendieren"));
    QFrame* stand = Bausteine::panel(spende, namen::Panel4, QRect(262, 2, 60, 36), "flaeche");
    Bausteine::text(stand, QStringLiteral("Stand in €"), QRect(2, 1, 56, 13), namen::Label4)
        ->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11));
    leur = Bausteine::text(stand, QStringLiteral("0"), QRect(2, 15, 56, 19), namen::leur);
    leur->setAlignment(Qt::AlignCenter);
    leur->setFont(Bausteine::schrift(QStringLiteral("Arial"), 12, true));
    leur->setStyleSheet(QStringLiteral("color: #008000; background: #FFFFFF; border: 1px solid #8D99A6;"));

    QToolButton* position =
        Bausteine::knopf(leiste, namen::PositionSpeichern, QString(), QStringLiteral("position"),
                         QRect(KlientBreite - 134, 2, 42, 36), QStringLiteral("Fensterposition speichern"));
    Bausteine::knopf(leiste, namen::Video, QString(), QStringLiteral("video"),
                     QRect(KlientBreite - 90, 2, 42, 36), QStringLiteral("Einführungsvideo ansehen"));
    Bausteine::knopf(leiste, namen::Info, QString(), QStringLiteral("info"),
                     QRect(KlientBreite - 46, 2, 42, 36), QStringLiteral("Über das Programm"));

    ui::BeiKlick(beenden, umgebung_.meldungen, [this] { close(); });
    ui::BeiKlick(erstellen, umgebung_.meldungen, [this] { bsSkinSpeedButton7Click(); });
    ui::BeiKlick(position, umgebung_.meldungen, [this] { bsSkinSpeedButton4Click(); });
}

void TFGewonnen::optionenLesen() {
    const settings::IniDatei optionen(ordner_.optionenDatei());
    int links = 0;
    int oben = 70;
    if (optionen.existiert()) {
        links = optionen.leseInt(Position, QStringLiteral("FGewonnen-left"), 0);
        oben = optionen.leseInt(Position, QStringLiteral("FGewonnen-top"), 70);
        PFoto->Gewinnreihe->cbSofort->setChecked(
            optionen.leseBool(Auswertung, QStringLiteral("sofort"), true));
        Spieltag->cbSofortQ->setChecked(optionen.leseBool(Auswertung, QStringLiteral("sofortQ"), true));
        leur->setText(optionen.leseText(Wach, QStringLiteral("Stand"), QStringLiteral("0")));
        startSpieltag_ = optionen.leseText(ZumStartEinlesen, QStringLiteral("Spieltag"), QString());
        startSpielschein_ = optionen.leseText(ZumStartEinlesen, QStringLiteral("Spielschein"), QString());
    }
    move(links, oben);
}

void TFGewonnen::gemerkteDateienLesen() {
    // The matchday first, then the slip; a failure is shown and skips what follows.
    ui::Schuetzen(umgebung_.meldungen, [this] {
        SpieltagEinlesen(startSpieltag_);
        SpielscheinEinlesen(startSpielschein_);
    });
}

void TFGewonnen::SpieltagEinlesen(const QString& datei) {
    Spieltag->SpieltagEinlesen(datei);
}

void TFGewonnen::SpielscheinEinlesen(const QString& datei) {
    PFoto->SpielscheinEinlesen(datei);
}

void TFGewonnen::bsSkinSpeedButton4Click() {
    settings::FensterpositionSpeichern(settings::IniDatei(ordner_.optionenDatei()),
                                       QStringLiteral("FGewonnen"), x(), y());
}

void TFGewonnen::bsSkinSpeedButton7Click() {
    if (!editor_)
        return;
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
}

void TFGewonnen::closeEvent(QCloseEvent* ereignis) {
    ui::Schuetzen(umgebung_.meldungen, [this] {
        const settings::IniDatei optionen(ordner_.optionenDatei());
        optionen.schreibeBool(Auswertung, QStringLiteral("sofort"),
                              PFoto->Gewinnreihe->cbSofort->isChecked());
        optionen.schreibeBool(Auswertung, QStringLiteral("sofortQ"), Spieltag->cbSofortQ->isChecked());
        optionen.schreibeText(Wach, QStringLiteral("Stand"), leur->text());
    });
    ereignis->accept();
    emit geschlossen();
}
