#include "TFGewonnen.h"

#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/grund/Konstanten.h"
#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "settings/Schluessel.h"
#include "settings/Zuletzt.h"
#include "ui/abbild/TFInfo.h"
#include "ui/bausteine/Ablage.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Mittig.h"
#include "ui/bausteine/Namen.h"
#include "ui/bausteine/Zuletztmenue.h"
#include "ui/bericht/Auswertungsbericht.h"
#include "ui/bericht/Berichtsausgabe.h"
#include "ui/editor/TFEingabe.h"
#include "ui/gitter/Reihenbefehle.h"
#include "ui/hauptfenster/AuswertungsBereich.h"
#include "ui/hauptfenster/SpieltagBereich.h"
#include "ui/hilfe/TFHilfe.h"
#include "ui/hilfe/Tastenkuerzel.h"
#include "ui/internet/TFNeu.h"
#include "ui/internet/TFsptag.h"
#include "ui/internet/WebVerweise.h"
#include "ui/internet/Zaehleranzeige.h"
#include "ui/kreuzbrett/KreuzBereich.h"
#include "ui/statistik/TFScheine.h"
#include "ui/statistik/TFStatistik.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"
#include "ui/werkstatt/TFWerkstatt.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>

#include <optional>

using ui::Bausteine;
namespace namen = ui::namen;
namespace schluessel = settings::schluessel;

namespace {
const QString KeineReihen =
    QStringLiteral("Im Gitter stehen keine Tippreihen, die ausgewertet werden können.");
const QString KeineGewinnreihe = QStringLiteral(
    "Die Gewinnreihe ist leer. Geben Sie die Gewinnreihe ein oder lesen Sie einen Spieltag ein.");
} // namespace

