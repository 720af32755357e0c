#include "core/grund/Konstanten.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/bausteine/Skin.h"
#include "ui/gitter/G1Zellen.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/hauptfenster/AuswertungsBereich.h"
#include "ui/hauptfenster/GewinnreiheLeiste.h"
#include "ui/hauptfenster/QuotenPanel.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <map>

using testhilfe::dateiLesen;
using testhilfe::dateiSchreiben;
using testhilfe::FakeUmgebung;
using testhilfe::Hauptfensterhilfe;
using testhilfe::spalte;
namespace namen = ui::namen;

namespace {

// Counts the cells a view asks to paint.
class ZaehlendeZellen : public ui::WeisseZellen {
public:
    using WeisseZellen::WeisseZellen;
    mutable int gemalt = 0;
    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        ++gemalt;
        WeisseZellen::paint(maler, option, index);
    }
};

// The main window shown, with the controls of the evaluation column found by their names.
struct Fenster : Hauptfensterhilfe {
    Fenster() {
        starten();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    ui::AuswertungsBereich* a() const { return finde<ui::AuswertungsBereich>(namen::PFoto); }
    template <typename T> T* im(const char* name) const { return finde<T>(namen::PFoto, name); }
    template <typename T> T* im(const char* name, int nr) const {
        return im<T>(qPrintable(QString::fromLatin1(name) + QString::number(nr)));
    }
    QToolButton* knopf(const char* name) const { return im<QToolButton>(name); }
    QString text(const char* name) const { return im<QLabel>(name)->text(); }
    QCheckBox* sofort() const { return im<QCheckBox>(namen::cbSofort); }
    const ui::GewinnreiheLeiste& leiste() const { return *a()->findChild<ui::GewinnreiheLeiste*>(); }
    ui::ZeilenGitter* G1() const { return im<ui::ZeilenGitter>(namen::G1); }
    const core::Zeilentabelle& g1() const { return G1()->modell()->tabelle(); }
    const core::Zeilentabelle& g2() const { return im<ui::ZeilenGitter>(namen::G2)->modell()->tabelle(); }
    QLineEdit* box(int i) const {
        return im<QWidget>(namen::frAnzeige, i)->findChild<QLineEdit*>(QString::fromLatin1(namen::ETZ));
    }
    QLineEdit* quote(int i) const { return im<QLineEdit>(namen::eQ, i); }
    QString schein(const QByteArray& inhalt, const QString& name = QStringLiteral("schein.txt")) const {
        return dateiSchreiben(ordner.SlipDir + name, inhalt);
    }
    void einlesen(const QString& pfad) {
        umgebung.antworteOeffnen(pfad);
        QTest::mouseClick(knopf(namen::SpielscheinEinlesen), Qt::LeftButton);
    }
    // Types the numbers into the boxes 1.. and leaves the last one with Tab.
    void gewinnreiheTippen(const QStringList& zahlen, const QString& zs = QString()) {
        for (int i = 0; i < zahlen.size(); ++i) {
            box(i + 1)->setFocus();
            QTest::keyClicks(box(i + 1), zahlen[i]);
        }
        box(7)->setFocus();
        if (!zs.isEmpty())
            QTest::keyClicks(box(7), zs);
        knopf(namen::BAuswerten)->setFocus();
    }
    void quoten(const QStringList& texte) {
        for (int i = 0; i < texte.size(); ++i)
            quote(i + 1)->setText(texte[i]);
    }
    void pruefen() { QTest::mouseClick(knopf(namen::BAuswerten), Qt::LeftButton); }
};

} // namespace

