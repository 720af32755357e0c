#include "AuswertungsBereich.h"

#include "core/grund/Fehler.h"
#include "core/schein/Auswertung.h"
#include "core/schein/G1Spalten.h"
#include "core/schein/GitterSortieren.h"
#include "core/schein/Spielschein.h"
#include "core/schein/TippsText.h"
#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/text/Editortabelle.h"
#include "settings/Ordner.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Namen.h"
#include "ui/bericht/Auswertungsbericht.h"
#include "ui/gitter/G1Zellen.h"
#include "ui/gitter/GitterEinrichtung.h"
#include "ui/gitter/Reihenbefehle.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/gitter/ZeilenModell.h"
#include "ui/hauptfenster/GewinnreiheLeiste.h"
#include "ui/hauptfenster/QuotenPanel.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>

namespace ui {
namespace {

const QString VeralteteAuswertung =
    QStringLiteral("Veraltet: Tippreihen oder Gewinnreihe wurden nach der letzten „Gewinn- Prüfung“ "
                   "geändert.");

} // namespace

AuswertungsBereich::AuswertungsBereich(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent)
    : QWidget(parent), umgebung_(umgebung), ordner_(ordner) {
    setObjectName(QString::fromLatin1(namen::PFoto));
    setAttribute(Qt::WA_StyledBackground);
    resize(Breite, Hoehe);
    bauen();
    verbinden();
}

void AuswertungsBereich::bauen() {
    Gewinnreihe = new GewinnreiheLeiste(this);
    Gewinnreihe->move(0, 0);

    QFrame* scheinleiste = Bausteine::panel(this, "PSpielschein", QRect(0, 66, Breite, 44), "leiste");
    SpielscheinEinlesenKnopf =
        Bausteine::knopf(scheinleiste, namen::SpielscheinEinlesen, QStringLiteral("Spielschein einlesen..."),
                         QStringLiteral("ordner"), QRect(2, 2, 100, 40));
    BSave = Bausteine::knopf(scheinleiste, namen::BSave, QStringLiteral("Als Spielschein speichern..."),
                             QStringLiteral("speichern"), QRect(104, 2, 110, 40));
    BCopy = Bausteine::knopf(scheinleiste, namen::BCopy, QStringLiteral("Tipps kopieren"),
                             QStringLiteral("kopieren"), QRect(216, 2, 92, 40),
                             QStringLiteral("Tippreihen in die Zwischenablage kopieren."));
    BGridDel = Bausteine::knopf(scheinleiste, namen::BGridDel, QStringLiteral("Reihen löschen"),
                                QStringLiteral("papierkorb"), QRect(310, 2, 92, 40));

    QFrame* gitterleiste = Bausteine::panel(this, "PGitterKopf", QRect(0, 112, 231, 26), "flaeche");
    Bausteine::text(gitterleiste, QStringLiteral("Datei:"), QRect(3, 5, 30, 16));
    // The file name gives the room a count of millions needs beside its caption.
    LDatei = Bausteine::wert(gitterleiste, namen::LDatei, QRect(33, 5, 57, 16), QStringLiteral("Datei"));
    LDatei->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 10, true));
    SortNachNummer =
        Bausteine::knopf(gitterleiste, namen::SortNachNummer, QString(), QStringLiteral("sort_nummer"),
                         QRect(91, 2, 22, 22), QStringLiteral("Nach Reihennummer sortieren"));
    BSortier = Bausteine::knopf(gitterleiste, namen::BSortier, QString(), QStringLiteral("sort_rang"),
                                QRect(114, 2, 22, 22), QStringLiteral("Nach Gewinnklasse sortieren"));
    SortNachNummer->setIconSize(QSize(16, 16));
    BSortier->setIconSize(QSize(16, 16));
    Bausteine::text(gitterleiste, QStringLiteral("Reihen:"), QRect(139, 5, 38, 16));
    LReihen = Bausteine::wert(gitterleiste, namen::LReihen, QRect(178, 5, 50, 16), QStringLiteral("Reihen"));
    LReihen->setText(QStringLiteral("0"));
    LReihen->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LReihen->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 10, true));

    scrv1 = new QScrollBar(Qt::Vertical, this);
    scrv1->setObjectName(QString::fromLatin1(namen::scrv1));
    scrv1->setGeometry(0, 140, 16, 305);
    scrv1->setAccessibleName(QStringLiteral("Tippreihen blättern"));

    G1Modell = new ZeilenModell(core::G1Spalten::Anzahl, G1Zeilen, this);
    G1 = new ZeilenGitter(G1Modell, this);
    G1->setObjectName(QString::fromLatin1(namen::G1));
    G1->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11));
    G1Maler = new G1Zellen(Gewinnreihe->Gewinnreihe(), G1);
    G1->setItemDelegate(G1Maler);
    G1->setGeometry(18, 140, 209, 305);
    G1->setAccessibleName(QStringLiteral("Tippreihen"));
    G1->setFocusPolicy(Qt::TabFocus);
    G1Einrichten(*G1);
    G1->scrollbarKoppeln(scrv1);
    kontextmenueBauen();

    P116 = new QuotenPanel(this);
    P116->move(Breite - QuotenPanel::Breite, 112);

    QFrame* ergebnis = Bausteine::panel(this, "PErgebnis", QRect(0, 448, Breite, 202), "flaeche");
    Bausteine::text(ergebnis, QStringLiteral("Gewinn:"), QRect(6, 6, 60, 16))
        ->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    G2Modell = new ZeilenModell(3, 7, this);
    G2 = new ZeilenGitter(G2Modell, ergebnis);
    G2->setObjectName(QString::fromLatin1(namen::G2));
    G2Maler = new G2Zellen(G2);
    G2->setItemDelegate(G2Maler);
    G2->setGeometry(6, 24, 194, 116);
    G2->setAccessibleName(QStringLiteral("Gewinn"));
    G2Einrichten(*G2);

    BAuswerten = Bausteine::knopf(ergebnis, namen::BAuswerten, QStringLiteral("Gewinn- Prüfung"),
                                  QStringLiteral("pruefen"), QRect(212, 24, 184, 44),
                                  QStringLiteral("Alle Tippreihen mit der Gewinnreihe vergleichen"));
    Bausteine::text(ergebnis, QStringLiteral("Gesamtgewinn"), QRect(212, 76, 184, 16))
        ->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    LGesGewinn = Bausteine::anzeige(ergebnis, namen::LGesGewinn, QRect(212, 94, 184, 26),
                                    QStringLiteral("Gesamtgewinn"));
    LGesGewinn->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LGesGewinn->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 15, true));
    Abbild = Bausteine::knopf(ergebnis, namen::Abbild, QStringLiteral("Abbild der Auswertung"),
                              QStringLiteral("kamera"), QRect(212, 150, 184, 44),
                              QStringLiteral("Ein Bild der Auswertung als JPEG speichern"));
}

