#include "core/spieltag/TSpieltag.h"
#include "support/Dateigrenze.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/bausteine/Skin.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/hauptfenster/GewinnreiheLeiste.h"
#include "ui/hauptfenster/SpieltagBereich.h"
#include "ui/hauptfenster/TFfrPaarung.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

using testhilfe::dateiLesen;
using testhilfe::dateiSchreiben;
using testhilfe::FakeUmgebung;
using testhilfe::Hauptfensterhilfe;
namespace namen = ui::namen;

namespace {

// 25.01.2024 as days since 30.12.1899, and a Saturday kick-off at 15:30 two days later.
constexpr double Datum = 45316.0;
constexpr double SamstagHalbVier = 45318.0 + 15.5 / 24.0;

// A matchday with named teams and the given results (10:10 elsewhere: no result yet).
core::TSpieltag spieltag(const QList<std::tuple<int, int, int>>& ergebnisse = {}) {
    core::TSpieltag s;
    s.Datum = Datum;
    for (int i = 1; i <= 45; ++i) {
        s.Paarung[i].Heim.setzen(QStringLiteral("Heim %1").arg(i));
        s.Paarung[i].Gast.setzen(QStringLiteral("Gast %1").arg(i));
        s.Tendenz[i].setzen(QStringLiteral("%1").arg(i % 3));
        s.Anstoss[i] = i == 1 ? SamstagHalbVier : 0.0;
        s.Ergebnis[i] = {10, 10};
    }
    for (const auto& [nr, heim, gast] : ergebnisse)
        s.Ergebnis[nr] = {std::int8_t(heim), std::int8_t(gast)};
    for (int k = 0; k < 49; ++k)
        s.Rest[k] = char(k + 1);
    return s;
}

// The main window shown; the controls of its matchday and evaluation columns found by their names.
struct Fenster : Hauptfensterhilfe {
    Fenster() {
        starten();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    ui::SpieltagBereich* s() const { return fenster->findChild<ui::SpieltagBereich*>(); }
    template <typename T> T* spieltag(const char* name) const {
        return s()->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return spieltag<QLabel>(name)->text(); }
    ui::TFfrPaarung* paarung(int nr) const {
        return spieltag<ui::TFfrPaarung>(
            qPrintable(QString::fromLatin1(namen::frPaars) + QString::number(nr)));
    }
    QString paarungstext(int nr, const char* name) const {
        return paarung(nr)->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QLineEdit* erg(int nr) const {
        return paarung(nr)->findChild<QLineEdit*>(QString::fromLatin1(namen::eErg));
    }
    template <typename T> T* auswertung(const char* name) const { return finde<T>(namen::PFoto, name); }
    QString datei(const core::TSpieltag& sp, const QString& name = QStringLiteral("25012024.sp45")) const {
        return dateiSchreiben(ordner.MatchdayDir + name, sp.bytes());
    }
    void oeffnen(const QString& pfad) {
        umgebung.antworteOeffnen(pfad);
        QTest::mouseClick(spieltag<QToolButton>(namen::BOpen), Qt::LeftButton);
    }
    QStringList boxen() const {
        QStringList t;
        for (int i = 1; i <= 7; ++i)
            t.append(
                auswertung<QWidget>(qPrintable(QString::fromLatin1(namen::frAnzeige) + QString::number(i)))
                    ->findChild<QLineEdit*>(QString::fromLatin1(namen::ETZ))
                    ->text());
        return t;
    }
    void speichern() { QTest::mouseClick(spieltag<QToolButton>(namen::ErgebnisseSpeichern), Qt::LeftButton); }
    // Two rows read from a slip into the grid.
    void scheinEinlesen() {
        umgebung.antworteOeffnen(
            dateiSchreiben(ordner.SlipDir + "schein.txt", "3,8,15,22,30,41\r\n1,2,3,4,5,6\r\n"));
        QTest::mouseClick(auswertung<QToolButton>(namen::SpielscheinEinlesen), Qt::LeftButton);
    }
    void rueckgaengig() {
        auto* gitter = auswertung<QWidget>(namen::G1);
        gitter->setFocus();
        QTest::keyClick(gitter, Qt::Key_Z, Qt::ControlModifier);
    }
};

} // namespace

class TstSpieltagBereich : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    void einlesen() {
        Fenster f;
        const QString pfad = f.datei(spieltag({{2, 2, 1}, {3, 0, 0}, {4, 10, 0}, {5, 2, 10}}));
        f.oeffnen(pfad);
        const ui::DialogAuftrag& d = f.umgebung.oeffnenAuftraege.at(0);
        QCOMPARE(d.titel, QStringLiteral("Spieltag öffnen"));
        QCOMPARE(d.filter, QStringLiteral("Spieltag-Datei|*.sp45"));
        QCOMPARE(d.standardEndung, QStringLiteral("sp45"));
        QCOMPARE(d.startOrdner, f.ordner.MatchdayDir);
        QCOMPARE(f.text(namen::LTag), QStringLiteral("25.01.2024"));
        QCOMPARE(f.paarungstext(1, namen::PPaar), QStringLiteral("Heim 1 - Gast 1"));
        QCOMPARE(f.paarungstext(45, namen::PPaar), QStringLiteral("Heim 45 - Gast 45"));
        QCOMPARE(f.paarungstext(1, namen::PStart), QStringLiteral("Sa.: 15:30"));
        QCOMPARE(f.paarungstext(2, namen::PStart), QString());
        QCOMPARE(f.paarungstext(4, namen::PTendenz), QStringLiteral("1"));
        QCOMPARE(f.erg(2)->text(), QStringLiteral("2 : 1"));
        QCOMPARE(f.erg(3)->text(), QStringLiteral("0 : 0"));
        QCOMPARE(f.erg(4)->text(), QString());
        QCOMPARE(f.erg(5)->text(), QString());
        QCOMPARE(f.erg(1)->text(), QString());
        QVERIFY(!f.erg(2)->property("ohneErgebnis").toBool());
        QVERIFY(f.erg(4)->property("ohneErgebnis").toBool());
        QVERIFY(f.erg(1)->styleSheet().contains(QStringLiteral("#ffdfbf")));
        QCOMPARE(f.s()->SpieltagDatei(), pfad);
        QCOMPARE(
            f.optionen().leseText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spieltag"), QString()),
            pfad);
        // every pairing without result counts as 0:0 (10:0 and 2:10 are no draws): 1, 3, 6, 7, 8, 9, ZS 10
        QCOMPARE(f.boxen(), (QStringList{"1", "3", "6", "7", "8", "9", "10"}));
        QVERIFY(f.umgebung.meldungen.empty());

