#include "core/spieltag/Quoten.h"
#include "core/spieltag/Spieltagsdaten.h"
#include "settings/Schluessel.h"
#include "support/Dateirechte.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Pdf.h"
#include "support/Spieltagssatz.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/bausteine/Skin.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/hauptfenster/AuswertungsBereich.h"
#include "ui/statistik/TFScheine.h"
#include "ui/statistik/TFStatistik.h"

#include <QAbstractBarSeries>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QThreadPool>
#include <QTimer>
#include <QValueAxis>

using testhilfe::dateiLesen;
using testhilfe::dateiSchreiben;
using testhilfe::FakeUmgebung;
using testhilfe::Hauptfensterhilfe;
using testhilfe::Pdf;
namespace namen = ui::namen;

namespace {

// The texts of a view's rows in its order, fields joined by '|'.
QStringList zeilen(const QTableView* ansicht) {
    QStringList z;
    const QAbstractItemModel* m = ansicht->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList felder;
        for (int c = 0; c < m->columnCount(); ++c)
            felder.append(m->index(r, c).data().toString());
        z.append(felder.join(u'|'));
    }
    return z;
}

// Three matchdays and a broken file in the matchday folder, a slip of three rows in the grid.
//   18.09.2021: 3 7 12 20 33 41, ZS 5 — the rows give 6 Ri., 5 + ZS and 3 Ri.
//   25.09.2021 and 02.10.2021: 1 2 4 6 8 9, ZS 10 — the third row gives 3 Ri.
struct Fenster : Hauptfensterhilfe {
    Fenster() {
        spieltag("18.09.2021", "3=3:3 7=2:2 12=1:1 20=1:1 33=0:0 41=0:0 5=2:1 *=4:0",
                 "100.000,00\r\n5.000,00\r\n1.000,00\r\n50,00\r\n20,00\r\n10,00\r\n");
        spieltag("25.09.2021", "1=3:3 2=2:2 4=1:1 6=1:1 8=0:0 9=0:0 10=2:1 *=4:0",
                 "1,00\r\n1,00\r\n1,00\r\n1,00\r\n1,00\r\n9,00\r\n");
        spieltag("02.10.2021", "1=3:3 2=2:2 4=1:1 6=1:1 8=0:0 9=0:0 10=2:1 *=4:0",
                 "1,00\r\n1,00\r\n1,00\r\n1,00\r\n1,00\r\n20,00\r\n");
        dateiSchreiben(ordner.MatchdayDir + QStringLiteral("09102021.sp45"), QByteArray(100, '\0'));
        starten();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        fenster->SpielscheinEinlesen(
            schein("schein.txt", "3,7,12,20,33,41\r\n3,7,12,20,33,5\r\n3,7,12,1,2,4\r\n"));
    }
    void spieltag(const QString& datum, const QString& ergebnisse, const QByteArray& quoten) const {
        testhilfe::Satz s;
        const QDate tag = QDate::fromString(datum, QStringLiteral("dd.MM.yyyy"));
        s.datum(double(QDate(1899, 12, 30).daysTo(tag)));
        s.ergebnisse(ergebnisse);
        dateiSchreiben(ordner.MatchdayDir + core::SpieltagDateiname(datum), s.b);
        dateiSchreiben(ordner.MatchdayDir + core::QuotenDateiname(tag), quoten);
    }
    QString schein(const QString& name, const QByteArray& inhalt) const {
        return dateiSchreiben(ordner.SlipDir + name, inhalt);
    }
    // The statistics window opened from the grid's menu, its run ended.
    ui::TFStatistik* statistik() {
        return kontextmenue(QStringLiteral("Statistik über alle Spieltage...")) ? geoeffnet<ui::TFStatistik>()
                                                                                : nullptr;
    }
    // Text typed into a field as a user would, ended with Enter.
    static void tippen(QWidget* feld, const QString& text) {
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, Qt::Key_Return);
    }
    // The window the entry opened, once its run has ended.
    template <typename T> T* geoeffnet() {
        T* w = fenster->findChild<T*>();
        if (w)
            [&] { QTRY_VERIFY_WITH_TIMEOUT(!w->laeuft(), 20000); }();
        return w;
    }
    template <typename T> T* in(QWidget* w, const char* name) const {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    // The column scrolled into view as a user would, then its header clicked.
    void kopfKlicken(QTableView* ansicht, int spalte) const {
        ansicht->scrollTo(ansicht->model()->index(0, spalte));
        QHeaderView* kopf = ansicht->horizontalHeader();
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                          QPoint(kopf->sectionViewportPosition(spalte) + kopf->sectionSize(spalte) / 2,
                                 kopf->height() / 2));
    }
};