TFGewonnen::TFGewonnen(ui::Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      umgebung_(umgebung), ordner_(ordner), verweise_(new ui::WebVerweise(umgebung, this)),
      abbilder_(umgebung, ordner) {
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
    spaltenVerbinden();
    nebenfensterVerbinden();
    updateVerbinden();
    dateiwegeVerbinden();
    kuerzelVerbinden();

    optionenLesen();
    gemerkteDateienLesen();
    // Not on "Programm beenden", the first control: one press of Space would end the program.
    PFoto->fokusInsGitter();
}

void TFGewonnen::spaltenVerbinden() {
    ui::Meldungen& m = umgebung_.meldungen;
    connect(Spieltag, &ui::SpieltagBereich::gewinnreiheErmittelt, PFoto,
            &ui::AuswertungsBereich::gewinnreiheSetzen);
    ui::Geschuetzt(Spieltag, &ui::SpieltagBereich::spieltagGelesen, this, m,
                   [this](const QString& datei, const ui::GelesenerSpieltag& gelesen) {
                       spieltagUebernehmen(gelesen);
                       spieltagMerken(datei);
                   });
    ui::Geschuetzt(PFoto, &ui::AuswertungsBereich::spielscheinGelesen, this, m,
                   [this](const QString& datei) { spielscheinMerken(datei); });
    ui::Geschuetzt(
        Kreuze, &ui::KreuzBereich::systemAbwickeln, PFoto, m,
        [this](int system, const core::Zahlenmenge& kreuze) { PFoto->SystemAbwickeln(system, kreuze); });
    // One step of undo for the whole window: a new step in one column lets go of the other's, so
    // Ctrl+Z undoes the last.
    connect(Spieltag, &ui::SpieltagBereich::rueckschrittGemerkt, PFoto,
            &ui::AuswertungsBereich::rueckschrittVergessen);
    connect(PFoto, &ui::AuswertungsBereich::rueckschrittGemerkt, Spieltag,
            &ui::SpieltagBereich::rueckschrittVergessen);
    ui::Geschuetzt(PFoto, &ui::AuswertungsBereich::rueckgaengigVerlangt, this, m, [this] {
        if (!Spieltag->rueckgaengig())
            PFoto->rueckgaengig();
    });
}

void TFGewonnen::setEditor(ui::TFEingabe* editor) {
    editor_ = editor;
    ui::Geschuetzt(editor, &ui::TFEingabe::reihenUebertragen, PFoto, umgebung_.meldungen,
                   [this](const core::Zeilentabelle& reihen, const QString& anzahl) {
                       PFoto->ReihenUebernehmen(reihen, anzahl);
                   });
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
    leur = new ui::Zaehleranzeige(stand);
    leur->setObjectName(QString::fromLatin1(namen::leur));
    leur->setGeometry(2, 15, 56, 19);
    leur->setFont(Bausteine::schrift(QStringLiteral("Arial"), 12, true));
    leur->setStyleSheet(QStringLiteral("color: #008000; background: #FFFFFF; border: 1px solid #8D99A6;"));
    leur->setzen(QStringLiteral("0"));

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
    // A missing file or key gives the default, as the controls show it at their creation.
    const settings::IniDatei optionen(ordner_.optionenDatei());
    move(ui::ImBild(this,
                    settings::FensterpositionLesen(optionen, QString::fromLatin1(schluessel::FGewonnen))));
    PFoto->setSofortAuswerten(settings::lesen(optionen, schluessel::Sofort));
    Spieltag->setQuotenMitSpieltag(settings::lesen(optionen, schluessel::SofortQ));
    leur->setzen(settings::lesen(optionen, schluessel::Stand));
    startSpieltag_ = settings::lesen(optionen, schluessel::StartSpieltag);
    startSpielschein_ = settings::lesen(optionen, schluessel::StartSpielschein);
}

void TFGewonnen::gemerkteDateienLesen() {
    // The matchday first, then the slip; each stands alone, so a failure of one is shown and the
    // other still loads.
    ui::Schuetzen(umgebung_.meldungen, [this] { SpieltagEinlesen(startSpieltag_); });
    ui::Schuetzen(umgebung_.meldungen, [this] { SpielscheinEinlesen(startSpielschein_); });
}

void TFGewonnen::SpieltagEinlesen(const QString& datei) {
    if (const std::optional<ui::GelesenerSpieltag> gelesen = Spieltag->SpieltagEinlesen(datei))
        spieltagUebernehmen(*gelesen);
}

void TFGewonnen::spieltagUebernehmen(const ui::GelesenerSpieltag& gelesen) {
    PFoto->gewinnreiheSetzen(gelesen.gewinnreihe);
    if (gelesen.quoten)
        PFoto->QuotenLaden(*gelesen.quoten);
}

void TFGewonnen::spieltagMerken(const QString& datei) const {
    settings::schreiben(settings::IniDatei(ordner_.optionenDatei()), schluessel::StartSpieltag, datei);
    zuletztMerken(settings::Zuletzt::Spieltage, datei);
}

void TFGewonnen::spielscheinMerken(const QString& datei) const {
    settings::schreiben(settings::IniDatei(ordner_.optionenDatei()), schluessel::StartSpielschein, datei);
    zuletztMerken(settings::Zuletzt::Spielscheine, datei);
}

void TFGewonnen::zuletztMerken(const char* art, const QString& pfad) const {
    settings::Zuletzt(settings::IniDatei(ordner_.optionenDatei()), art)
        .merken(QFileInfo(pfad).absoluteFilePath());
}

void TFGewonnen::spielscheinOeffnen(const QString& datei, bool fuerStart) {
    if (!PFoto->SpielscheinEinlesen(datei))
        return;
    if (fuerStart)
        spielscheinMerken(datei);
    else
        zuletztMerken(settings::Zuletzt::Spielscheine, datei);
}

void TFGewonnen::spieltagOeffnen(const QString& datei, bool fuerStart) {
    const std::optional<ui::GelesenerSpieltag> gelesen = Spieltag->SpieltagEinlesen(datei);
    if (!gelesen)
        return;
    spieltagUebernehmen(*gelesen);
    if (fuerStart)
        spieltagMerken(datei);
    else
        zuletztMerken(settings::Zuletzt::Spieltage, datei);
}

void TFGewonnen::DateiOeffnen(const QString& datei) {
    const QFileInfo info(datei);
    if (!info.isFile())
        throw core::Fehler(QStringLiteral("Die Datei „%1“ gibt es nicht.")
                               .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    const QString endung = info.suffix().toLower();
    if (endung == u"sp45")
        spieltagOeffnen(info.absoluteFilePath(), false);
    else if (endung == u"quo")
        PFoto->QuotenLaden(info.absoluteFilePath());
    else
        spielscheinOeffnen(info.absoluteFilePath(), false);
}

void TFGewonnen::dateiwegeVerbinden() {
    ui::Meldungen& m = umgebung_.meldungen;
    const QString optionen = ordner_.optionenDatei();
    auto* scheine = new ui::Zuletztmenue(
        PFoto->findChild<QAbstractButton*>(QString::fromLatin1(namen::SpielscheinEinlesen)), m, optionen,
        settings::Zuletzt::Spielscheine);
    ui::Geschuetzt(scheine, &ui::Zuletztmenue::gewaehlt, this, m,
                   [this](const QString& datei) { spielscheinOeffnen(datei, true); });
    auto* tage =
        new ui::Zuletztmenue(Spieltag->findChild<QAbstractButton*>(QString::fromLatin1(namen::BOpen)), m,
                             optionen, settings::Zuletzt::Spieltage);
    ui::Geschuetzt(tage, &ui::Zuletztmenue::gewaehlt, this, m,
                   [this](const QString& datei) { spieltagOeffnen(datei, true); });

    // Dropped files are read as the open dialogs read them, but not read again at the next start.
    auto* gitter =
        new ui::Ablage(PFoto->findChild<QAbstractItemView*>(QString::fromLatin1(namen::G1))->viewport(), m,
                       QStringLiteral("txt"), true,
                       QStringLiteral("Auf das Reihengitter lassen sich nur Spielscheine (*.txt) "
                                      "ablegen."));
    ui::Geschuetzt(gitter, &ui::Ablage::abgelegt, this, m, [this](const QStringList& dateien) {
        if (dateien.size() == 1)
            spielscheinOeffnen(dateien[0], false);
        else
            scheineOeffnen(dateien);
    });
    auto* paarungen = new ui::Ablage(Spieltag->findChild<QWidget*>(QString::fromLatin1(namen::PC1)), m,
                                     QStringLiteral("sp45"), false,
                                     QStringLiteral("Auf die Paarungen lässt sich nur eine Spieltag-Datei "
                                                    "(*.sp45) ablegen."));
    ui::Geschuetzt(paarungen, &ui::Ablage::abgelegt, this, m,
                   [this](const QStringList& dateien) { spieltagOeffnen(dateien[0], false); });
    auto* quoten = new ui::Ablage(PFoto->findChild<QWidget*>(QString::fromLatin1(namen::P116)), m,
                                  QStringLiteral("quo"), false,
                                  QStringLiteral("Auf die Quoten lässt sich nur eine Quotendatei (*.quo) "
                                                 "ablegen."));
    ui::Geschuetzt(quoten, &ui::Ablage::abgelegt, this, m,
                   [this](const QStringList& dateien) { PFoto->QuotenLaden(dateien[0]); });
}

void TFGewonnen::kuerzelVerbinden() {
    ui::Tastenkuerzel::anbringen(this);
    // The help from every window of the program.
    auto* hilfe = new QShortcut(QKeySequence(Qt::Key_F1), this);
    hilfe->setContext(Qt::ApplicationShortcut);
    connect(hilfe, &QShortcut::activated, this,
            [this] { FHilfe.oeffnen([this] { return new ui::TFHilfe(this); }); });
}

void TFGewonnen::SpielscheinEinlesen(const QString& datei) {
    PFoto->SpielscheinEinlesen(datei);
}

void TFGewonnen::bsSkinSpeedButton4Click() {
    settings::FensterpositionSpeichern(settings::IniDatei(ordner_.optionenDatei()),
                                       QString::fromLatin1(schluessel::FGewonnen), x(), y());
}

void TFGewonnen::bsSkinSpeedButton7Click() {
    if (!editor_)
        return;
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
}

void TFGewonnen::optionenSpeichern() const {
    const settings::IniDatei optionen(ordner_.optionenDatei());
    settings::schreiben(optionen, schluessel::Sofort, PFoto->sofortAuswerten());
    settings::schreiben(optionen, schluessel::SofortQ, Spieltag->quotenMitSpieltag());
    settings::schreiben(optionen, schluessel::Stand, leur->text());
}

void TFGewonnen::closeEvent(QCloseEvent* ereignis) {
    ui::Schuetzen(umgebung_.meldungen, [this] { optionenSpeichern(); });
    ereignis->accept();
    emit geschlossen();
}

QToolButton* TFGewonnen::knopf(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

void TFGewonnen::nebenfensterVerbinden() {
    ui::Meldungen& m = umgebung_.meldungen;
    ui::BeiKlick(knopf(namen::BFSpTagVerw), m, [this] { BFSpTagVerwClick(); });
    ui::BeiKlick(knopf(namen::BSpende), m, [this] { verweise_->spendenSeiteOeffnen(); });
    videoKnopfVerbinden(knopf(namen::Video));
    ui::Geschuetzt(Kreuze, &ui::KreuzBereich::plusSeiteVerlangt, this, m,
                   [this] { verweise_->plusSeiteOeffnen(); });
    ui::Geschuetzt(PFoto, &ui::AuswertungsBereich::abbildVerlangt, this, m,
                   [this] { bsSkinSpeedButton9Click(); });
    ui::BeiKlick(knopf(namen::Info), m, [this] { bsSkinSpeedButton5Click(); });
    ui::Geschuetzt(PFoto, &ui::AuswertungsBereich::statistikVerlangt, this, m,
                   [this] { statistikOeffnen(); });
    ui::Geschuetzt(PFoto, &ui::AuswertungsBereich::mehrereScheineVerlangt, this, m,
                   [this] { scheineOeffnen(); });
    ui::Geschuetzt(PFoto, &ui::AuswertungsBereich::systemwerkstattVerlangt, this, m,
                   [this] { werkstattOeffnen(); });
    ui::Geschuetzt(PFoto, &ui::AuswertungsBereich::druckenVerlangt, this, m,
                   [this] { auswertungBerichten(true); });
    ui::Geschuetzt(PFoto, &ui::AuswertungsBereich::pdfVerlangt, this, m,
                   [this] { auswertungBerichten(false); });
}

void TFGewonnen::videoKnopfVerbinden(QAbstractButton* knopf) {
    // Tied to this window: a button that outlives it opens nothing.
    ui::Geschuetzt(knopf, &QAbstractButton::clicked, this, umgebung_.meldungen,
                   [this](bool) { verweise_->videoOeffnen(); });
}

void TFGewonnen::BFSpTagVerwClick() {
    FSpTag.oeffnen([this] {
        auto* fenster = new ui::TFsptag(umgebung_, ordner_, this);
        // Read at once when wanted, but not remembered for the next start.
        ui::Geschuetzt(fenster, &ui::TFsptag::spieltagGespeichert, this, umgebung_.meldungen,
                       [this](const QString& pfad, bool einlesen) {
                           if (einlesen)
                               SpieltagEinlesen(pfad);
                       });
        connect(fenster, &ui::TFsptag::zaehlerstand, leur, &ui::Zaehleranzeige::setzen);
        return fenster;
    });
}

void TFGewonnen::bsSkinSpeedButton9Click() {
    // Owned by this window, so an open snapshot does not keep the program running.
    abbilder_.BildschirmAbbild(PFoto, ui::Abbilder::titel(PFoto->Spielscheinname()), 0, 81, this);
}

void TFGewonnen::bsSkinSpeedButton5Click() {
    FInfo.oeffnen([this] { return new ui::TFInfo(umgebung_, this); });
}

void TFGewonnen::statistikOeffnen() {
    // The masks are cheap to make and copy the slip, so that the grid may change during the run.
    core::Reihenmasken masken = core::Reihenmasken::aus(PFoto->reihen());
    if (masken.reihen() == 0)
        throw core::Fehler(KeineReihen);
    auto* fenster = new ui::TFStatistik(umgebung_, ordner_.optionenDatei(), ordner_.MatchdayDir,
                                        PFoto->Spielscheinname(), std::move(masken), this);
    fenster->show();
}

void TFGewonnen::scheineOeffnen(const QStringList& dateien) {
    // Without a winning row every slip would show nothing but zeros, as if it had won nothing.
    const core::Zahlenmenge gewinn = PFoto->gewinnzahlen();
    if (gewinn.leer())
        throw core::Fehler(KeineGewinnreihe);
    auto* fenster =
        new ui::TFScheine(umgebung_, ordner_.SlipDir, gewinn, PFoto->zsText(), PFoto->quoten(), this);
    ui::Meldungen& m = umgebung_.meldungen;
    auto* ordner =
        new ui::Zuletztmenue(fenster->findChild<QAbstractButton*>(QString::fromLatin1(namen::BWaehlen)), m,
                             ordner_.optionenDatei(), settings::Zuletzt::Ordner, true);
    ui::Geschuetzt(ordner, &ui::Zuletztmenue::gewaehlt, fenster, m,
                   [fenster](const QString& pfad) { fenster->scheineWaehlen(pfad); });
    ui::Geschuetzt(fenster, &ui::TFScheine::ordnerVerwendet, this, m,
                   [this](const QString& pfad) { zuletztMerken(settings::Zuletzt::Ordner, pfad); });
    fenster->show();
    if (dateien.isEmpty())
        fenster->scheineWaehlen();
    else
        fenster->auswerten(dateien);
}

void TFGewonnen::auswertungBerichten(bool drucken) {
    ui::Auswertungsstand stand = PFoto->auswertungsstand();
    if (!ui::Reihenbefehle::hatReihen(*stand.reihen))
        throw core::Fehler(KeineReihen);
    if (!Spieltag->SpieltagDatei().isEmpty())
        stand.spieltag = core::DatumText(Spieltag->Spieltag().Datum);
    const std::optional<ui::Bericht> bericht = ui::AuswertungsberichtWaehlen(umgebung_, stand);
    if (!bericht)
        return;
    ui::Berichtsausgabe ausgabe(umgebung_);
    if (drucken)
        ausgabe.drucken(*bericht);
    else
        ausgabe.alsPdfSpeichern(
            *bericht, ordner_.SlipDir,
            QStringLiteral("Auswertung %1").arg(QFileInfo(stand.schein).completeBaseName()).trimmed());
}

void TFGewonnen::werkstattOeffnen() {
    FWerkstatt.oeffnen([this] {
        auto* fenster = new ui::TFWerkstatt(umgebung_, ordner_.DataRoot + QStringLiteral("Systeme/"), this);
        ui::Meldungen& m = umgebung_.meldungen;
        ui::Geschuetzt(fenster, &ui::TFWerkstatt::kreuzeVerlangt, fenster, m,
                       [this, fenster] { fenster->zahlenSetzen(Kreuze->kreuze()); });
        ui::Geschuetzt(fenster, &ui::TFWerkstatt::tabellenreihenVerlangt, fenster, m,
                       [this, fenster] { fenster->tabellenreihePruefen(PFoto->reihen()); });
        ui::Geschuetzt(
            fenster, &ui::TFWerkstatt::reihenUebernehmen, PFoto, m,
            [this](const std::vector<std::array<int, 6>>& reihen) { PFoto->SystemreihenSchreiben(reihen); });
        // The usual way to choose numbers is the cross board.
        if (!Kreuze->kreuze().leer())
            fenster->zahlenSetzen(Kreuze->kreuze());
        return fenster;
    });
}

void TFGewonnen::updateVerbinden() {
    ui::BeiKlick(findChild<QToolButton*>(QString::fromLatin1(namen::VersionPruefen)), umgebung_.meldungen,
                 [this] { bsSkinSpeedButton12Click(); });
}

void TFGewonnen::bsSkinSpeedButton12Click() {
    FNeu.oeffnen([this] {
        auto* fenster = new ui::TFNeu(umgebung_, ordner_, this);
        connect(fenster, &ui::TFNeu::zaehlerstand, leur, &ui::Zaehleranzeige::setzen);
        // The program ends at once for the update: the options are stored first, and a failure to
        // store them keeps it running.
        connect(fenster, &ui::TFNeu::vorDemEnde, this, [this](bool& abbrechen) {
            abbrechen = true;
            ui::Schuetzen(umgebung_.meldungen, [&] {
                optionenSpeichern();
                abbrechen = false;
            });
        });
        return fenster;
    });
}