        // read again at the next start
        f.starten();
        QCOMPARE(f.text(namen::LTag), QStringLiteral("25.01.2024"));
        QCOMPARE(f.erg(2)->text(), QStringLiteral("2 : 1"));
    }

    // Texts from the files, the teams and a slip's name, show as they are, never as markup.
    void auszeichnungBleibtText() {
        Fenster f;
        core::TSpieltag sp = spieltag();
        sp.Paarung[1].Heim.setzen(QStringLiteral("<font size=7>H</font>"));
        sp.Tendenz[1].setzen(QStringLiteral("<b>1</b>"));
        f.oeffnen(f.datei(sp));
        const QString schein =
            dateiSchreiben(f.ordner.SlipDir + QStringLiteral("<u>s.txt"), "1,2,3,4,5,6\r\n");
        f.fenster->SpielscheinEinlesen(schein);
        const QList<QLabel*> felder = {f.paarung(1)->findChild<QLabel*>(QString::fromLatin1(namen::PPaar)),
                                       f.paarung(1)->findChild<QLabel*>(QString::fromLatin1(namen::PTendenz)),
                                       f.auswertung<QLabel>(namen::LDatei)};
        QCOMPARE(felder[0]->text(), QStringLiteral("<font size=7>H</font> - Gast 1"));
        QCOMPARE(felder[2]->text(), QStringLiteral("<u>s.txt"));
        for (const QLabel* l : felder)
            QCOMPARE(l->textFormat(), Qt::PlainText);
    }

    void zweiDatensaetzeZeigenDenLetzten() {
        Fenster f;
        core::TSpieltag erster = spieltag();
        core::TSpieltag zweiter = spieltag();
        zweiter.Paarung[1].Heim.setzen(QStringLiteral("Zweiter"));
        f.oeffnen(dateiSchreiben(f.ordner.MatchdayDir + QStringLiteral("zwei.sp45"),
                                 erster.bytes() + zweiter.bytes() + QByteArray(100, 'x')));
        QCOMPARE(f.paarungstext(1, namen::PPaar), QStringLiteral("Zweiter - Gast 1"));
    }