const QString Ueberschrift = QStringLiteral(
    "Datum|Gewinnreihe|ZS|6 Ri.|5 + ZS|5 Ri.|4 Ri.|3 + ZS|3 Ri.|Gewinn|Einsatz|Netto|Bilanz|Quoten");
// Without a stake: the net is the win, the balance their sum.
const QString TagA = QStringLiteral(
    "18.09.2021|3 7 12 20 33 41|5|1|1|0|0|0|1|105.010,00|0,00|105.010,00|105.010,00|18.09.2021.quo");
const QString TagB =
    QStringLiteral("25.09.2021|1 2 4 6 8 9|10|0|0|0|0|0|1|9,00|0,00|9,00|105.019,00|25.09.2021.quo");
const QString TagC =
    QStringLiteral("02.10.2021|1 2 4 6 8 9|10|0|0|0|0|0|1|20,00|0,00|20,00|105.039,00|02.10.2021.quo");

QByteArray csv(const QStringList& zeilen) {
    QByteArray b;
    for (const QString& z : zeilen)
        b += QString(z).replace(u'|', u';').toLatin1() + "\r\n";
    return b;
}

} // namespace

class TstStatistikfenster : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    // The slip against every matchday of the folder: a line per matchday by date, the broken file
    // named with its reason, the total, the numbers' frequency and absence.
    void statistikUeberAlleSpieltage() {
        Fenster f;
        QVERIFY(f.kontextmenue(QStringLiteral("Statistik über alle Spieltage...")));
        auto* w = f.geoeffnet<ui::TFStatistik>();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Statistik über alle Spieltage"));
        QVERIFY(w->isVisible() && w->testAttribute(Qt::WA_DeleteOnClose));
        auto* tage = f.in<QTableView>(w, namen::GSpieltage);
        QAbstractItemModelTester pruefer(tage->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(zeilen(tage), (QStringList{TagA, TagB, TagC}));
        QCOMPARE(zeilen(f.in<QTableView>(w, namen::GUebersprungen)),
                 QStringList{QStringLiteral("09102021.sp45|Die Datei \"%1\" enthält keinen Spieltag. "
                                            "Sie ist 100 Bytes groß, ein Spieltag umfasst 3.792 Bytes.")
                                 .arg(f.ordner.MatchdayDir + QStringLiteral("09102021.sp45"))});
        QCOMPARE(
            f.in<QLabel>(w, namen::LSumme)->text(),
            QStringLiteral("Gesamt über 3 Spieltage — 6 Ri.: 1, 5 + ZS: 1, 5 Ri.: 0, 4 Ri.: 0, 3 + ZS: 0, "
                           "3 Ri.: 3 — Gewinn: 105.039,00\nLängste Serie ohne Gewinn: 0 Spieltage"));
        const QStringList zahlen = zeilen(f.in<QTableView>(w, namen::GZahlen));
        QCOMPARE(zahlen.size(), 45);
        QCOMPARE(zahlen[0], QStringLiteral("1|2|0|0"));   // in the two latest
        QCOMPARE(zahlen[2], QStringLiteral("3|1|0|2"));   // in the oldest only
        QCOMPARE(zahlen[4], QStringLiteral("5|0|1|3"));   // the ZS of the oldest
        QCOMPARE(zahlen[9], QStringLiteral("10|0|2|3"));  // the ZS of the two latest
        QCOMPARE(zahlen[44], QStringLiteral("45|0|0|3")); // never drawn
        // The charts: the bars of number 1 and 10, the running sum at its end.
        const QList<QAbstractSeries*> balken = f.in<QChartView>(w, namen::CHaeufigkeit)->chart()->series();
        QCOMPARE(balken.size(), 1);
        const QList<QBarSet*> saetze = static_cast<QAbstractBarSeries*>(balken[0])->barSets();
        QCOMPARE(saetze.size(), 2);
        QCOMPARE(saetze[0]->label(), QStringLiteral("Gewinnzahl"));
        QCOMPARE(QList<qreal>({saetze[0]->at(0), saetze[1]->at(0), saetze[0]->at(9), saetze[1]->at(9)}),
                 QList<qreal>({2, 0, 0, 2}));
        QCOMPARE(f.in<QChartView>(w, namen::CVerlauf)->chart()->series().size(), 2);
        QVERIFY(f.umgebung.meldungen.empty());
    }

    // A click on a header sorts by that column: numbers and amounts by value, dates by date; a second
    // click turns the order round. Equal values keep the order they came in.
    void sortieren_data() {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QStringList>("aufsteigend");
        QTest::addColumn<QStringList>("absteigend");
        QTest::newRow("Datum") << 0 << QStringList{TagA, TagB, TagC} << QStringList{TagC, TagB, TagA};
        QTest::newRow("Gewinn") << 9 << QStringList{TagB, TagC, TagA} << QStringList{TagA, TagC, TagB};
        QTest::newRow("3 Ri. gleich") << 8 << QStringList{TagA, TagB, TagC} << QStringList{TagA, TagB, TagC};
        QTest::newRow("ZS") << 2 << QStringList{TagA, TagB, TagC} << QStringList{TagB, TagC, TagA};
        QTest::newRow("Quoten als Text")
            << 13 << QStringList{TagC, TagA, TagB} << QStringList{TagB, TagA, TagC};
    }
    void sortieren() {
        QFETCH(int, spalte);
        QFETCH(QStringList, aufsteigend);
        QFETCH(QStringList, absteigend);
        Fenster f;
        QVERIFY(f.kontextmenue(QStringLiteral("Statistik über alle Spieltage...")));
        auto* tage = f.in<QTableView>(f.geoeffnet<ui::TFStatistik>(), namen::GSpieltage);
        f.kopfKlicken(tage, spalte);
        QCOMPARE(zeilen(tage), aufsteigend);
        f.kopfKlicken(tage, spalte);
        QCOMPARE(zeilen(tage), absteigend);
    }

    // The export as the user picks the code: semicolons, CR LF, the rows as shown and the total;
    // UTF-8 with its mark.
    void csvExport_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QByteArray>("marke");
        QTest::newRow("Windows-1252") << 1 << QByteArray();
        QTest::newRow("UTF-8 mit BOM") << 2 << QByteArray("\xEF\xBB\xBF");
    }
    void csvExport() {
        QFETCH(int, filter);
        QFETCH(QByteArray, marke);
        Fenster f;
        QVERIFY(f.kontextmenue(QStringLiteral("Statistik über alle Spieltage...")));
        auto* w = f.geoeffnet<ui::TFStatistik>();
        f.kopfKlicken(f.in<QTableView>(w, namen::GSpieltage), 9);
        const QString pfad = f.ordner.DataRoot + QStringLiteral("statistik.csv");
        f.umgebung.antworteSpeichern(pfad, filter);
        QTest::mouseClick(f.in<QPushButton>(w, namen::BCsv), Qt::LeftButton);
        QCOMPARE(f.umgebung.speichernAuftraege.size(), std::size_t(1));
        const ui::DialogAuftrag& d = f.umgebung.speichernAuftraege[0];
        QCOMPARE(d.titel, QStringLiteral("Als CSV-Datei speichern"));
        QCOMPARE(d.filter, QStringLiteral("CSV (Windows-1252)|*.csv|CSV UTF-8 (mit BOM)|*.csv"));
        QCOMPARE(d.vorschlag, QStringLiteral("Statistik über alle Spieltage.csv"));
        QCOMPARE(dateiLesen(pfad),
                 marke +
                     csv({Ueberschrift, TagB, TagC, TagA,
                          QStringLiteral("Gesamt|||1|1|0|0|0|3|105.039,00|0,00|105.039,00|105.039,00|")}));
    }

    // On the page of the numbers the export writes their table, without the matchdays' total.
    void csvDerZahlen() {
        Fenster f;
        QVERIFY(f.kontextmenue(QStringLiteral("Statistik über alle Spieltage...")));
        auto* w = f.geoeffnet<ui::TFStatistik>();
        QTabBar* reiter = f.in<QTabWidget>(w, namen::Seiten)->tabBar();
        QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(2).center());
        const QString pfad = f.ordner.DataRoot + QStringLiteral("zahlen.csv");
        f.umgebung.antworteSpeichern(pfad, 1);
        QTest::mouseClick(f.in<QPushButton>(w, namen::BCsv), Qt::LeftButton);
        const QList<QByteArray> zeilen = dateiLesen(pfad).split('\n');
        QCOMPARE(zeilen.size(), 1 + 45 + 1); // after the last CR LF an empty piece
        QCOMPARE(zeilen[0], QByteArray("Zahl;Gewinnzahl;Zusatzzahl;Fehlt seit (Spieltagen)\r"));
        QCOMPARE(zeilen[1], QByteArray("1;2;0;0\r"));
        QCOMPARE(zeilen[45], QByteArray("45;0;0;3\r"));
    }

    // A file that cannot be written: the message names it and the older file stays whole.
    void fehlgeschlagenerExportLaesstAlteDatei() {
        Fenster f;
        QVERIFY(f.kontextmenue(QStringLiteral("Statistik über alle Spieltage...")));
        auto* w = f.geoeffnet<ui::TFStatistik>();
        const QString ordner = f.ordner.DataRoot + QStringLiteral("fest/");
        QVERIFY(QDir().mkpath(ordner));
        const QString pfad = dateiSchreiben(ordner + QStringLiteral("alt.csv"), "alt\r\n");
        QVERIFY(QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner));
        f.umgebung.antworteSpeichern(pfad, 2);
        QVERIFY(testhilfe::mitDateirechten(
            [&] { QTest::mouseClick(f.in<QPushButton>(w, namen::BCsv), Qt::LeftButton); }));
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(f.umgebung.nurMeldung(
            FakeUmgebung::Art::Fehler,
            QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\n\nZugriff verweigert.")
                .arg(pfad)));
        QCOMPARE(dateiLesen(pfad), QByteArray("alt\r\n"));
    }

    // A stake per row: stake, net and balance per matchday, the totals with the return; kept in the
    // settings file for the next window.
    void einsatzJeReihe() {
        Fenster f;
        auto* w = f.statistik();
        QVERIFY(w);
        Fenster::tippen(f.in<QLineEdit>(w, namen::eEinsatz), QStringLiteral("0,50"));
        QCOMPARE(
            zeilen(f.in<QTableView>(w, namen::GSpieltage)),
            (QStringList{"18.09.2021|3 7 12 20 33 41|5|1|1|0|0|0|1|105.010,00|1,50|105.008,50|105.008,50|"
                         "18.09.2021.quo",
                         "25.09.2021|1 2 4 6 8 9|10|0|0|0|0|0|1|9,00|1,50|7,50|105.016,00|25.09.2021.quo",
                         "02.10.2021|1 2 4 6 8 9|10|0|0|0|0|0|1|20,00|1,50|18,50|105.034,50|"
                         "02.10.2021.quo"}));
        QCOMPARE(f.in<QLabel>(w, namen::LSumme)->text().section(u'\n', 1),
                 QStringLiteral("Einsatz: 4,50 — Netto: 105.034,50 — Rendite: 2.334.100,00 %\n"
                                "Längste Serie ohne Gewinn: 0 Spieltage"));
        QCOMPARE(settings::lesen(f.optionen(), settings::schluessel::EinsatzJeReihe), QStringLiteral("0,50"));
        w->close();
        auto* zweites = f.statistik();
        QCOMPARE(f.in<QLineEdit>(zweites, namen::eEinsatz)->text(), QStringLiteral("0,50"));
        QVERIFY(f.in<QLabel>(zweites, namen::LSumme)->text().contains(QStringLiteral("Einsatz: 4,50")));
        QVERIFY(f.umgebung.meldungen.empty());
    }

    // A stake that is no amount is refused with the rule; the last one stays, and the file too.
    void falscherEinsatz_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("drei Nachkommastellen") << "1,234";
        QTest::newRow("Wort") << "abc";
        QTest::newRow("Minus") << "-1";
    }
    void falscherEinsatz() {
        QFETCH(QString, text);
        Fenster f;
        auto* w = f.statistik();
        auto* feld = f.in<QLineEdit>(w, namen::eEinsatz);
        Fenster::tippen(feld, QStringLiteral("2"));
        Fenster::tippen(feld, text);
        QVERIFY(f.umgebung.nurMeldung(
            FakeUmgebung::Art::Fehler,
            QStringLiteral(
                "\"%1\" ist kein Einsatz. Der Einsatz je Reihe ist ein Betrag in Euro wie 0,50 oder "
                "1.250,00: Ziffern, wahlweise Punkte zwischen den Tausendern und ein Komma vor "
                "höchstens zwei Nachkommastellen.")
                .arg(text)));
        QCOMPARE(feld->text(), QStringLiteral("2"));
        QVERIFY(zeilen(f.in<QTableView>(w, namen::GSpieltage))[0].contains(QStringLiteral("|6,00|")));
        QCOMPARE(settings::lesen(f.optionen(), settings::schluessel::EinsatzJeReihe), QStringLiteral("2"));
    }

    // The period picks the matchdays, and the numbers are counted over them; none says so.
    void zeitraum() {
        Fenster f;
        auto* w = f.statistik();
        auto* tage = f.in<QTableView>(w, namen::GSpieltage);
        auto* art = f.in<QComboBox>(w, namen::cbZeitraum);
        art->setFocus();
        QTest::keyClick(art, Qt::Key_Down);
        QCOMPARE(art->currentText(), QStringLiteral("Die letzten"));
        Fenster::tippen(f.in<QSpinBox>(w, namen::eLetzte), QStringLiteral("2"));
        QCOMPARE(zeilen(tage), (QStringList{TagB.section(u'|', 0, 11) + "|9,00|25.09.2021.quo",
                                            TagC.section(u'|', 0, 11) + "|29,00|02.10.2021.quo"}));
        // Number 3 was drawn on the oldest matchday only.
        QCOMPARE(zeilen(f.in<QTableView>(w, namen::GZahlen))[2], QStringLiteral("3|0|0|2"));
        QTest::keyClick(art, Qt::Key_Down);
        QCOMPARE(art->currentText(), QStringLiteral("Von – bis"));
        QCOMPARE(zeilen(tage).size(), 3); // from the first to the last matchday
        auto* von = f.in<QDateEdit>(w, namen::eVon);
        // Reached by Tab, the day is selected; the digits run on through month and year.
        von->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(von, QStringLiteral("01102021"));
        QCOMPARE(von->date(), QDate(2021, 10, 1));
        QCOMPARE(zeilen(tage), QStringList{TagC.section(u'|', 0, 11) + "|20,00|02.10.2021.quo"});
        auto* bis = f.in<QDateEdit>(w, namen::eBis);
        bis->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(bis, QStringLiteral("30092021"));
        QCOMPARE(zeilen(tage), QStringList());
        QCOMPARE(f.in<QLabel>(w, namen::LSumme)->text(),
                 QStringLiteral("Im gewählten Zeitraum liegt kein Spieltag."));
        QVERIFY(!f.in<QPushButton>(w, namen::BCsv)->isEnabled());
        QVERIFY(f.umgebung.meldungen.empty());
    }

    // The winnings and the balance on a scale where a win of 9 euros shows beside one of 105,010
    // and a balance far below zero fits too.
    void gewinnverlauf() {
        Fenster f;
        auto* w = f.statistik();
        Fenster::tippen(f.in<QLineEdit>(w, namen::eEinsatz), QStringLiteral("100.000"));
        QChart* chart = f.in<QChartView>(w, namen::CVerlauf)->chart();
        const QList<QAbstractSeries*> reihen = chart->series();
        QCOMPARE(reihen.size(), 2);
        const QBarSet* gewinn = static_cast<QAbstractBarSeries*>(reihen[0])->barSets().at(0);
        QVERIFY2(gewinn->at(1) > gewinn->at(0) / 6, qPrintable(QString::number(gewinn->at(1))));
        QVERIFY(gewinn->at(2) > gewinn->at(1));
        auto* bilanz = static_cast<QLineSeries*>(reihen[1]);
        QCOMPARE(bilanz->name(), QStringLiteral("Bilanz"));
        QCOMPARE(bilanz->count(), 3);
        QVERIFY(bilanz->at(0).y() < 0 && bilanz->at(2).y() < bilanz->at(1).y());
        auto* y = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Vertical).at(0));
        QVERIFY(y);
        QCOMPARE(y->categoriesLabels(),
                 (QStringList{"-1.000.000", "-100.000", "-10.000", "-1.000", "-100", "-10", "0", "10", "100",
                              "1.000", "10.000", "100.000", "1.000.000"}));
        QVERIFY(y->min() <= bilanz->at(2).y() && y->max() >= gewinn->at(0));
    }

    // "Als PDF speichern...": the tables as shown with their totals, and for the statistics its
    // stake and period, the files left out and the charts.
    void alsPdf() {
        Fenster f;
        auto* w = f.statistik();
        f.kopfKlicken(f.in<QTableView>(w, namen::GSpieltage), 9);
        const QString pdf = f.ordner.DataRoot + QStringLiteral("statistik.pdf");
        f.umgebung.antworteSpeichern(pdf);
        QTest::mouseClick(f.in<QPushButton>(w, namen::BPdf), Qt::LeftButton);
        QCOMPARE(f.umgebung.speichernAuftraege.at(0).vorschlag,
                 QStringLiteral("Statistik über alle Spieltage.pdf"));
        QStringList zeilen;
        for (const QString& z : Pdf::text(pdf).split(u'\n'))
            zeilen.append(z.simplified());
        for (const char* zeile :
             {"Statistik über alle Spieltage", "Einsatz je Reihe: keiner — Zeitraum: alle Spieltage",
              "Datum Gewinnreihe ZS 6 Ri. 5 + ZS 5 Ri. 4 Ri. 3 + ZS 3 Ri. Gewinn Einsatz Netto Bilanz Quoten",
              // as sorted on screen, by the win
              "25.09.2021 1 2 4 6 8 9 10 0 0 0 0 0 1 9,00 0,00 9,00 105.019,00 25.09.2021.quo",
              "18.09.2021 3 7 12 20 33 41 5 1 1 0 0 0 1 105.010,00 0,00 105.010,00 105.010,00 18.09.2021.quo",
              "Gesamt 1 1 0 0 0 3 105.039,00 0,00 105.039,00 105.039,00", "Übersprungene Dateien",
              "Gewinnverlauf", "Gewinn je Spieltag und Bilanz", "100.000", "Wie oft jede Zahl gewann",
              "Seite 2 von 2"})
            QVERIFY2(zeilen.contains(QString::fromUtf8(zeile)), zeile);
        QVERIFY(
            zeilen.indexOf(QStringLiteral("25.09.2021 1 2 4 6 8 9 10 0 0 0 0 0 1 9,00 0,00 9,00 105.019,00 "
                                          "25.09.2021.quo")) <
            zeilen.indexOf(
                QStringLiteral("18.09.2021 3 7 12 20 33 41 5 1 1 0 0 0 1 105.010,00 0,00 105.010,00 "
                               "105.010,00 18.09.2021.quo")));
        // The numbers' table in two bands: 1 beside 39.
        QVERIFY(zeilen.contains(QStringLiteral("1 2 0 0 39 0 0 3")));
    }

    // The many slips' table and total as PDF.
    void mehrereScheineAlsPdf() {
        Fenster f;
        f.fenster->SpieltagEinlesen(f.ordner.MatchdayDir + QStringLiteral("18092021.sp45"));
        f.umgebung.antworteMehrereOeffnen({f.schein("a.txt", "3,7,12,20,33,41\r\n1,2,3,4,5,6\r\n")});
        QVERIFY(f.kontextmenue(QStringLiteral("Mehrere Spielscheine auswerten...")));
        auto* w = f.geoeffnet<ui::TFScheine>();
        const QString pdf = f.ordner.DataRoot + QStringLiteral("scheine.pdf");
        f.umgebung.antworteSpeichern(pdf);
        QTest::mouseClick(f.in<QPushButton>(w, namen::BPdf), Qt::LeftButton);
        const QString text = Pdf::text(pdf).simplified();
        for (const char* teil :
             {"Mehrere Spielscheine auswerten", "Gewinnreihe: 3 7 12 20 33 41 ZS: 5",
              "a.txt 2 1 0 0 0 0 0 100.000,00", "Gesamt 2 1 0 0 0 0 0 100.000,00", "Seite 1 von 1"})
            QVERIFY2(text.contains(QString::fromUtf8(teil)), teil);
    }

    // Several slips against the winning row and the odds of the main window; a missing file is
    // named with its reason and the others are counted.
    void mehrereSpielscheine() {
        Fenster f;
        f.finde<QCheckBox>(namen::cbSofortQ)->setChecked(true);
        f.fenster->SpieltagEinlesen(f.ordner.MatchdayDir + QStringLiteral("18092021.sp45"));
        const QString a = f.schein("a.txt", "3,7,12,20,33,41\r\n1,2,3,4,5,6\r\n");
        const QString b = f.schein("b.txt", "3,7,12,20,1,2\r\n3,7,12,20,33,5\r\n3,7,12,20,33,1\r\n");
        f.umgebung.antworteMehrereOeffnen({a, b, f.ordner.SlipDir + QStringLiteral("fehlt.txt")});
        QVERIFY(f.kontextmenue(QStringLiteral("Mehrere Spielscheine auswerten...")));
        auto* w = f.geoeffnet<ui::TFScheine>();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Mehrere Spielscheine auswerten"));
        QCOMPARE(f.umgebung.oeffnenAuftraege.back().startOrdner, f.ordner.SlipDir);
        QCOMPARE(f.in<QLabel>(w, namen::LGewinnreihe)->text(),
                 QStringLiteral("Gewinnreihe: 3 7 12 20 33 41   ZS: 5"));
        auto* tabelle = f.in<QTableView>(w, namen::GScheine);
        QAbstractItemModelTester pruefer(tabelle->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(zeilen(tabelle),
                 (QStringList{"a.txt|2|1|0|0|0|0|0|100.000,00|", "b.txt|3|0|1|1|1|0|0|6.050,00|",
                              QStringLiteral("fehlt.txt|0|0|0|0|0|0|0||Die Datei \"%1\" kann nicht "
                                             "gelesen werden. Die Datei oder der Ordner "
                                             "existiert nicht.")
                                  .arg(f.ordner.SlipDir + QStringLiteral("fehlt.txt"))}));
        QCOMPARE(
            f.in<QLabel>(w, namen::LSumme)->text(),
            QStringLiteral("Gesamt über 2 von 3 Spielscheinen mit 5 Reihen (1 nicht ausgewertet) — 6 Ri.: 1, "
                           "5 + ZS: 1, 5 Ri.: 1, 4 Ri.: 1, 3 + ZS: 0, 3 Ri.: 0 — Gewinn: 106.050,00"));
        f.kopfKlicken(tabelle, 8);
        QCOMPARE(zeilen(tabelle).constFirst().section(u'|', 0, 0), QStringLiteral("fehlt.txt"));
        QVERIFY(f.umgebung.meldungen.empty());
    }

    // A slip whose evaluation stops has no part in the total, which says over how many it runs.
    void gesamtOhneGescheiterteScheine() {
        Fenster f;
        f.finde<QCheckBox>(namen::cbSofortQ)->setChecked(true);
        f.fenster->SpieltagEinlesen(f.ordner.MatchdayDir + QStringLiteral("18092021.sp45"));
        // The odds of rank VI refused: a slip with a 3 Ri. stops, its ranks counted.
        f.finde<QLineEdit>((QByteArray(namen::eQ) + '6').constData())->setText(QStringLiteral("1,2,3"));
        const QString a = f.schein("a.txt", "3,7,12,20,33,41\r\n");
        const QString c = f.schein("c.txt", "3,7,12,20,33,41\r\n3,7,12,1,2,4\r\n");
        f.umgebung.antworteMehrereOeffnen({a, c});
        QVERIFY(f.kontextmenue(QStringLiteral("Mehrere Spielscheine auswerten...")));
        auto* w = f.geoeffnet<ui::TFScheine>();
        QVERIFY(w);
        QCOMPARE(
            f.in<QLabel>(w, namen::LSumme)->text(),
            QStringLiteral("Gesamt über 1 von 2 Spielscheinen mit 1 Reihen (1 nicht ausgewertet) — 6 Ri.: 1, "
                           "5 + ZS: 0, 5 Ri.: 0, 4 Ri.: 0, 3 + ZS: 0, 3 Ri.: 0 — Gewinn: 100.000,00"));
    }

    // A number that was winning number and additional number stands as one stacked bar: the
    // axis reaches its top.
    void haeufigkeitsachseMitZusatzzahl() {
        Fenster f;
        f.spieltag("16.10.2021", "3=3:3 7=2:2 12=1:1 20=1:1 33=0:0 41=0:0 1=2:1 *=4:0",
                   "1,00\r\n1,00\r\n1,00\r\n1,00\r\n1,00\r\n1,00\r\n");
        QVERIFY(f.kontextmenue(QStringLiteral("Statistik über alle Spieltage...")));
        auto* w = f.geoeffnet<ui::TFStatistik>();
        QVERIFY(w);
        QCOMPARE(zeilen(f.in<QTableView>(w, namen::GZahlen))[0], QStringLiteral("1|2|1|1"));
        const auto achsen = f.in<QChartView>(w, namen::CHaeufigkeit)->chart()->axes(Qt::Vertical);
        QCOMPARE(achsen.size(), 1);
        QCOMPARE(static_cast<QValueAxis*>(achsen[0])->max(), 3.0);
    }

    // Closed while the files are still read: the run is dropped and nothing breaks.
    void schliessenWaehrendDesLaufs() {
        Fenster f;
        QVERIFY(f.kontextmenue(QStringLiteral("Statistik über alle Spieltage...")));
        QPointer<ui::TFStatistik> w = f.fenster->findChild<ui::TFStatistik*>();
        QVERIFY(w && w->laeuft());
        w->close();
        QTRY_VERIFY(w.isNull());
        QVERIFY(QThreadPool::globalInstance()->waitForDone(20000));
        QCoreApplication::processEvents();
        QVERIFY(f.umgebung.meldungen.empty());
    }

    // A matchday folder that is gone: the error names it, the window stays empty.
    void ohneSpieltagsordner() {
        Fenster f;
        QVERIFY(QDir(f.ordner.MatchdayDir).removeRecursively());
        QVERIFY(f.kontextmenue(QStringLiteral("Statistik über alle Spieltage...")));
        auto* w = f.geoeffnet<ui::TFStatistik>();
        QVERIFY(f.umgebung.nurMeldung(FakeUmgebung::Art::Fehler,
                                      QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n\n"
                                                     "Die Datei oder der Ordner existiert nicht.")
                                          .arg(QDir::toNativeSeparators(f.ordner.MatchdayDir))));
        QCOMPARE(f.in<QTableView>(w, namen::GSpieltage)->model()->rowCount(), 0);
        QVERIFY(!f.in<QPushButton>(w, namen::BCsv)->isEnabled());
    }

    // Without rows in the grid there is nothing to evaluate: the message says so and no window opens.
    void ohneReihenKeinFenster() {
        Fenster f;
        QTest::mouseClick(f.finde<QWidget>(namen::PFoto, namen::BGridDel), Qt::LeftButton);
        QVERIFY(f.kontextmenue(QStringLiteral("Statistik über alle Spieltage...")));
        QVERIFY(f.umgebung.nurMeldung(
            FakeUmgebung::Art::Fehler,
            QStringLiteral("Im Gitter stehen keine Tippreihen, die ausgewertet werden können.")));
        QVERIFY(!f.fenster->findChild<ui::TFStatistik*>());
    }

    // Without a winning row the slips would all show zeros: the message says so, no dialog opens.
    void ohneGewinnreiheKeinFenster() {
        Fenster f;
        QVERIFY(f.kontextmenue(QStringLiteral("Mehrere Spielscheine auswerten...")));
        QVERIFY(f.umgebung.nurMeldung(FakeUmgebung::Art::Fehler,
                                      QStringLiteral("Die Gewinnreihe ist leer. Geben Sie die Gewinnreihe "
                                                     "ein oder lesen Sie einen Spieltag ein.")));
        QVERIFY(!f.fenster->findChild<ui::TFScheine*>());
    }
};

REMISATOR_TEST_MAIN(TstStatistikfenster)
#include "tst_statistikfenster.moc"