void AuswertungsBereich::kontextmenueBauen() {
    G1->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* statistik = new QAction(QStringLiteral("Statistik über alle Spieltage..."), G1);
    statistik->setObjectName(QString::fromLatin1(namen::StatistikOeffnen));
    auto* scheine = new QAction(QStringLiteral("Mehrere Spielscheine auswerten..."), G1);
    connect(statistik, &QAction::triggered, this, &AuswertungsBereich::statistikVerlangt);
    connect(scheine, &QAction::triggered, this, &AuswertungsBereich::mehrereScheineVerlangt);
    auto* zurueck = new QAction(QStringLiteral("Rückgängig"), G1);
    zurueck->setShortcut(QKeySequence::Undo);
    zurueck->setShortcutContext(Qt::WindowShortcut);
    connect(zurueck, &QAction::triggered, this, &AuswertungsBereich::rueckgaengigVerlangt);
    // Its shortcut works anywhere in the main window.
    auto* werkstatt = new QAction(QStringLiteral("Eigenes System erstellen..."), G1);
    werkstatt->setObjectName(QString::fromLatin1(namen::Systemwerkstatt));
    werkstatt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    werkstatt->setShortcutContext(Qt::WindowShortcut);
    connect(werkstatt, &QAction::triggered, this, &AuswertungsBereich::systemwerkstattVerlangt);
    G1->addActions({zurueck, statistik, scheine, werkstatt});
    // The report of the evaluation.
    auto* drucken = new QAction(QStringLiteral("Auswertung drucken..."), G1);
    drucken->setObjectName(QString::fromLatin1(namen::AuswertungDrucken));
    auto* pdf = new QAction(QStringLiteral("Auswertung als PDF speichern..."), G1);
    pdf->setObjectName(QString::fromLatin1(namen::AuswertungPdf));
    connect(drucken, &QAction::triggered, this, &AuswertungsBereich::druckenVerlangt);
    connect(pdf, &QAction::triggered, this, &AuswertungsBereich::pdfVerlangt);
    G1->addActions({drucken, pdf});
}