    void kurzeDateiAendertNichts() {
        Fenster f;
        const QString gut = f.datei(spieltag({{9, 3, 3}}));
        f.oeffnen(gut);
        const QString kurz =
            dateiSchreiben(f.ordner.MatchdayDir + QStringLiteral("kurz.sp45"), QByteArray(3791, '\0'));
        f.oeffnen(kurz);
        const std::vector<FakeUmgebung::Meldung> gezeigt = f.umgebung.nimmMeldungen();
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QCOMPARE(gezeigt[0].art, FakeUmgebung::Art::Fehler);
        QVERIFY(gezeigt[0].text.contains(QStringLiteral("kurz.sp45")));
        QCOMPARE(f.s()->SpieltagDatei(), gut);
        QCOMPARE(f.erg(9)->text(), QStringLiteral("3 : 3"));
        QCOMPARE(f.boxen().at(0), QStringLiteral("9"));
        QCOMPARE(
            f.optionen().leseText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spieltag"), QString()),
            gut);
    }

    void datierteQuoten_data() {
        QTest::addColumn<bool>("datei");
        QTest::addColumn<bool>("sofortQ");
        QTest::addColumn<QString>("quote1");
        QTest::newRow("vorhanden") << true << true << "1.000,00";
        QTest::newRow("fehlt") << false << true << "alt";
        QTest::newRow("abgeschaltet") << true << false << "alt";
    }
    void datierteQuoten() {
        QFETCH(bool, datei);
        QFETCH(bool, sofortQ);
        QFETCH(QString, quote1);
        Fenster f;
        if (datei)
            dateiSchreiben(f.ordner.MatchdayDir + QStringLiteral("25.01.2024.quo"),
                           "1.000,00\r\n500,00\r\n\r\n40,00\r\n\r\n5,00\r\n");
        f.auswertung<QLineEdit>("eQ1")->setText(QStringLiteral("alt"));
        f.spieltag<QCheckBox>(namen::cbSofortQ)->setChecked(sofortQ);
        f.oeffnen(f.datei(spieltag()));
        QCOMPARE(f.auswertung<QLineEdit>("eQ1")->text(), quote1);
        QCOMPARE(f.auswertung<QLabel>(namen::LDatei3)->text(),
                 quote1 == u"alt" ? QString() : QStringLiteral("25.01.2024.quo"));
    }

    void ergebnisseSpeichern() {
        Fenster f;
        const core::TSpieltag alt = spieltag();
        const QString pfad = f.datei(alt);
        f.oeffnen(pfad);
        // draws 3:3 in 20, 2:2 in 5 and 30, 1:1 in 2, 9 and 44, 0:0 in 12, all others won by two goals
        for (int i = 1; i <= 45; ++i)
            f.erg(i)->setText(QStringLiteral("3:1"));
        const QList<std::pair<int, QString>> remis = {{20, "3:3"}, {5, "2:2"},  {30, "2 : 2"}, {2, "1:1"},
                                                      {9, "1:1"},  {44, "1:1"}, {12, "0:0"}};
        for (const auto& [nr, text] : remis)
            f.erg(nr)->setText(text);
        f.speichern();
        QVERIFY(f.umgebung.meldungen.empty());
        QCOMPARE(f.boxen(), (QStringList{"20", "5", "30", "2", "9", "44", "12"}));
        // the file holds one record, changed only in its result bytes
        const QByteArray neu = dateiLesen(pfad);
        QCOMPARE(neu.size(), 3792);
        QByteArray erwartet = alt.bytes();
        for (int i = 1; i <= 45; ++i) {
            erwartet[3653 + 2 * (i - 1)] = 3;
            erwartet[3654 + 2 * (i - 1)] = 1;
        }
        for (const auto& [nr, goals] :
             QList<std::pair<int, int>>{{20, 3}, {5, 2}, {30, 2}, {2, 1}, {9, 1}, {44, 1}, {12, 0}}) {
            erwartet[3653 + 2 * (nr - 1)] = char(goals);
            erwartet[3654 + 2 * (nr - 1)] = char(goals);
        }
        QCOMPARE(neu, erwartet);
        QCOMPARE(f.erg(30)->text(), QStringLiteral("2 : 2")); // the texts stay as typed
    }

