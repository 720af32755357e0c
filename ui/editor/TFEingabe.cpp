#include "TFEingabe.h"

#include "core/grund/Konstanten.h"
#include "core/schein/TippsText.h"
#include "core/text/Editortabelle.h"
#include "core/text/TextDatei.h"
#include "core/text/Windows1252.h"
#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "settings/Schluessel.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Mittig.h"
#include "ui/bausteine/Namen.h"
#include "ui/editor/Textfeld.h"
#include "ui/gitter/GitterEinrichtung.h"
#include "ui/gitter/Reihenbefehle.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/gitter/ZeilenModell.h"
#include "ui/gitter/Zellenmaler.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"

#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>

#include <tuple>

namespace ui {
namespace {

const QString FensterName = QString::fromLatin1(settings::schluessel::FEingabe);
const QString TextfeldLeer =
    QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu übertragen.\n\nIch breche erst einmal ab.");
const QString NichtsZuUebertragen =
    QStringLiteral("Es gibt nichts zu übertragen.\n\nIch breche erst einmal ab.");
const QString ErsteZeileZuKurz = QStringLiteral(
    "Aus dem Text lässt sich keine Tippreihe auslesen: Die erste Zeile hat weniger als sieben Zeichen."
    "\n\nIch breche erst einmal ab.");

// The lines that gave no tip row, in one line.
QString Uebersprungen(int zeilen) {
    return (zeilen == 1 ? QStringLiteral("1 Zeile") : QStringLiteral("%1 Zeilen").arg(zeilen)) +
           QStringLiteral(" übersprungen: keine sechs verschiedenen Zahlen von 1 bis 45");
}

// The editor's own error boxes stand in the middle of the screen.
constexpr Meldungen::Ort Mitte = Meldungen::Ort::Bildschirm;

QFont fett() {
    return Bausteine::schrift(QStringLiteral("Tahoma"), 11, true);
}

QLabel* fetterText(QWidget* eltern, const QString& text, const QRect& ort, const char* name = nullptr) {
    QLabel* l = Bausteine::text(eltern, text, ort, name);
    l->setFont(fett());
    return l;
}

// A line with a file name and a count beside their captions, the count right-aligned.
std::pair<QLabel*, QLabel*> angabenZeile(QWidget* eltern, const QRect& ort, const QString& dateiText,
                                         const char* dateiName, const QString& anzahlText,
                                         const char* anzahlName) {
    QFrame* zeile = Bausteine::panel(eltern, nullptr, ort, "flaeche");
    const int w = ort.width();
    Bausteine::text(zeile, dateiText, QRect(4, 5, 32, 16));
    Anzeigetext* datei =
        Bausteine::wert(zeile, dateiName, QRect(36, 5, w - 126, 16), QStringLiteral("Datei"));
    Bausteine::text(zeile, anzahlText, QRect(w - 88, 5, 40, 16));
    Anzeigetext* anzahl =
        Bausteine::wert(zeile, anzahlName, QRect(w - 50, 5, 46, 16), QStringLiteral("Reihen"));
    datei->setFont(fett());
    anzahl->setFont(fett());
    anzahl->setText(QStringLiteral("0"));
    anzahl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return {datei, anzahl};
}

} // namespace

TFEingabe::TFEingabe(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent)
    : QWidget(parent, Qt::Window), umgebung_(umgebung), ordner_(ordner) {
    setObjectName(QString::fromLatin1(namen::TFEingabe));
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(core::ProgrammTitel());
    setFixedSize(KlientBreite, KlientHoehe);
    move(ImBild(this,
                settings::FensterpositionLesen(settings::IniDatei(ordner_.optionenDatei()), FensterName)));

    kopfBauen();
    textspalteBauen();
    gitterspalteBauen();
    // With a buddy the label takes "&&" for one ampersand.
    Anleitung->setBuddy(m1);
    verbinden();
}

void TFEingabe::kopfBauen() {
    QFrame* kopf = Bausteine::panel(this, "PKopf", QRect(0, 0, KlientBreite, 40), "leiste");
    BClose = Bausteine::knopf(kopf, namen::BClose, QString(), QStringLiteral("tuer"), QRect(2, 2, 42, 36),
                              QStringLiteral("Schließen"));
    QLabel* titel = Bausteine::text(kopf, QStringLiteral("Von Tippreihen zum Spielschein"),
                                    QRect(48, 2, KlientBreite - 96, 36));
    titel->setAlignment(Qt::AlignCenter);
    titel->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 15, true));
    Position =
        Bausteine::knopf(kopf, namen::EditorPosition, QString(), QStringLiteral("position"),
                         QRect(KlientBreite - 46, 2, 42, 36), QStringLiteral("Fensterposition speichern"));

    QFrame* hinweise = Bausteine::panel(this, "PAnleitung", QRect(0, 42, KlientBreite, 78), "flaeche");
    Anleitung = fetterText(hinweise,
                           QStringLiteral("Tippreihen können hier auf drei Wegen zugeführt werden. Über "
                                          "copy && paste, durch das Einlesen einer Text-Datei und "
                                          "manuelles Eintragen."),
                           QRect(6, 4, KlientBreite - 12, 34), namen::Anleitung);
    Anleitung->setWordWrap(true);
    QLabel* trenner = fetterText(hinweise,
                                 QStringLiteral("Trennzeichen können ein Komma ( (6,12,20), ein Semikolon "
                                                "(6;12;20), ein Leerzeichen (6 12 20) oder ein Tab sein.  "),
                                 QRect(6, 40, KlientBreite - 12, 34), namen::Trennzeichen);
    trenner->setWordWrap(true);
}