void AuswertungsBereich::verbinden() {
    Meldungen& m = umgebung_.meldungen;
    BeiKlick(SpielscheinEinlesenKnopf, m, [this] { bsSkinSpeedButton1Click(); });
    BeiKlick(BSave, m, [this] { BSaveClick(); });
    BeiKlick(BCopy, m, [this] { BCopyClick(); });
    BeiKlick(BGridDel, m, [this] { BGridDelClick(); });
    BeiKlick(BSortier, m, [this] { BSortierClick(); });
    BeiKlick(SortNachNummer, m, [this] { bsSkinSpeedButton2Click(); });
    Geschuetzt(P116, &QuotenPanel::einlesenVerlangt, this, m, [this] { bsSkinSpeedButton13Click(); });
    Geschuetzt(P116, &QuotenPanel::speichernVerlangt, this, m, [this] { bsSkinSpeedButton14Click(); });
    BeiKlick(BAuswerten, m, [this] { BAuswertenClick(); });
    connect(Abbild, &QToolButton::clicked, this, [this] {
        Gewinnreihe->offeneBoxVerlassen();
        emit abbildVerlangt();
    });
    connect(Gewinnreihe, &GewinnreiheLeiste::geleert, this,
            [this](const core::TGewinnreihe& reihe, const std::array<QString, 8>& texte) {
                rueckschritt_ = Rueckschritt{{}, {}, {}, std::pair(reihe, texte)};
                emit rueckschrittGemerkt();
                auswertungsstandZeigen();
            });
    connect(Gewinnreihe, &GewinnreiheLeiste::verlassen, this,
            [this] { Schuetzen(umgebung_.meldungen, [this] { gewinnreiheVerlassen(); }); });
}

bool AuswertungsBereich::SpielscheinEinlesen(const QString& datei) {
    std::optional<core::Spielschein> schein =
        core::SpielscheinEinlesen(datei, G1Modell->tabelle(), G1->textmass());
    if (!schein)
        return false;
    const QString datei0 = LDatei->text();
    rueckschritt_ = Rueckschritt{G1Modell->ersetzen(std::move(schein->tabelle)), datei0, LReihen->text(), {}};
    emit rueckschrittGemerkt();
    LDatei->setText(schein->dateiname);
    LReihen->setText(QString::number(schein->zeilen));
    reihenGeaendert();
    return true;
}

void AuswertungsBereich::fokusInsGitter() {
    G1->setFocus(Qt::OtherFocusReason);
}

const core::Zeilentabelle& AuswertungsBereich::reihen() const {
    return G1Modell->tabelle();
}

core::Zahlenmenge AuswertungsBereich::gewinnzahlen() {
    Gewinnreihe->offeneBoxUebernehmen();
    return Gewinnreihe->Gewinnreihe().Menge;
}

QString AuswertungsBereich::zsText() const {
    return Gewinnreihe->zsText();
}

Auswertungsstand AuswertungsBereich::auswertungsstand() {
    Auswertungsstand s;
    s.schein = LDatei->text();
    Gewinnreihe->offeneBoxUebernehmen();
    s.gewinnreihe = Gewinnreihe->Gewinnreihe();
    s.zs = zsText();
    s.quoten = quoten();
    const core::Zeilentabelle& g2 = G2Modell->tabelle();
    for (int rang = 1; rang <= 6; ++rang) {
        s.anzahl[std::size_t(rang)] = g2.text(rang, 1);
        s.betrag[std::size_t(rang)] = g2.text(rang, 2);
    }
    s.gesamt = LGesGewinn->text();
    s.reihen = &G1Modell->tabelle();
    return s;
}

QString AuswertungsBereich::Spielscheinname() const {
    return LDatei->text();
}

bool AuswertungsBereich::sofortAuswerten() const {
    return Gewinnreihe->sofortAuswerten();
}

void AuswertungsBereich::setSofortAuswerten(bool ja) {
    Gewinnreihe->setSofortAuswerten(ja);
}

void AuswertungsBereich::gewinnreiheSetzen(const core::Gewinnreihenermittlung& e) {
    Gewinnreihe->setzen(e.Gewinnreihe, e.Boxen);
    auswertungsstandZeigen();
}

void AuswertungsBereich::SystemAbwickeln(int system, const core::Zahlenmenge& kreuze) {
    const SchriftTextmass mass = G1->textmass();
    QString reihen;
    reihenMerken();
    G1Modell->umbauen([&](core::Zeilentabelle& tabelle) {
        // Padded for the column as designed: a row column widened for a large slip narrows again.
        reihen =
            core::SystemAbwickeln(system, kreuze, tabelle, G1Reihenbreite, mass, SystemReihen, SystemZahlen);
    });
    LReihen->setText(reihen);
    reihenGeaendert();
}