    void leereBoxenUndHalbeErgebnisse() {
        Fenster f;
        const QString pfad = f.datei(spieltag());
        f.oeffnen(pfad);
        for (int i = 1; i <= 45; ++i)
            f.erg(i)->setText(QStringLiteral("4:0"));
        f.erg(7)->clear();        // no result: 10 : 10, counts as 0 : 0
        f.erg(8)->setText("2:");  // 2 : 10, plays no part
        f.erg(9)->setText("9:");  // 9 : 10, narrow with 19 goals
        f.erg(10)->setText(":2"); // 10 : 2
        f.erg(11)->setText("17"); // no colon
        f.speichern();
        QCOMPARE(f.boxen(), (QStringList{"7", "11", "9", "", "", "", ""}));
        QVERIFY(f.erg(11)->property("ohneErgebnis").toBool());
        QVERIFY(f.erg(7)->property("ohneErgebnis").toBool());
        QVERIFY(!f.erg(8)->property("ohneErgebnis").toBool());
        const QByteArray neu = dateiLesen(pfad);
        QCOMPARE(int(neu[3653 + 2 * 7]), 2);
        QCOMPARE(int(neu[3654 + 2 * 7]), 10);
        QCOMPARE(int(neu[3653 + 2 * 9]), 10);
        QCOMPARE(int(neu[3654 + 2 * 9]), 2);
        // read again, every result with a 10 shows as none
        f.fenster->SpieltagEinlesen(pfad);
        QCOMPARE(f.erg(8)->text(), QString());
        QCOMPARE(f.erg(6)->text(), QStringLiteral("4 : 0"));
    }

    void falscheEingabeSchreibtNichts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Komma") << "2,1:0"
                               << "''2,1'' ist kein gültiger Integer-Wert";
        QTest::newRow("zwei Doppelpunkte") << "1:2:3"
                                           << "''2:3'' ist kein gültiger Integer-Wert";
        QTest::newRow("zu viele Tore") << "300:1"
                                       << "";
    }
    void falscheEingabeSchreibtNichts() {
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        Fenster f;
        const QString pfad = f.datei(spieltag({{1, 1, 1}}));
        f.oeffnen(pfad);
        const QByteArray vorher = dateiLesen(pfad);
        const QStringList boxenVorher = f.boxen();
        f.erg(3)->setText(QStringLiteral("5:5"));
        f.erg(6)->setText(text);
        f.speichern();
        const std::vector<FakeUmgebung::Meldung> gezeigt = f.umgebung.nimmMeldungen();
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QCOMPARE(gezeigt[0].art, FakeUmgebung::Art::Fehler);
        if (!meldung.isEmpty())
            QCOMPARE(gezeigt[0].text, meldung);
        else
            QVERIFY(gezeigt[0].text.contains(QStringLiteral("300")));
        QCOMPARE(dateiLesen(pfad), vorher);
        QCOMPARE(f.boxen(), boxenVorher);
        QVERIFY(f.s()->Spieltag().Ergebnis[3] == (core::TErgebnis{10, 10})); // nothing changed in memory
    }

    // Ctrl+Z undoes the last step of the window, a results store as well as a step of the grid.
    void speichernRueckgaengig_data() {
        QTest::addColumn<QString>("folge"); // S: results stored, L: "Reihen löschen"
        QTest::addColumn<bool>("dateiWieVorher");
        QTest::addColumn<QString>("reihen");
        QTest::newRow("Speichern") << "S" << true << "2";
        QTest::newRow("Speichern, dann Reihen löschen") << "SL" << false << "2";
        QTest::newRow("Reihen löschen, dann Speichern") << "LS" << true << "0";
    }
    void speichernRueckgaengig() {
        QFETCH(QString, folge);
        QFETCH(bool, dateiWieVorher);
        QFETCH(QString, reihen);
        Fenster f;
        const core::TSpieltag alt = spieltag({{1, 1, 1}});
        const QString pfad = f.datei(alt);
        f.oeffnen(pfad);
        f.scheinEinlesen();
        const QStringList boxenVorher = f.boxen();
        for (const QChar schritt : folge) {
            if (schritt == u'S') {
                f.erg(1)->setText(QStringLiteral("0:2"));
                f.erg(3)->setText(QStringLiteral("2:2"));
                f.speichern();
            } else {
                QTest::mouseClick(f.auswertung<QToolButton>(namen::BGridDel), Qt::LeftButton);
            }
        }
        const QByteArray gespeichert = dateiLesen(pfad);
        QCOMPARE(int(gespeichert[3653 + 2 * 2]), 2);
        f.rueckgaengig();
        for (int schritt = 0; schritt < 2; ++schritt) { // one step: a second Ctrl+Z changes nothing
            QVERIFY(f.umgebung.meldungen.empty());
            QCOMPARE(f.auswertung<QLabel>(namen::LReihen)->text(), reihen);
            if (dateiWieVorher) {
                QCOMPARE(dateiLesen(pfad), alt.bytes());
                QCOMPARE(f.erg(1)->text(), QStringLiteral("1 : 1"));
                QCOMPARE(f.erg(3)->text(), QString());
                QCOMPARE(f.boxen(), boxenVorher);
                QVERIFY(f.s()->Spieltag().Ergebnis[3] == (core::TErgebnis{10, 10}));
            } else {
                QCOMPARE(dateiLesen(pfad), gespeichert);
                QCOMPARE(f.erg(3)->text(), QStringLiteral("2:2"));
            }
            f.rueckgaengig();
        }
    }