class TstAuswertungsBereich : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    void spielscheinEinlesen() {
        Fenster f;
        const QString pfad =
            f.schein("1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n13,14,15,16,17,18\r\n", "Schein1.txt");
        f.einlesen(pfad);
        QCOMPARE(f.umgebung.oeffnenAuftraege.size(), std::size_t(1));
        const ui::DialogAuftrag& d = f.umgebung.oeffnenAuftraege[0];
        QCOMPARE(d.titel, QStringLiteral("Spielscheindatei einlesen"));
        QCOMPARE(d.filter, QStringLiteral("Spielschein|*.txt"));
        QCOMPARE(d.standardEndung, QStringLiteral("txt"));
        QCOMPARE(d.startOrdner, f.ordner.SlipDir);
        QCOMPARE(f.g1().zeilen(), 4);
        QCOMPARE(f.G1()->model()->rowCount(), 3);
        QCOMPARE(spalte(f.g1(), 1), (QStringList{"1", "7", "13"}));
        QCOMPARE(spalte(f.g1(), 6), (QStringList{"6", "12", "18"}));
        QStringList labels = spalte(f.g1(), 0);
        for (QString& l : labels)
            l = l.trimmed();
        QCOMPARE(labels, (QStringList{"1", "2", "3"}));
        QVERIFY(f.g1().text(1, 0).startsWith(u' '));                    // padded to show right-aligned
        QCOMPARE(f.g1().text(0, 0).trimmed(), QStringLiteral("Reihe")); // the header stays
        QCOMPARE(f.text(namen::LReihen), QStringLiteral("3"));
        QCOMPARE(f.text(namen::LDatei), QStringLiteral("Schein1.txt"));
        QCOMPARE(f.optionen().leseText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spielschein"),
                                       QString()),
                 pfad);
        QVERIFY(spalte(f.g1(), 7) == (QStringList{"", "", ""}));
        QVERIFY(f.umgebung.meldungen.empty());
        QAbstractItemModelTester pruefer(f.G1()->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);

        // read again at the next start, without a rank
        f.starten();
        QCOMPARE(f.g1().zeilen(), 4);
        QCOMPARE(f.text(namen::LDatei), QStringLiteral("Schein1.txt"));
    }

    // The row column is as wide as the largest row number needs, and the grid keeps its width:
    // the number columns give what it takes.
    void reihenspalteWaechstMit_data() {
        QTest::addColumn<int>("zeilen");
        QTest::newRow("99.999 Reihen") << 99999;
        QTest::newRow("100.000 Reihen") << 100000;
        QTest::newRow("1.000.000 Reihen") << 1000000;
    }
    void reihenspalteWaechstMit() {
        QFETCH(int, zeilen);
        Fenster f;
        f.einlesen(f.schein(QByteArray("1,2,3,4,5,45\r\n").repeated(zeilen)));
        const ui::ZeilenGitter* g = f.G1();
        const QFontMetrics m(g->font());
        const int nummer = g->columnWidth(0);
        QCOMPARE(nummer, zeilen < 100000 ? 37 : 2 + m.horizontalAdvance(QString::number(zeilen)));
        int breite = 0;
        for (int c = 0; c <= 7; ++c)
            breite += g->columnWidth(c);
        QCOMPARE(breite, 37 + 6 * 20 + 50);
        for (int c = 1; c <= 6; ++c)
            QVERIFY(g->columnWidth(c) >= m.horizontalAdvance(QStringLiteral("45")) + 2);
        QVERIFY(g->columnWidth(7) >= m.horizontalAdvance(QStringLiteral("5 + ZS")) + 4);
    }

    void abgebrochenerDialogAendertNichts() {
        Fenster f;
        f.umgebung.antworteOeffnen(std::nullopt);
        QTest::mouseClick(f.knopf(namen::SpielscheinEinlesen), Qt::LeftButton);
        QCOMPARE(f.g1().zeilen(), 30);
        QVERIFY(!QFile::exists(f.ordner.optionenDatei()));
    }

    void unlesbarerScheinLaesstDasGitter() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,6\r\n"));
        f.einlesen(f.ordner.SlipDir); // a folder cannot be read as a slip
        const std::vector<FakeUmgebung::Meldung> gezeigt = f.umgebung.nimmMeldungen();
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QCOMPARE(gezeigt[0].art, FakeUmgebung::Art::Fehler);
        QCOMPARE(f.g1().zeilen(), 2);
        QCOMPARE(f.g1().text(1, 1), QStringLiteral("1"));
    }

    void speichernUndWiederEinlesen() {
        Fenster f;
        const QByteArray inhalt("3,11,17,24,38,45\r\n1,2,3,4,5,6\r\n\"a b\",7,8,9,10,11\r\n");
        f.einlesen(f.schein(inhalt));
        const QString ziel = f.ordner.SlipDir + QStringLiteral("kopie.txt");
        f.umgebung.antworteSpeichern(ziel);
        QTest::mouseClick(f.knopf(namen::BSave), Qt::LeftButton);
        const ui::DialogAuftrag& d = f.umgebung.speichernAuftraege.at(0);
        QCOMPARE(d.titel, QStringLiteral("Spielschein speichern"));
        QCOMPARE(d.filter, QStringLiteral("Spielschein-Datei|*.txt"));
        QCOMPARE(d.standardEndung, QStringLiteral("txt"));
        QCOMPARE(d.startOrdner, f.ordner.SlipDir);
        QVERIFY(d.ueberschreibenFragen);
        QCOMPARE(dateiLesen(ziel), inhalt);
        QCOMPARE(f.text(namen::LDatei), QStringLiteral("kopie.txt"));
        QCOMPARE(f.text(namen::LReihen), QStringLiteral("3"));
    }

    // The column shows the name of its slip and tells when a snapshot is asked for.
    void signaleDerSpalte() {
        Fenster f;
        QSignalSpy abbild(f.a(), &ui::AuswertungsBereich::abbildVerlangt);
        QStringList gezeigt;
        f.einlesen(f.schein("1,2,3,4,5,6\r\n"));
        gezeigt.append(f.a()->Spielscheinname());
        f.umgebung.antworteSpeichern(f.ordner.SlipDir + QStringLiteral("kopie.txt"));
        QTest::mouseClick(f.knopf(namen::BSave), Qt::LeftButton);
        QCOMPARE(f.a()->Spielscheinname(), QStringLiteral("kopie.txt"));
        gezeigt.append(f.a()->Spielscheinname());
        QTest::mouseClick(f.knopf(namen::BGridDel), Qt::LeftButton);
        gezeigt.append(f.a()->Spielscheinname());
        QCOMPARE(gezeigt, (QStringList{"schein.txt", "kopie.txt", ""}));
        QCOMPARE(abbild.count(), 0);
        QTest::mouseClick(f.knopf(namen::Abbild), Qt::LeftButton);
        QCOMPARE(abbild.count(), 1);
    }

    void nichtsZuSpeichern() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,6\r\n"));
        QTest::mouseClick(f.knopf(namen::BGridDel), Qt::LeftButton);
        QCOMPARE(f.g1().zeilen(), 2);
        QVERIFY(f.g1().istLeer(1, 0));
        QVERIFY(f.g1().istLeer(1, 1));
        QCOMPARE(f.text(namen::LReihen), QStringLiteral("0"));
        QCOMPARE(f.text(namen::LDatei), QString());
        QTest::mouseClick(f.knopf(namen::BSave), Qt::LeftButton);
        QVERIFY(f.umgebung.nurMeldung(
            FakeUmgebung::Art::Fehler,
            QStringLiteral("Es gibt nichts zu speichern.\n\nIch breche erst einmal ab.")));
        QVERIFY(f.umgebung.speichernAuftraege.empty());
    }

    void fehlgeschlagenesSpeichernLaesstDieAlteDatei() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,6\r\n"));
        const QString ziel = f.ordner.SlipDir + QStringLiteral("fehlt/neu.txt");
        f.umgebung.antworteSpeichern(ziel);
        QTest::mouseClick(f.knopf(namen::BSave), Qt::LeftButton);
        const std::vector<FakeUmgebung::Meldung> gezeigt = f.umgebung.nimmMeldungen();
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QVERIFY(gezeigt[0].text.contains(QStringLiteral("neu.txt")));
        QCOMPARE(f.text(namen::LDatei), QStringLiteral("schein.txt")); // a failed save changes no label
    }

    void bewertungDurchDieBoxen() {
        Fenster f;
        f.einlesen(f.schein("3,8,15,22,30,41\r\n3,8,15,22,30,12\r\n3,8,15,22,30,13\r\n3,8,15,22,12,13\r\n"
                            "3,8,15,12,13,14\r\n3,8,15,13,14,16\r\n3,8,13,14,16,17\r\n1,2,4,5,6,7\r\n"
                            "3,3,3,3,3,3\r\n"));
        f.sofort()->setChecked(false);
        f.gewinnreiheTippen({"3", "8", "15", "22", "30", "41"}, "12");
        QVERIFY(spalte(f.g1(), 7) == QStringList(9, QString())); // nothing evaluated yet
        f.pruefen();
        QCOMPARE(spalte(f.g1(), 7),
                 (QStringList{"6 Ri.", "5 + ZS", "5 Ri.", "4 Ri.", "3 + ZS", "3 Ri.", "2", "0", "1"}));
        QCOMPARE(spalte(f.g1(), 8), (QStringList{"1", "2", "3", "4", "5", "6", "12", "10", "11"}));
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(f.g2().text(i, 1), QStringLiteral("1"));
            QCOMPARE(f.g2().text(i, 2), QString()); // no odds, no amounts
        }
        QCOMPARE(f.text(namen::LGesGewinn), QStringLiteral("0,00"));
        QVERIFY(f.umgebung.meldungen.empty());
    }

    void betraege() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,40,41\r\n1,2,3,40,41,42\r\n1,2,3,43,44,45\r\n"));
        f.sofort()->setChecked(false);
        f.gewinnreiheTippen({"1", "2", "3", "4", "5", "6"});
        f.quoten({"", "", "", "1.234,50", "", "12,10"});
        f.pruefen();
        QCOMPARE(spalte(f.g1(), 7), (QStringList{"4 Ri.", "3 Ri.", "3 Ri."}));
        QCOMPARE(f.g2().text(4, 1), QStringLiteral("1"));
        QCOMPARE(f.g2().text(4, 2), QStringLiteral("1.234,50"));
        QCOMPARE(f.g2().text(6, 1), QStringLiteral("2"));
        QCOMPARE(f.g2().text(6, 2), QStringLiteral("24,20"));
        QCOMPARE(f.g2().text(1, 1), QStringLiteral("0"));
        QCOMPARE(f.g2().text(1, 2), QString());
        QCOMPARE(f.text(namen::LGesGewinn), QStringLiteral("1.258,70"));
    }

    void zsWirdAlsTextVerglichen() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,012\r\n1,2,3,4,5,12\r\n"));
        f.sofort()->setChecked(false);
        f.gewinnreiheTippen({"1", "2", "3", "4", "5", "40"}, "12");
        f.pruefen();
        QCOMPARE(spalte(f.g1(), 7), (QStringList{"5 Ri.", "5 + ZS"}));
    }

    void kommaFehlerZeigtDieErstenRaenge() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,6\r\n1,2,3,4,40,41\r\n"));
        f.sofort()->setChecked(false);
        f.gewinnreiheTippen({"1", "2", "3", "4", "5", "6"});
        f.quoten({"100,00", "", "", "1,2,3"});
        f.pruefen();
        QVERIFY(f.umgebung.nurMeldung(FakeUmgebung::Art::Fehler,
                                      QStringLiteral("'1,2,3' ist kein gültiger Gleitkommawert")));
        QCOMPARE(f.g2().text(1, 2), QStringLiteral("100,00"));
        QCOMPARE(f.text(namen::LGesGewinn), QStringLiteral("100,00"));
    }

    void keineGanzzahlHaeltAn() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,6\r\nabc,2,3,4,5,6\r\n1,2,3,4,5,6\r\n"));
        f.sofort()->setChecked(false);
        f.gewinnreiheTippen({"1", "2", "3", "4", "5", "6"});
        f.pruefen();
        QVERIFY(f.umgebung.nurMeldung(FakeUmgebung::Art::Fehler,
                                      QStringLiteral("''abc'' ist kein gültiger Integer-Wert")));
        QCOMPARE(spalte(f.g1(), 7), (QStringList{"6 Ri.", "", ""})); // the row above keeps its result
        QCOMPARE(f.g2().text(1, 1), QString());
    }

    void ohneGewinnreiheGeschiehtNichts() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,6\r\n"));
        f.pruefen();
        QCOMPARE(f.g1().text(1, 7), QString());
        QCOMPARE(f.text(namen::LGesGewinn), QString());
        QCOMPARE(f.g2().text(1, 1), QString());
    }

    void sofortAuswerten_data() {
        QTest::addColumn<bool>("sofort");
        QTest::newRow("angehakt") << true;
        QTest::newRow("nicht angehakt") << false;
    }
    void sofortAuswerten() {
        QFETCH(bool, sofort);
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,6\r\n"));
        f.sofort()->setChecked(sofort);
        f.box(1)->setFocus();
        QTest::keyClicks(f.box(1), "1");
        QTest::keyClick(f.box(1), Qt::Key_Return); // leaves box 1 for box 2
        QVERIFY(f.box(2)->hasFocus());
        QCOMPARE(f.g1().text(1, 7), sofort ? QStringLiteral("1") : QString());
    }

    void sofortOhneReihen() {
        Fenster f;
        f.box(1)->setFocus();
        QTest::keyClicks(f.box(1), "7");
        f.box(2)->setFocus();
        QVERIFY(f.leiste().Gewinnreihe().Menge.enthaelt(7));
        QVERIFY(f.umgebung.meldungen.empty());
    }

    void tastenDerBoxen() {
        Fenster f;
        f.sofort()->setChecked(false);
        f.box(6)->setFocus();
        QTest::keyClicks(f.box(6), "a1 -b2x");
        QCOMPARE(f.box(6)->text(), QStringLiteral("12"));
        QTest::keyClick(f.box(6), Qt::Key_Return);
        QVERIFY(f.box(7)->hasFocus());
        QTest::keyClick(f.box(7), Qt::Key_Return);
        QVERIFY(f.box(7)->hasFocus());
        QTest::keyClick(f.box(6), Qt::Key_Backspace);
        // pasted text that is not a number is refused
        f.box(1)->setFocus();
        f.box(1)->insert(QStringLiteral("x5"));
        QCOMPARE(f.box(1)->text(), QString());
    }

    // A command that uses the winning row takes the box being typed into as leaving it would: the
    // buttons take no focus, so the box is not left before the command runs. The evaluation at
    // once follows while it is ticked, and runs once only.
    void befehlNimmtDieOffeneBox_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<bool>("sofort");
        QTest::addColumn<QString>("rang"); // of the row 3 8 15 22 30 41 afterwards
        QTest::addColumn<int>("auswertungen");
        QTest::newRow("Gewinn- Prüfung") << namen::BAuswerten << true << "6 Ri." << 1;
        QTest::newRow("Gewinn- Prüfung, nicht sofort") << namen::BAuswerten << false << "6 Ri." << 1;
        for (const char* befehl : {namen::BSortier2, namen::BSortier, namen::SortNachNummer, namen::Abbild}) {
            QTest::addRow("%s", befehl) << befehl << true << "6 Ri." << 1;
            QTest::addRow("%s, nicht sofort", befehl) << befehl << false << "" << 0;
        }
    }
    void befehlNimmtDieOffeneBox() {
        QFETCH(QString, befehl);
        QFETCH(bool, sofort);
        QFETCH(QString, rang);
        QFETCH(int, auswertungen);
        Fenster f;
        f.einlesen(f.schein("3,8,15,22,30,41\r\n1,2,4,5,6,7\r\n"));
        f.sofort()->setChecked(sofort);
        const QStringList zahlen = {"3", "8", "15", "22", "30", "41"};
        for (int i = 0; i < 6; ++i) {
            f.box(i + 1)->setFocus(); // a click into the box
            QTest::keyClicks(f.box(i + 1), zahlen[i]);
        }
        QSignalSpy ausgewertet(f.im<ui::ZeilenGitter>(namen::G2)->model(), &QAbstractItemModel::dataChanged);
        QSignalSpy abbild(f.a(), &ui::AuswertungsBereich::abbildVerlangt);
        QTest::mouseClick(f.knopf(qPrintable(befehl)), Qt::LeftButton);
        QVERIFY(f.box(6)->hasFocus());
        const core::TGewinnreihe& g = f.leiste().Gewinnreihe();
        QCOMPARE(g.Zahlen, (std::array<std::uint8_t, 6>{3, 8, 15, 22, 30, 41}));
        QCOMPARE(f.box(6)->text(), QStringLiteral("41"));
        QCOMPARE(f.g1().text(1, 7), rang);
        QCOMPARE(ausgewertet.count(), auswertungen);
        QCOMPARE(abbild.count(), befehl == QLatin1String(namen::Abbild) ? 1 : 0);
        // Leaving the box now starts nothing more: it counts as left already.
        f.box(1)->setFocus();
        QCOMPARE(ausgewertet.count(), auswertungen);
        QVERIFY(f.umgebung.meldungen.empty());
    }

    // Tab and Shift+Tab move to the next and the previous box and leave the box.
    void tabVerlaesstDieBox() {
        Fenster f;
        f.sofort()->setChecked(false);
        f.box(1)->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), "3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(f.box(2)->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), "9");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(f.box(1)->hasFocus());
        QCOMPARE(f.box(1)->text(), QStringLiteral("3"));
        QCOMPARE(f.box(2)->text(), QStringLiteral("9"));
        QCOMPARE(f.leiste().Gewinnreihe().Zahlen, (std::array<std::uint8_t, 6>{3, 9, 0, 0, 0, 0}));
    }

    // Editing keys are no typed characters: they work in every box whose characters are filtered.
    // "Pos1", "Ende", "Links", "Rechts", "Entf", "Rück" are keys, "^A" .. "^Z" shortcuts.
    void bearbeitungstasten_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<QString>("nachher");
        QTest::addColumn<QString>("ablage"); // the clipboard afterwards
        const struct {
            const char* box;
            const char* vorher;
        } boxen[] = {{"Gewinnzahl", "12"}, {"Quote", "1.234,5"}, {"Ergebnis", "2 : 1"}};
        const char* ende[] = {"1", "1.234,", "2 : "};
        const char* ohneErste[] = {"2", ".234,5", " : 1"};
        const char* ohneZweite[] = {"1", "1234,5", "2: 1"};
        for (int i = 0; i < 3; ++i) {
            const QString b = QString::fromLatin1(boxen[i].box);
            const QString v = QString::fromLatin1(boxen[i].vorher);
            QTest::addRow("%s Pos1 Entf", boxen[i].box) << b << v << "Pos1 Entf" << ohneErste[i] << "";
            QTest::addRow("%s Rechts Entf", boxen[i].box)
                << b << v << "Pos1 Rechts Entf" << ohneZweite[i] << "";
            QTest::addRow("%s Ende Rück", boxen[i].box) << b << v << "Ende Rück" << ende[i] << "";
            QTest::addRow("%s Links Entf", boxen[i].box) << b << v << "Ende Links Entf" << ende[i] << "";
            QTest::addRow("%s alles Entf", boxen[i].box) << b << v << "^A Entf"
                                                         << ""
                                                         << "";
            QTest::addRow("%s ausschneiden", boxen[i].box) << b << v << "^A ^X"
                                                           << "" << v;
            QTest::addRow("%s kopieren", boxen[i].box) << b << v << "^A ^C Ende" << v << v;
            QTest::addRow("%s rückgängig", boxen[i].box) << b << v << "Ende Rück ^Z" << v << "";
        }
    }
    void bearbeitungstasten() {
        QFETCH(QString, box);
        QFETCH(QString, vorher);
        QFETCH(QString, tasten);
        QFETCH(QString, nachher);
        QFETCH(QString, ablage);
        Fenster f;
        f.sofort()->setChecked(false);
        QLineEdit* e =
            box == u"Gewinnzahl" ? f.box(1)
            : box == u"Quote"
                ? f.quote(1)
                : f.finde<QWidget>("frPaars7")->findChild<QLineEdit*>(QString::fromLatin1(namen::eErg));
        QGuiApplication::clipboard()->clear();
        e->setText(vorher);
        e->setFocus();
        // With the texts the desktop's keyboard gives them: Delete U+007F, Backspace U+0008, the moving
        // keys none, Ctrl with a letter its control character.
        const std::map<QString, std::pair<Qt::Key, QString>> namenDerTasten = {
            {"Pos1", {Qt::Key_Home, ""}},       {"Ende", {Qt::Key_End, ""}},
            {"Links", {Qt::Key_Left, ""}},      {"Rechts", {Qt::Key_Right, ""}},
            {"Entf", {Qt::Key_Delete, "\x7f"}}, {"Rück", {Qt::Key_Backspace, "\b"}}};
        for (const QString& t : tasten.split(u' ')) {
            if (t.startsWith(u'^')) {
                const int buchstabe = t[1].unicode() - u'A';
                QTest::sendKeyEvent(QTest::Click, e, Qt::Key(Qt::Key_A + buchstabe),
                                    QString(QChar(buchstabe + 1)), Qt::ControlModifier);
            } else {
                const auto& [taste, text] = namenDerTasten.at(t);
                QTest::sendKeyEvent(QTest::Click, e, taste, text, Qt::NoModifier);
            }
        }
        QCOMPARE(e->text(), nachher);
        QCOMPARE(QGuiApplication::clipboard()->text(), ablage);
    }

    void mengeAusAllenBoxen() {
        Fenster f;
        f.sofort()->setChecked(false);
        f.gewinnreiheTippen({"7", "12", "12"});
        const core::TGewinnreihe& g = f.leiste().Gewinnreihe();
        QCOMPARE(g.Zahlen, (std::array<std::uint8_t, 6>{7, 12, 12, 0, 0, 0}));
        QVERIFY(g.Menge.enthaelt(7) && g.Menge.enthaelt(12));
        QCOMPARE(std::popcount(g.Menge.bits()), 2);
        // 46 and 47 enter the set, 48 never does
        f.box(4)->setText(QStringLiteral("46"));
        f.box(5)->setText(QStringLiteral("47"));
        f.box(6)->setText(QStringLiteral("48"));
        f.box(6)->setFocus();
        f.box(7)->setFocus(); // leaving box 6 rebuilds from all six boxes
        QVERIFY(g.Menge.enthaelt(46) && g.Menge.enthaelt(47) && !g.Menge.enthaelt(48));
        QCOMPARE(g.Zahlen[5], std::uint8_t(48));
        // leaving box 7 sets ZS only, even after boxes were changed without being left
        f.box(1)->setText(QStringLiteral("9"));
        QTest::keyClicks(f.box(7), "5");
        f.knopf(namen::BAuswerten)->setFocus();
        QCOMPARE(g.ZS, 5);
        QVERIFY(!g.Menge.enthaelt(9));
        f.box(7)->setFocus();
        f.box(7)->clear();
        f.knopf(namen::BAuswerten)->setFocus();
        QCOMPARE(g.ZS, 0);
    }

    void gewinnreiheLoeschen() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,6\r\n"));
        f.gewinnreiheTippen({"1", "2", "3", "4", "5", "6"}, "7");
        QCOMPARE(f.g1().text(1, 7), QStringLiteral("6 Ri."));
        QTest::mouseClick(f.knopf(namen::GewinnreiheLoeschen), Qt::LeftButton);
        for (int i = 1; i <= 7; ++i)
            QCOMPARE(f.box(i)->text(), QString());
        const core::TGewinnreihe& g = f.leiste().Gewinnreihe();
        QVERIFY(g.Menge.leer());
        QCOMPARE(g.ZS, 0);
        QCOMPARE(g.Zahlen, (std::array<std::uint8_t, 6>{}));
        QCOMPARE(f.g1().text(1, 7), QStringLiteral("6 Ri.")); // results stay until the next evaluation
        QCOMPARE(f.g2().text(1, 1), QStringLiteral("1"));
    }

    // Ranks, results and total stay after a change of the rows or the winning row, but grey and
    // with a note, until the next evaluation.
    void veralteteAuswertung_data() {
        QTest::addColumn<QString>("schritt");
        QTest::addColumn<bool>("veraltet");
        QTest::newRow("nichts") << "nichts" << false;
        QTest::newRow("anderer Schein") << "Schein" << true;
        QTest::newRow("Reihen löschen") << "löschen" << true;
        QTest::newRow("Gewinnreihe gelöscht") << "Gewinnreihe löschen" << true;
        QTest::newRow("Gewinnzahl getippt") << "Gewinnzahl" << true;
        QTest::newRow("Gewinnzahl getippt, sofort") << "Gewinnzahl sofort" << false;
        QTest::newRow("Box nur betreten") << "Box" << false;
        QTest::newRow("sortiert") << "sortieren" << false;
    }
    void veralteteAuswertung() {
        QFETCH(QString, schritt);
        QFETCH(bool, veraltet);
        Fenster f;
        f.einlesen(f.schein("3,8,15,22,30,41\r\n1,2,3,4,5,6\r\n"));
        f.gewinnreiheTippen({"3", "8", "15", "22", "30", "41"});
        f.pruefen();
        const QString zweiterSchein = f.schein("1,2,3,4,5,7\r\n", QStringLiteral("zwei.txt"));
        const std::map<QString, std::function<void()>> schritte = {
            {QStringLiteral("nichts"), [] {}},
            {QStringLiteral("Schein"), [&] { f.einlesen(zweiterSchein); }},
            {QStringLiteral("löschen"), [&] { QTest::mouseClick(f.knopf(namen::BGridDel), Qt::LeftButton); }},
            {QStringLiteral("Gewinnreihe löschen"),
             [&] { QTest::mouseClick(f.knopf(namen::GewinnreiheLoeschen), Qt::LeftButton); }},
            {QStringLiteral("Gewinnzahl"),
             [&] {
                 f.sofort()->setChecked(false);
                 f.gewinnreiheTippen({"4"});
             }},
            {QStringLiteral("Gewinnzahl sofort"), [&] { f.gewinnreiheTippen({"4"}); }},
            {QStringLiteral("Box"), [&] { f.gewinnreiheTippen({}); }},
            {QStringLiteral("sortieren"),
             [&] { QTest::mouseClick(f.knopf(namen::BSortier), Qt::LeftButton); }},
        };
        schritte.at(schritt)();
        auto* gesamt = f.im<QLabel>(namen::LGesGewinn);
        const auto* rangmaler = qobject_cast<ui::G1Zellen*>(f.G1()->itemDelegate());
        const QString hinweis = veraltet ? QStringLiteral("Veraltet: Tippreihen oder Gewinnreihe wurden nach "
                                                          "der letzten „Gewinn- Prüfung“ geändert.")
                                         : QString();
        QCOMPARE(gesamt->toolTip(), hinweis);
        QCOMPARE(QAccessible::queryAccessibleInterface(gesamt)->text(QAccessible::Description), hinweis);
        QCOMPARE(rangmaler->farben(7, QStringLiteral("6 Ri.")).grau, veraltet);
        // the next evaluation is current again
        f.gewinnreiheTippen({"3", "8", "15", "22", "30", "41"});
        f.pruefen();
        QCOMPARE(gesamt->toolTip(), QString());
        QVERIFY(!rangmaler->farben(7, QStringLiteral("6 Ri.")).grau);
    }

    // Ctrl+Z takes back the last step that replaced or cleared the rows or cleared the winning row.
    void rueckgaengig_data() {
        QTest::addColumn<QString>("schritt");
        QTest::newRow("Reihen löschen") << "löschen";
        QTest::newRow("anderer Schein") << "Schein";
        QTest::newRow("Gewinnreihe löschen") << "Gewinnreihe löschen";
    }
    void rueckgaengig() {
        QFETCH(QString, schritt);
        Fenster f;
        QVERIFY(QTest::qWaitForWindowActive(f.fenster.get()));
        f.einlesen(f.schein("3,8,15,22,30,41\r\n1,2,3,4,5,6\r\n"));
        f.gewinnreiheTippen({"3", "8", "15", "22", "30", "41"}, "7");
        const QString zweiterSchein = f.schein("1,2,3,4,5,7\r\n", QStringLiteral("zwei.txt"));
        const std::map<QString, std::function<void()>> schritte = {
            {QStringLiteral("löschen"), [&] { QTest::mouseClick(f.knopf(namen::BGridDel), Qt::LeftButton); }},
            {QStringLiteral("Schein"), [&] { f.einlesen(zweiterSchein); }},
            {QStringLiteral("Gewinnreihe löschen"),
             [&] { QTest::mouseClick(f.knopf(namen::GewinnreiheLoeschen), Qt::LeftButton); }},
        };
        schritte.at(schritt)();
        f.G1()->setFocus();
        QTest::keyClick(f.G1(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.text(namen::LDatei), QStringLiteral("schein.txt"));
        QCOMPARE(f.text(namen::LReihen), QStringLiteral("2"));
        QCOMPARE(testhilfe::spalte(f.g1(), 1), QStringList({"3", "1"}));
        QCOMPARE(f.g1().text(2, 6), QStringLiteral("6"));
        QCOMPARE(f.box(1)->text(), QStringLiteral("3"));
        QCOMPARE(f.box(7)->text(), QStringLiteral("7"));
        QVERIFY(f.leiste().Gewinnreihe().Menge.enthaelt(41));
        // one step: a second Ctrl+Z changes nothing
        QTest::keyClick(f.G1(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.text(namen::LReihen), QStringLiteral("2"));
        QCOMPARE(f.box(1)->text(), QStringLiteral("3"));
    }

    // Shift+F10 and the menu key open the grid's context menu, as a right click does.
    void kontextmenueMitTasten_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("umschalt");
        QTest::newRow("Umschalt+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        QTest::newRow("Menütaste") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    }
    void kontextmenueMitTasten() {
        QFETCH(int, taste);
        QFETCH(int, umschalt);
        Fenster f;
        QStringList eintraege;
        QTimer::singleShot(0, f.G1(), [&] {
            if (auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* a : menue->actions())
                    eintraege.append(a->text());
                menue->close();
            }
        });
        QTest::keyClick(f.G1(), Qt::Key(taste), Qt::KeyboardModifiers(umschalt));
        QCOMPARE(eintraege, QStringList({"Rückgängig", "Statistik über alle Spieltage...",
                                         "Mehrere Spielscheine auswerten...", "Eigenes System erstellen...",
                                         "Auswertung drucken...", "Auswertung als PDF speichern..."}));
    }

    void ordnungDerGewinnzahlen_data() {
        QTest::addColumn<QStringList>("eingabe");
        QTest::addColumn<QStringList>("sortiert");
        QTest::newRow("sechs") << QStringList{"30", "5", "12", "41", "8", "22"}
                               << QStringList{"5", "8", "12", "22", "30", "41"};
        QTest::newRow("vier") << QStringList{"30", "5", "12", "41"}
                              << QStringList{"5", "12", "30", "41", "", ""};
        QTest::newRow("mit 47") << QStringList{"47", "5", "", "3"} << QStringList{"3", "5", "", "", "", ""};
    }
    void ordnungDerGewinnzahlen() {
        QFETCH(QStringList, eingabe);
        QFETCH(QStringList, sortiert);
        Fenster f;
        f.sofort()->setChecked(false);
        for (int i = 0; i < eingabe.size(); ++i)
            f.box(i + 1)->setText(eingabe[i]);
        f.box(1)->setFocus();
        f.box(7)->setText(QStringLiteral("9"));
        f.knopf(namen::BAuswerten)->setFocus();
        const auto texte = [&] {
            QStringList t;
            for (int i = 1; i <= 6; ++i)
                t.append(f.box(i)->text());
            return t;
        };
        QStringList ganz = eingabe;
        while (ganz.size() < 6)
            ganz.append(QString());
        const core::TGewinnreihe vorher = f.leiste().Gewinnreihe();
        QCOMPARE(f.knopf(namen::BSortier2)->property("ansicht").toString(), QStringLiteral("eingabefolge"));
        QTest::mouseClick(f.knopf(namen::BSortier2), Qt::LeftButton);
        QCOMPARE(texte(), sortiert);
        QCOMPARE(f.knopf(namen::BSortier2)->property("ansicht").toString(), QStringLiteral("sortiert"));
        QCOMPARE(f.box(7)->text(), QStringLiteral("9"));
        QTest::mouseClick(f.knopf(namen::BSortier2), Qt::LeftButton);
        QCOMPARE(texte(), ganz);
        QVERIFY(f.leiste().Gewinnreihe() == vorher); // the toggle changes only the texts
    }

    void sortieren() {
        Fenster f;
        // keys 4, 10, 1, 12, 4 after the evaluation with the winning row 1..6
        f.einlesen(f.schein("1,2,3,4,40,41\r\n40,41,42,43,44,45\r\n1,2,3,4,5,6\r\n1,2,40,41,42,43\r\n"
                            "3,4,5,6,44,45\r\n"));
        f.sofort()->setChecked(false);
        f.gewinnreiheTippen({"1", "2", "3", "4", "5", "6"});
        f.pruefen();
        QCOMPARE(spalte(f.g1(), 8), (QStringList{"4", "10", "1", "12", "4"}));
        QTest::mouseClick(f.knopf(namen::BSortier), Qt::LeftButton);
        QCOMPARE(spalte(f.g1(), 8), (QStringList{"1", "4", "4", "10", "12"}));
        QCOMPARE(spalte(f.g1(), 1), (QStringList{"1", "1", "3", "40", "1"})); // equal keys keep their order
        QVERIFY(f.a()->NachRangSortieren());
        // a new evaluation sorts again
        f.box(6)->setText(QStringLiteral("45"));
        f.box(6)->setFocus();
        f.knopf(namen::BAuswerten)->setFocus();
        f.pruefen();
        QCOMPARE(spalte(f.g1(), 8), (QStringList{"3", "4", "4", "11", "12"}));
        QTest::mouseClick(f.knopf(namen::SortNachNummer), Qt::LeftButton);
        QStringList labels = spalte(f.g1(), 0);
        for (QString& l : labels)
            l = l.trimmed();
        QCOMPARE(labels, (QStringList{"1", "2", "3", "4", "5"}));
        QCOMPARE(spalte(f.g1(), 1), (QStringList{"1", "40", "1", "1", "3"}));
        QVERIFY(!f.a()->NachRangSortieren());
        f.pruefen();
        QCOMPARE(spalte(f.g1(), 1), (QStringList{"1", "40", "1", "1", "3"})); // evaluations leave the order
    }

    void rangSortierungOhneBewertungTutNichts() {
        Fenster f;
        f.einlesen(f.schein("1,2,3,4,5,6\r\n"));
        QTest::mouseClick(f.knopf(namen::BSortier), Qt::LeftButton);
        QVERIFY(!f.a()->NachRangSortieren());
        QVERIFY(f.umgebung.meldungen.empty());
    }

    void tippsKopieren() {
        Fenster f;
        f.einlesen(f.schein("3,11,17,24,38,45\r\n1,2,3,4,5,6\r\n"));
        QTest::mouseClick(f.knopf(namen::BCopy), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3,11,17,24,38,45\r\n1,2,3,4,5,6\r\n"));
        QTest::mouseClick(f.knopf(namen::BGridDel), Qt::LeftButton);
        QTest::mouseClick(f.knopf(namen::BCopy), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(",,,,,\r\n,,,,,\r\n"));
    }

    void quotenTasten() {
        Fenster f;
        QLineEdit* q = f.quote(1);
        q->setFocus();
        QTest::keyClicks(q, "1.234,5 -x+");
        QCOMPARE(q->text(), QStringLiteral("1234,5"));
    }

    void quotenSpeichernUndLaden() {
        Fenster f;
        f.quoten({"1.234.567,80", "98.765,40", "4.321,00", "55,20", "12,10", ""});
        const QString ziel = f.ordner.MatchdayDir + QStringLiteral("q.quo");
        f.umgebung.antworteSpeichern(ziel);
        QTest::mouseClick(f.knopf(namen::QuotenSpeichern), Qt::LeftButton);
        const ui::DialogAuftrag& d = f.umgebung.speichernAuftraege.at(0);
        QCOMPARE(d.titel, QStringLiteral("Quotendatei speichern"));
        QCOMPARE(d.filter, QStringLiteral("Quoten|*.quo"));
        QCOMPARE(d.standardEndung, QStringLiteral("quo"));
        QCOMPARE(d.startOrdner, f.ordner.MatchdayDir);
        QCOMPARE(dateiLesen(ziel),
                 QByteArray("1.234.567,80\r\n98.765,40\r\n4.321,00\r\n55,20\r\n12,10\r\n\r\n"));
        QCOMPARE(f.text(namen::LDatei3), QStringLiteral("q.quo"));

        QTest::mouseClick(f.knopf(namen::BQuoDel), Qt::LeftButton);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(f.quote(i)->text(), QString());
        QCOMPARE(f.text(namen::LDatei3), QString());

        f.umgebung.antworteOeffnen(ziel);
        QTest::mouseClick(f.knopf(namen::QuotenEinlesen), Qt::LeftButton);
        QCOMPARE(f.umgebung.oeffnenAuftraege.at(0).titel, QStringLiteral("Quotendatei einlesen"));
        QCOMPARE(f.quote(1)->text(), QStringLiteral("1.234.567,80"));
        QCOMPARE(f.quote(5)->text(), QStringLiteral("12,10"));
        QCOMPARE(f.text(namen::LDatei3), QStringLiteral("q.quo"));
    }

    void kurzeQuotendatei() {
        Fenster f;
        f.quoten({"a", "b", "c", "d", "e", "f"});
        const QString pfad =
            dateiSchreiben(f.ordner.MatchdayDir + QStringLiteral("kurz.quo"), "1,00\r\n2,00\r\n");
        f.umgebung.antworteOeffnen(pfad);
        QTest::mouseClick(f.knopf(namen::QuotenEinlesen), Qt::LeftButton);
        QVERIFY(f.umgebung.nurMeldung(FakeUmgebung::Art::Fehler,
                                      QStringLiteral("Listenindex überschreitet das Maximum (2)")));
        QCOMPARE(f.quote(2)->text(), QStringLiteral("2,00"));
        QCOMPARE(f.quote(3)->text(), QStringLiteral("c"));
        QCOMPARE(f.text(namen::LDatei3), QString());
    }

    void farben_data() {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("farbe");
        QTest::addColumn<bool>("grau");
        QTest::newRow("Gewinnzahl") << 2 << "8" << QColor(0xCE, 0xFF, 0xCE) << false;
        QTest::newRow("Zusatzspiel") << 3 << "12" << QColor(0xB7, 0xE8, 0xFF) << false;
        QTest::newRow("andere Zahl") << 4 << "13" << QColor(Qt::white) << false;
        QTest::newRow("keine Zahl") << 5 << "x" << QColor(Qt::white) << false;
        QTest::newRow("6 Ri.") << 7 << "6 Ri." << QColor(0xD2, 0xA9, 0x04) << false;
        QTest::newRow("3 + ZS") << 7 << "3 + ZS" << QColor(0xFD, 0xEC, 0xAA) << false;
        QTest::newRow("zwei Treffer") << 7 << "2" << QColor(0xFF, 0xFE, 0xF9) << true;
        QTest::newRow("kein Treffer") << 7 << "0" << QColor(0xFF, 0xFE, 0xF9) << true;
        QTest::newRow("Schlüssel") << 8 << "1" << QColor(Qt::white) << false;
    }
    void farben() {
        QFETCH(int, spalte);
        QFETCH(QString, text);
        QFETCH(QColor, farbe);
        QFETCH(bool, grau);
        core::TGewinnreihe g;
        for (int n : {3, 8, 15, 22, 30, 41})
            g.Menge.hinzufuegen(n);
        g.ZS = 12;
        ui::G1Zellen zellen(g, nullptr);
        const ui::G1Zellen::Farben f = zellen.farben(spalte, text);
        QCOMPARE(f.hintergrund, farbe);
        QCOMPARE(f.grau, grau);
        // with no winning row every number cell is white
        core::TGewinnreihe leer;
        ui::G1Zellen ohne(leer, nullptr);
        if (spalte <= 6)
            QCOMPARE(ohne.farben(spalte, text).hintergrund, QColor(Qt::white));
    }

    void malenBeimBlaettern() {
        // A large slip scrolls through the separate scroll bar and paints without trouble.
        Fenster f;
        QByteArray inhalt;
        for (int i = 0; i < 20000; ++i)
            inhalt += QByteArray::number(i % 40 + 1) + ",2,3,4,5,6\r\n";
        f.einlesen(f.schein(inhalt));
        QCOMPARE(f.text(namen::LReihen), QStringLiteral("20000"));
        QTRY_VERIFY(f.im<QScrollBar>(namen::scrv1)->maximum() > 19000); // after the view has laid itself out
        f.im<QScrollBar>(namen::scrv1)->setValue(15000);
        QCOMPARE(f.G1()->verticalScrollBar()->value(), 15000);
        QCOMPARE(f.G1()->rowAt(0), 15000);
        // only the visible rows are painted: 19 rows of at most nine cells, not 20,000 rows
        auto* zaehler = new ZaehlendeZellen(f.G1());
        f.G1()->setItemDelegate(zaehler);
        QVERIFY(!f.G1()->grab().isNull());
        QVERIFY2(zaehler->gemalt > 0 && zaehler->gemalt <= 20 * 9,
                 qPrintable(QString::number(zaehler->gemalt)));
    }
};

REMISATOR_TEST_MAIN(TstAuswertungsBereich)
#include "tst_auswertungsbereich.moc"