void TFEingabe::textspalteBauen() {
    constexpr int x = 4;
    constexpr int breite = 190;
    QFrame* leiste = Bausteine::panel(this, "PTextLeiste", QRect(x, 124, breite, 44), "leiste");
    BOpen = Bausteine::knopf(leiste, namen::EditorOeffnen, QStringLiteral("Textdatei öffnen..."),
                             QStringLiteral("ordner"), QRect(2, 2, 98, 40));
    BAuslesen = Bausteine::knopf(leiste, namen::BAuslesen, QStringLiteral("Auslesen"),
                                 QStringLiteral("auslesen"), QRect(102, 2, 86, 40));
    BAuslesen->setEnabled(false);
    QFrame* loeschen = Bausteine::panel(this, "PTextLoeschen", QRect(x, 170, breite, 44), "leiste");
    BDel = Bausteine::knopf(loeschen, namen::BDel, QStringLiteral("Textfeld löschen"),
                            QStringLiteral("textfeld_loeschen"), QRect(2, 2, 130, 40));
    BDel->setEnabled(false);

    std::tie(LDatei0, LZeilen) = angabenZeile(this, QRect(x, 216, breite, 26), QStringLiteral("Datei"),
                                              namen::LDatei0, QStringLiteral("Reihen"), namen::LZeilen);

    m1 = new Textfeld(this);
    m1->setObjectName(QString::fromLatin1(namen::m1));
    m1->setGeometry(x, 244, breite, KlientHoehe - 4 - 244);
    m1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m1->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11));
    m1->setAccessibleName(QStringLiteral("Text der Tippreihen"));
}

void TFEingabe::gitterspalteBauen() {
    constexpr int breite = 240;
    constexpr int x = KlientBreite - 4 - breite;
    QFrame* leiste = Bausteine::panel(this, "PGitterLeiste", QRect(x, 124, breite, 44), "leiste");
    BSave = Bausteine::knopf(leiste, namen::EditorSpeichern, QStringLiteral("Als Spielschein speichern..."),
                             QStringLiteral("speichern"), QRect(2, 2, 112, 40));
    Export = Bausteine::knopf(leiste, namen::EditorExport, QString(), QStringLiteral("export"),
                              QRect(116, 2, 40, 40), QStringLiteral("Als Text- oder CSV-Datei speichern"));
    BGridDel = Bausteine::knopf(leiste, namen::EditorGridDel, QStringLiteral("Reihen löschen"),
                                QStringLiteral("papierkorb"), QRect(158, 2, 80, 40));

    std::tie(LDatei, LReihen) =
        angabenZeile(this, QRect(x, 170, breite, 26), QStringLiteral("Datei:"), namen::EditorLDatei,
                     QStringLiteral("Reihen:"), namen::EditorLReihen);

    G1Modell = new ZeilenModell(core::EditorSpalten, G1Zeilen, this);
    G1 = new ZeilenGitter(G1Modell, this);
    G1->setObjectName(QString::fromLatin1(namen::EditorG1));
    G1->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11));
    G1->setItemDelegate(new WeisseZellen(G1));
    G1->setGeometry(x, 198, 198, 440);
    G1->setAccessibleName(QStringLiteral("Tippreihen"));
    G1->setFocusPolicy(Qt::TabFocus);
    EditorGitterBeschriften(*G1);
    Leiste = new QScrollBar(Qt::Vertical, this);
    Leiste->setObjectName(QString::fromLatin1(namen::EditorLeiste));
    Leiste->setGeometry(x + 200, 198, 16, 440);
    Leiste->setAccessibleName(QStringLiteral("Tippreihen blättern"));
    G1->scrollbarKoppeln(Leiste);

    QFrame* unten = Bausteine::panel(this, "PUebertragen", QRect(x, 640, breite, 46), "leiste");
    BTransfer = Bausteine::knopf(unten, namen::BTransfer, QStringLiteral("Reihen zur  Aus- wertung kopieren"),
                                 QStringLiteral("uebertragen"), QRect(2, 2, breite - 4, 42));
}