    // A write-back that fails says why, leaves the stored file and can be tried again.
    void rueckgaengigSchreibenScheitert() {
        Fenster f;
        const core::TSpieltag alt = spieltag({{1, 1, 1}});
        const QString pfad = f.datei(alt);
        f.oeffnen(pfad);
        f.erg(3)->setText(QStringLiteral("2:2"));
        f.speichern();
        const QByteArray gespeichert = dateiLesen(pfad);
        testhilfe::mitDateigrenze(20, [&] { f.rueckgaengig(); });
        const std::vector<FakeUmgebung::Meldung> gezeigt = f.umgebung.nimmMeldungen();
        QCOMPARE(int(gezeigt.size()), 1);
        QCOMPARE(gezeigt[0].art, FakeUmgebung::Art::Fehler);
        QCOMPARE(gezeigt[0].text, QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\n\n"
                                                 "Die Datei ist zu groß.")
                                      .arg(QDir::toNativeSeparators(pfad)));
        QCOMPARE(dateiLesen(pfad), gespeichert);
        QCOMPARE(f.erg(3)->text(), QStringLiteral("2:2"));
        f.rueckgaengig();
        QCOMPARE(dateiLesen(pfad), alt.bytes());
        QCOMPARE(f.erg(3)->text(), QString());
    }

    void ohneSpieltagGeschiehtNichts() {
        Fenster f;
        f.erg(1)->setText(QStringLiteral("1:1"));
        f.speichern();
        QVERIFY(f.umgebung.meldungen.empty());
        QVERIFY(QDir(f.ordner.MatchdayDir).entryList(QDir::Files).isEmpty());
        QCOMPARE(f.boxen(), QStringList(7, QString()));
    }

    void tasten() {
        Fenster f;
        f.erg(3)->setFocus();
        QTest::keyClicks(f.erg(3), "2a:-1 ,x");
        QCOMPARE(f.erg(3)->text(), QStringLiteral("2:1,"));
    }

    void enterGehtZurNaechstenPaarung_data() {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("nach");
        QTest::addColumn<int>("reiter");
        QTest::newRow("1") << 1 << 2 << 0;
        QTest::newRow("15") << 15 << 16 << 1;
        QTest::newRow("30") << 30 << 31 << 2;
        QTest::newRow("44") << 44 << 45 << 2;
        QTest::newRow("45") << 45 << 45 << 2;
    }
    void enterGehtZurNaechstenPaarung() {
        QFETCH(int, von);
        QFETCH(int, nach);
        QFETCH(int, reiter);
        Fenster f;
        f.spieltag<QTabWidget>(namen::PC1)->setCurrentIndex((von - 1) / 15);
        f.erg(von)->setFocus();
        QTest::keyClick(f.erg(von), Qt::Key_Return);
        QCOMPARE(f.spieltag<QTabWidget>(namen::PC1)->currentIndex(), reiter);
        QVERIFY(f.erg(nach)->hasFocus());
    }

    void ableitungSetztDieOrdnungZurueck() {
        Fenster f;
        f.oeffnen(f.datei(spieltag({{40, 1, 1}})));
        QCOMPARE(f.boxen().at(0), QStringLiteral("40"));
        QTest::mouseClick(f.auswertung<QToolButton>(namen::BSortier2), Qt::LeftButton);
        QVERIFY(f.fenster->findChild<ui::GewinnreiheLeiste*>()->GewinnreiheSortiert());
        QCOMPARE(f.boxen().at(0), QStringLiteral("1"));
        f.speichern();
        QVERIFY(!f.fenster->findChild<ui::GewinnreiheLeiste*>()->GewinnreiheSortiert());
        QCOMPARE(f.boxen().at(0), QStringLiteral("40"));
        // the derivation starts no evaluation
        QCOMPARE(f.auswertung<ui::ZeilenGitter>(namen::G2)->modell()->tabelle().text(1, 1), QString());
    }
};

REMISATOR_TEST_MAIN(TstSpieltagBereich)
#include "tst_spieltagbereich.moc"