void AuswertungsBereich::SystemreihenSchreiben(const std::vector<std::array<int, 6>>& reihen) {
    // The rows hold the numbers themselves: placeholder k stands for the number k.
    SystemReihen.assign(reihen.begin(), reihen.end());
    SystemZahlen.resize(core::Zahlenmenge::Groesste);
    for (std::size_t k = 0; k < SystemZahlen.size(); ++k)
        SystemZahlen[k] = std::uint8_t(k + 1);
    const SchriftTextmass mass = G1->textmass();
    const int breite = G1->spaltenbreite(core::G1Spalten::Reihe);
    const auto anzahl = std::int32_t(reihen.size());
    G1Modell->umbauen([&](core::Zeilentabelle& tabelle) {
        core::SystemReihenSchreiben(tabelle, anzahl, SystemReihen, SystemZahlen, breite, mass);
    });
    LReihen->setText(core::ReihenText(anzahl));
}

void AuswertungsBereich::ReihenUebernehmen(const core::Zeilentabelle& reihen, const QString& anzahl) {
    reihenMerken();
    G1Modell->umbauen([&](core::Zeilentabelle& ziel) { core::ReihenUebertragen(reihen, ziel); });
    LReihen->setText(anzahl);
    reihenGeaendert();
}

void AuswertungsBereich::bsSkinSpeedButton1Click() {
    const std::optional<QString> datei = umgebung_.dialoge.oeffnen(
        {QStringLiteral("Spielscheindatei einlesen"), QStringLiteral("Spielschein|*.txt"),
         QStringLiteral("txt"), ordner_.SlipDir, QString(), false});
    if (datei && SpielscheinEinlesen(*datei))
        emit spielscheinGelesen(*datei);
}

void AuswertungsBereich::BSaveClick() {
    // The rank and its sort key, the results, are no part of a slip.
    constexpr int ergebnisse = core::G1Spalten::Anzahl - core::G1Spalten::Rang;
    if (const std::optional<QString> name = Reihenbefehle::alsSpielscheinSpeichern(
            umgebung_, ordner_.SlipDir, G1Modell->tabelle(), ergebnisse, Meldungen::Ort::Fenster))
        LDatei->setText(*name);
}

void AuswertungsBereich::BGridDelClick() {
    if (!Reihenbefehle::hatReihen(G1Modell->tabelle()))
        return;
    // The step before is let go first; the rows go whole into the new one.
    rueckschritt_.reset();
    rueckschritt_ = Rueckschritt{Reihenbefehle::reihenLoeschen(*G1Modell), LDatei->text(), LReihen->text(), {}};
    emit rueckschrittGemerkt();
    LDatei->clear();
    LReihen->setText(QStringLiteral("0"));
    reihenGeaendert();
}

void AuswertungsBereich::BCopyClick() {
    QGuiApplication::clipboard()->setText(core::TippsText(G1Modell->tabelle()));
}

void AuswertungsBereich::BSortierClick() {
    Gewinnreihe->offeneBoxVerlassen();
    const core::Zeilentabelle& t = G1Modell->tabelle();
    if (t.zeilen() < 2 || t.istLeer(1, core::G1Spalten::Schluessel))
        return;
    nachRangSortieren_ = true;
    G1Modell->zellenAendern([](core::Zeilentabelle& tabelle) { core::RangSortieren(tabelle); });
}

void AuswertungsBereich::bsSkinSpeedButton2Click() {
    Gewinnreihe->offeneBoxVerlassen();
    nachRangSortieren_ = false;
    const core::Zeilentabelle& t = G1Modell->tabelle();
    if (t.zeilen() < 2 || t.istLeer(1, core::G1Spalten::Reihe))
        return;
    G1Modell->zellenAendern([](core::Zeilentabelle& tabelle) { core::NummernSortieren(tabelle); });
}

core::TQuoten AuswertungsBereich::quoten() const {
    return P116->quoten();
}

void AuswertungsBereich::QuotenLaden(const QString& datei) {
    const std::optional<core::Quotendatei> quoten = core::QuotenLaden(datei);
    if (!quoten)
        return;
    P116->setzen(quoten->inBoxen(P116->quoten()));
    const QString fehler = quoten->fehler();
    if (!fehler.isEmpty())
        throw core::Fehler(fehler);
    P116->dateiZeigen(quoten->dateiname);
}