void TFEingabe::verbinden() {
    Meldungen& m = umgebung_.meldungen;
    BeiKlick(BClose, m, [this] { close(); });
    BeiKlick(Position, m, [this] { bsSkinSpeedButton13Click(); });
    BeiKlick(BOpen, m, [this] { BOpenClick(); });
    BeiKlick(BAuslesen, m, [this] { BAuslesenClick(); });
    BeiKlick(BDel, m, [this] { BDelClick(); });
    BeiKlick(BSave, m, [this] { BSaveClick(); });
    BeiKlick(Export, m, [this] { bsSkinSpeedButton1Click(); });
    BeiKlick(BGridDel, m, [this] { BGridDelClick(); });
    BeiKlick(BTransfer, m, [this] { BTransferClick(); });
    connect(m1, &QPlainTextEdit::textChanged, this,
            [this] { Schuetzen(umgebung_.meldungen, [this] { M1Change(); }); });
}

void TFEingabe::M1Change() {
    const QString text = m1->toPlainText();
    if (text.contains(u'\t')) {
        // A typed tab becomes a comma at once; the text keeps its length, so the caret keeps its place.
        const int stelle = m1->textCursor().position();
        m1->setPlainText(Textfeld::ohneTabs(text));
        QTextCursor cursor = m1->textCursor();
        cursor.setPosition(stelle);
        m1->setTextCursor(cursor);
        return;
    }
    // A final empty line is not counted.
    const QTextDocument* dokument = m1->document();
    const int zeilen = dokument->blockCount() - (dokument->lastBlock().length() <= 1 ? 1 : 0);
    LZeilen->setText(QString::number(zeilen));
    BDel->setEnabled(!text.isEmpty());
    BAuslesen->setEnabled(!text.isEmpty());
}

void TFEingabe::BOpenClick() {
    const std::optional<QString> datei = umgebung_.dialoge.oeffnen(
        {QStringLiteral("Eine Text-Datei einlesen"), QStringLiteral("Text-Dateien|*.txt;*.csv"),
         QStringLiteral("txt"), ordner_.SlipDir, QString(), false});
    if (!datei)
        return;
    m1->laden(core::TextDatei::lesen(*datei));
    LDatei0->setText(QFileInfo(*datei).fileName());
}

void TFEingabe::BDelClick() {
    m1->clear();
    LDatei0->clear();
    LZeilen->setText(QStringLiteral("0"));
}

void TFEingabe::BAuslesenClick() {
    // The text field is read, never changed: it keeps the untrimmed text.
    const QString text = m1->toPlainText();
    if (text.isEmpty()) {
        umgebung_.meldungen.fehler(TextfeldLeer, Mitte);
        return;
    }
    core::Auslesung gelesen = core::TippreihenAuslesen(text, G1->textmass());
    // Nothing read leaves the grid as it was.
    if (gelesen.ersteZeileZuKurz) {
        umgebung_.meldungen.fehler(ErsteZeileZuKurz, Mitte);
        return;
    }
    if (gelesen.reihen == 0) {
        umgebung_.meldungen.fehler(
            QStringLiteral(
                "Aus dem Text lässt sich keine Tippreihe auslesen (%1).\n\nIch breche erst einmal ab.")
                .arg(Uebersprungen(gelesen.uebersprungen)),
            Mitte);
        return;
    }
    G1Modell->ersetzen(std::move(gelesen.tabelle));
    LReihen->setText(QString::number(gelesen.reihen));
    LDatei->setText(LDatei0->text());
    if (gelesen.uebersprungen > 0)
        umgebung_.meldungen.information(Uebersprungen(gelesen.uebersprungen));
}

void TFEingabe::BSaveClick() {
    if (const std::optional<QString> name =
            Reihenbefehle::alsSpielscheinSpeichern(umgebung_, ordner_.SlipDir, G1Modell->tabelle(), 0, Mitte))
        LDatei->setText(*name);
}

void TFEingabe::bsSkinSpeedButton1Click() {
    const std::optional<GewaehlteDatei> datei =
        umgebung_.dialoge.speichern({QStringLiteral("Als Text- oder CSV-Datei speichern"),
                                     QStringLiteral("Text-Datei|*.txt|CSV-Datei|*.csv"),
                                     QStringLiteral("txt"), QString(), QString(), true});
    if (!datei)
        return;
    const QChar trenner = datei->filterIndex == 1 ? u',' : u';';
    core::TextDatei::bytesSchreiben(
        datei->pfad, core::Windows1252::kodieren(core::TippsText(G1Modell->tabelle(), trenner)));
    LDatei->setText(QFileInfo(datei->pfad).fileName());
}

void TFEingabe::BGridDelClick() {
    if (!Reihenbefehle::reihenLoeschen(*G1Modell))
        return;
    LDatei->clear();
    LReihen->setText(QStringLiteral("0"));
}

void TFEingabe::BTransferClick() {
    if (!Reihenbefehle::hatReihen(G1Modell->tabelle())) {
        umgebung_.meldungen.fehler(NichtsZuUebertragen, Mitte);
        return;
    }
    emit reihenUebertragen(G1Modell->tabelle(), LReihen->text());
}

void TFEingabe::bsSkinSpeedButton13Click() {
    settings::FensterpositionSpeichern(settings::IniDatei(ordner_.optionenDatei()), FensterName, x(), y());
}

} // namespace ui