void AuswertungsBereich::bsSkinSpeedButton13Click() {
    const std::optional<QString> datei =
        umgebung_.dialoge.oeffnen({QStringLiteral("Quotendatei einlesen"), QStringLiteral("Quoten|*.quo"),
                                   QStringLiteral("quo"), ordner_.MatchdayDir, QString(), false});
    if (datei)
        QuotenLaden(*datei);
}

void AuswertungsBereich::bsSkinSpeedButton14Click() {
    const std::optional<GewaehlteDatei> datei =
        umgebung_.dialoge.speichern({QStringLiteral("Quotendatei speichern"), QStringLiteral("Quoten|*.quo"),
                                     QStringLiteral("quo"), ordner_.MatchdayDir, QString(), true});
    if (!datei)
        return;
    core::QuotenSpeichern(datei->pfad, quoten());
    P116->dateiZeigen(QFileInfo(datei->pfad).fileName());
}

void AuswertungsBereich::BAuswertenClick() {
    // The box being edited counts as left; this evaluation is the one leaving it would start.
    Gewinnreihe->offeneBoxUebernehmen();
    core::Auswertung ergebnis;
    G1Modell->zellenAendern([&](core::Zeilentabelle& t) {
        ergebnis = core::Auswerten(t, Gewinnreihe->Gewinnreihe().Menge, Gewinnreihe->zsText(), quoten(),
                                   nachRangSortieren_);
    });
    G2Modell->zellenAendern([&](core::Zeilentabelle& t) {
        for (int i = 1; i <= 6; ++i) {
            if (ergebnis.anzahlText[i])
                t.setText(i, 1, *ergebnis.anzahlText[i]);
            if (ergebnis.betragText[i])
                t.setText(i, 2, *ergebnis.betragText[i]);
        }
    });
    if (ergebnis.gesamtText) {
        LGesGewinn->setText(*ergebnis.gesamtText);
        ausgewertet_ = true;
        reihenSeitherGeaendert_ = false;
        gepruefteZahlen_ = Gewinnreihe->Gewinnreihe().Menge;
        gepruefterZs_ = Gewinnreihe->zsText();
        auswertungsstandZeigen();
    }
    if (!ergebnis.fehler.isEmpty())
        throw core::Fehler(ergebnis.fehler);
}

void AuswertungsBereich::gewinnreiheVerlassen() {
    auswertungsstandZeigen();
    if (!Gewinnreihe->sofortAuswerten())
        return;
    if (Reihenbefehle::hatReihen(G1Modell->tabelle()))
        G1->viewport()->update();
    BAuswertenClick();
}

bool AuswertungsBereich::auswertungVeraltet() const {
    return ausgewertet_ && (reihenSeitherGeaendert_ || Gewinnreihe->Gewinnreihe().Menge != gepruefteZahlen_ ||
                            Gewinnreihe->zsText() != gepruefterZs_);
}

void AuswertungsBereich::reihenGeaendert() {
    reihenSeitherGeaendert_ = true;
    auswertungsstandZeigen();
}

void AuswertungsBereich::auswertungsstandZeigen() {
    const bool veraltet = auswertungVeraltet();
    G1Maler->setVeraltet(veraltet);
    G2Maler->setVeraltet(veraltet);
    G1->viewport()->update();
    G2->viewport()->update();
    const QString hinweis = veraltet ? VeralteteAuswertung : QString();
    LGesGewinn->setToolTip(hinweis);
    LGesGewinn->setAccessibleDescription(hinweis);
    LGesGewinn->setStyleSheet(veraltet ? QStringLiteral("color: #8C959E;") : QString());
}

void AuswertungsBereich::reihenMerken() {
    // The step before is let go first: never more than one copy of the rows besides the grid.
    rueckschritt_.reset();
    rueckschritt_ = Rueckschritt{G1Modell->tabelle(), LDatei->text(), LReihen->text(), {}};
    emit rueckschrittGemerkt();
}

void AuswertungsBereich::rueckgaengig() {
    if (!rueckschritt_)
        return;
    Rueckschritt schritt = std::move(*rueckschritt_);
    rueckschritt_.reset();
    if (schritt.reihen) {
        G1Modell->ersetzen(std::move(*schritt.reihen));
        LDatei->setText(schritt.datei);
        LReihen->setText(schritt.anzahl);
        reihenGeaendert();
    }
    if (schritt.gewinnreihe) {
        Gewinnreihe->setzen(schritt.gewinnreihe->first, schritt.gewinnreihe->second);
        auswertungsstandZeigen();
    }
}

} // namespace ui
