#include "core/schein/Zeilentabelle.h"
#include "support/Deckung.h"
#include "support/Hauptfensterhilfe.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"
#include "ui/bausteine/Skin.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/hauptfenster/AuswertungsBereich.h"
#include "ui/kreuzbrett/KreuzBrett.h"
#include "ui/werkstatt/TFWerkstatt.h"
#include "ui/werkstatt/Werkstattnamen.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

using testhilfe::FakeUmgebung;
using testhilfe::Hauptfensterhilfe;
namespace namen = ui::namen;
namespace wn = ui::werkstattnamen;

namespace {

struct Fenster : Hauptfensterhilfe {
    ui::TFWerkstatt* w = nullptr;

    Fenster() {
        starten();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    QString systeme() const { return ordner.DataRoot + QStringLiteral("Systeme/"); }
    // A right click into the row grid and "Eigenes System erstellen..." from its menu.
    ui::TFWerkstatt* oeffnen() {
        QWidget* flaeche = finde<ui::ZeilenGitter>(namen::PFoto, namen::G1)->viewport();
        QTimer::singleShot(0, [] {
            auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menue)
                return;
            for (QAction* a : menue->actions())
                if (a->text() == QStringLiteral("Eigenes System erstellen...")) {
                    menue->setActiveAction(a);
                    QTest::keyClick(menue, Qt::Key_Return);
                    return;
                }
            menue->close();
        });
        const QPoint stelle(20, 20);
        QContextMenuEvent rechts(QContextMenuEvent::Mouse, stelle, flaeche->mapToGlobal(stelle));
        QApplication::sendEvent(flaeche, &rechts);
        w = fenster->findChild<ui::TFWerkstatt*>();
        return w;
    }
    template <typename T> T* in(const char* name) const {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    // The text of a box replaced by typing.
    void tippen(const char* name, const QString& text) const {
        QWidget* feld = in<QWidget>(name);
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_Delete);
        QTest::keyClicks(feld, text);
    }
    void klicken(const char* name) const { QTest::mouseClick(in<QPushButton>(name), Qt::LeftButton); }
    bool fertig() const {
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!w->laeuft(), 60000); }();
        return !w->laeuft();
    }
    QStringList reihen() const {
        return in<QPlainTextEdit>(wn::TReihen)->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    }
    QString ergebnis() const { return in<QLabel>(wn::LErgebnis)->text(); }
    QString tafel(int m, int spalte) const {
        const QTableWidgetItem* z = in<QTableWidget>(wn::GGarantie)->item(m, spalte);
        return z ? z->text() : QString();
    }
    // 10 numbers, 3 wenn 3: the record of 10 rows is reached at once.
    void kleinerBau(const QString& zahlen = QStringLiteral("1 2 3 4 5 6 7 8 9 10")) {
        tippen(wn::EZahlen, zahlen);
        klicken(wn::BBauen);
        QVERIFY(fertig());
    }
    // 30 numbers, 3 wenn 3, ten minutes: a search that goes on until it is stopped.
    void langeSuche() const {
        QStringList zahlen;
        for (int z = 1; z <= 30; ++z)
            zahlen.append(QString::number(z));
        tippen(wn::EZahlen, zahlen.join(u' '));
        tippen(wn::SZeit, QStringLiteral("600"));
        klicken(wn::BBauen);
    }
    QStringList gitter() {
        const core::Zeilentabelle& t = finde<ui::AuswertungsBereich>(namen::PFoto)->reihen();
        QStringList z;
        for (int r = 1; r < t.zeilen(); ++r) {
            if (t.text(r, 1).trimmed().isEmpty())
                continue;
            QStringList zellen;
            for (int c = 1; c <= 6; ++c)
                zellen.append(t.text(r, c).trimmed());
            z.append(zellen.join(u' '));
        }
        return z;
    }
};

} // namespace

class TstWerkstattfenster : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    // A small build with the fake's fixed seed: the record, the yardstick, a proof and its table.
    void kleinerBau() {
        Fenster f;
        QVERIFY(f.oeffnen());
        QCOMPARE(f.w->windowTitle(), QStringLiteral("Systemwerkstatt"));
        f.kleinerBau();
        const QStringList reihen = f.reihen();
        QCOMPARE(reihen.size(), 10);
        QVERIFY(testhilfe::deckt(reihen, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3));
        const QString e = f.ergebnis();
        QVERIFY2(
            e.startsWith(QStringLiteral("10 Reihen über 10 Zahlen.\nBester bekannter Wert: 10 Reihen; "
                                        "untere Schranke: 10 Reihen.\n3 Richtige sicher, wenn mindestens 3 "
                                        "Gewinnzahlen unter Ihren Zahlen sind – vollständig geprüft.")),
            qPrintable(e));
        QCOMPARE(f.tafel(3, 0), QStringLiteral("3 Ri."));
        QCOMPARE(f.tafel(0, 0), QStringLiteral("0 Ri."));
        // 3 of 10 chosen numbers among the six drawn: C(10,3) C(35,3) / C(45,6).
        QCOMPARE(f.tafel(3, 1), QStringLiteral("9,64 %"));
        // Nothing reaches the grid before the user takes the rows over.
        QCOMPARE(f.gitter(), QStringList());
        QVERIFY(f.umgebung.meldungen.empty());
    }

    // "Abbrechen" during a long search keeps the best system so far, proved like any other.
    void abbrechenBehaeltDasBeste() {
        Fenster f;
        QVERIFY(f.oeffnen());
        f.langeSuche();
        QVERIFY(f.w->laeuft());
        QVERIFY(!f.in<QPushButton>(wn::BBauen)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(f.in<QProgressBar>(wn::Fortschritt)
                                     ->format()
                                     .startsWith(QStringLiteral("Bestes System bisher: ")),
                                 30000);
        f.klicken(wn::BAbbrechen);
        QTRY_VERIFY_WITH_TIMEOUT(!f.w->laeuft(), 10000);
        QVERIFY2(f.ergebnis().contains(QStringLiteral("vollständig geprüft.\nAbgebrochen nach ")),
                 qPrintable(f.ergebnis()));
        QVERIFY(!f.reihen().isEmpty());
        QVERIFY(f.in<QPushButton>(wn::BBauen)->isEnabled());
    }

    // A row limit the guarantee cannot be kept in: that many rows, and what stays open.
    void hoechstzahlZeigtDieLoecher() {
        Fenster f;
        QVERIFY(f.oeffnen());
        f.tippen(wn::SHoechstens, QStringLiteral("5"));
        f.tippen(wn::SZeit, QStringLiteral("1"));
        f.kleinerBau(QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12"));
        QCOMPARE(f.reihen().size(), 5);
        QVERIFY(!testhilfe::deckt(f.reihen(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 3));
        const QString e = f.ergebnis();
        QVERIFY2(e.contains(QStringLiteral("\nDie Garantie 3 wenn 3 hält nicht: ")) &&
                     e.contains(QStringLiteral(
                         " von 220 Fällen mit 3 Gewinnzahlen unter Ihren Zahlen sind offen")) &&
                     e.contains(QStringLiteral("\nOffen sind zum Beispiel: ")),
                 qPrintable(e));
    }

    // Closing the window during a search ends it; nothing reaches the grid.
    void schliessenWaehrendDesBaus() {
        Fenster f;
        QVERIFY(f.oeffnen());
        f.langeSuche();
        QVERIFY(f.w->laeuft());
        QPointer<ui::TFWerkstatt> w = f.w;
        f.klicken(wn::BSchliessen);
        QTRY_VERIFY_WITH_TIMEOUT(!w, 10000);
        QCOMPARE(f.gitter(), QStringList());
    }

    // "In die Tabelle übernehmen" writes the rows into the grid as "System abwickeln" does.
    void inDieTabelle() {
        Fenster f;
        QVERIFY(f.oeffnen());
        f.kleinerBau(QStringLiteral("45 3 8 15 22 30 41 12 19 27"));
        f.klicken(wn::BUebernehmen);
        QCOMPARE(f.gitter(), f.reihen());
        QCOMPARE(f.finde<QLabel>(namen::PFoto, namen::LReihen)->text(), QStringLiteral("10"));
        QVERIFY(f.reihen()[0].startsWith(QStringLiteral("3 ")));
    }

    // Saved under a name in "Systeme", listed beside an unreadable file (which stays as it was),
    // and played again over other numbers.
    void speichernUndWiederSpielen() {
        Fenster f;
        QDir().mkpath(f.systeme());
        const QByteArray kaputt = "Remisator-System 1\r\nName: alt\r\n";
        testhilfe::dateiSchreiben(f.systeme() + QStringLiteral("kaputt.txt"), kaputt);
        QVERIFY(f.oeffnen());
        const QString ziel = f.systeme() + QStringLiteral("Mein 10er.txt");
        f.umgebung.antworteSpeichern(ziel);
        f.kleinerBau();
        f.klicken(wn::BSpeichern);
        QCOMPARE(f.umgebung.speichernAuftraege.back().startOrdner, f.systeme());
        QVERIFY(QFile::exists(ziel));
        auto* liste = f.in<QListWidget>(wn::LSysteme);
        QCOMPARE(liste->count(), 2);
        QVERIFY2(liste->item(0)->text().startsWith(QStringLiteral("kaputt.txt – nicht lesbar: ")),
                 qPrintable(liste->item(0)->text()));
        QCOMPARE(liste->item(1)->text(),
                 QStringLiteral("Mein 10er – 10 Zahlen, 3 wenn 3, 10 Reihen (Mein 10er.txt)"));
        QCOMPARE(testhilfe::dateiLesen(f.systeme() + QStringLiteral("kaputt.txt")), kaputt);

        f.tippen(wn::EZahlen, QStringLiteral("11 12 13 14 15 16 17 18 19 20"));
        auto* wahl = f.in<QComboBox>(wn::CPruefen);
        wahl->setCurrentIndex(wahl->findText(QStringLiteral("Eigenes System: Mein 10er")));
        f.klicken(wn::BPruefen);
        QVERIFY(f.fertig());
        QVERIFY(testhilfe::deckt(f.reihen(), {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 3));
        QVERIFY2(f.ergebnis().contains(QStringLiteral("3 Richtige sicher, wenn mindestens 3 Gewinnzahlen")),
                 qPrintable(f.ergebnis()));
    }

    // Bad input is refused with a German message before any work; nothing is shown or changed.
    void abgelehnt_data() {
        QTest::addColumn<QString>("zahlen");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<int>("richtige");
        QTest::addColumn<int>("wenn");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("zu wenige") << "1 2 3"
                                   << "" << 3 << 3
                                   << "Ein System braucht mindestens 7 Zahlen, gewählt sind 3.";
        QTest::newRow("t > m")
            << "1 2 3 4 5 6 7 8"
            << "" << 4 << 3
            << "4 Richtige kann kein System garantieren, wenn nur 3 Gewinnzahlen unter Ihren "
               "Zahlen sind.";
        QTest::newRow("keine Zahl") << "1 2 x"
                                    << "" << 3 << 3 << "''x'' ist kein gültiger Integer-Wert";
        QTest::newRow("46") << "1 2 3 4 5 6 46"
                            << "" << 3 << 3 << "Die Zahl 46 liegt nicht zwischen 1 und 45.";
        QTest::newRow("zu viele Bankzahlen") << "1 2 3 4 5 6 7 8 9"
                                             << "1 2 3 4" << 3 << 3
                                             << "Mit 4 Bankzahlen bleiben in jeder Reihe nur 2 Plätze für "
                                                "Ihre übrigen Zahlen; 3 Richtige sind "
                                                "so nicht zu garantieren.";
        QTest::newRow("zu groß ohne Höchstzahl") << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 "
                                                    "22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 "
                                                    "37 38 39 40"
                                                 << "" << 5 << 5
                                                 << "Ein System, das bei 40 Zahlen 5 Richtige garantiert, "
                                                    "wenn 5 Gewinnzahlen darunter sind, braucht "
                                                    "mindestens 109.674 Reihen. Mehr als 5.000 Reihen baue "
                                                    "ich nur mit einer Höchstzahl an Reihen.";
    }
    void abgelehnt() {
        QFETCH(QString, zahlen);
        QFETCH(QString, bank);
        QFETCH(int, richtige);
        QFETCH(int, wenn);
        QFETCH(QString, meldung);
        Fenster f;
        QVERIFY(f.oeffnen());
        f.tippen(wn::EZahlen, zahlen);
        f.tippen(wn::EBank, bank);
        f.tippen(wn::SRichtige, QString::number(richtige));
        f.tippen(wn::SWenn, QString::number(wenn));
        f.klicken(wn::BBauen);
        QVERIFY2(f.umgebung.nurMeldung(FakeUmgebung::Art::Fehler, meldung),
                 qPrintable(f.umgebung.meldungstexte()));
        QVERIFY(!f.w->laeuft());
        QVERIFY(f.reihen().isEmpty());
        QVERIFY(!f.in<QPushButton>(wn::BUebernehmen)->isEnabled());
    }

    // "Garantie prüfen" for a catalogue system and for the rows in the grid.
    void garantiePruefen_data() {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QStringList>("sicher"); // m = 0..6
        QTest::addColumn<QString>("satz");
        QTest::newRow("22/77")
            << "System 22/77" << QStringList{"0 Ri.", "1 Ri.", "2 Ri.", "3 Ri.", "3 Ri.", "3 Ri.", "3 Ri."}
            << "3 Richtige sicher, wenn mindestens 3 Gewinnzahlen unter Ihren Zahlen sind.";
        // The slip: the seven rows of "007" but one, over the seven numbers they use.
        QTest::newRow("Tabelle")
            << "Reihen in der Tabelle"
            << QStringList{"0 Ri.", "1 Ri.", "2 Ri.", "3 Ri.", "4 Ri.", "5 Ri.", "5 Ri."}
            << "5 Richtige sicher, wenn mindestens 5 Gewinnzahlen unter Ihren Zahlen sind.";
    }
    void garantiePruefen() {
        QFETCH(QString, system);
        QFETCH(QStringList, sicher);
        QFETCH(QString, satz);
        Fenster f;
        f.fenster->SpielscheinEinlesen(testhilfe::dateiSchreiben(
            f.ordner.SlipDir + QStringLiteral("sieben.txt"),
            "1,2,3,4,5,7\r\n1,2,3,4,6,7\r\n1,2,3,5,6,7\r\n1,2,4,5,6,7\r\n1,3,4,5,6,7\r\n2,3,4,5,6,7\r\n"));
        QVERIFY(f.oeffnen());
        auto* wahl = f.in<QComboBox>(wn::CPruefen);
        wahl->setCurrentIndex(wahl->findText(system));
        f.klicken(wn::BPruefen);
        QVERIFY(f.fertig());
        QStringList gefunden;
        for (int m = 0; m <= 6; ++m)
            gefunden.append(f.tafel(m, 0));
        QCOMPARE(gefunden, sicher);
        QVERIFY2(f.ergebnis().contains(satz), qPrintable(f.ergebnis()));
    }

    // Ctrl+W opens the workshop, once, with the numbers ticked on the cross board.
    void tastenkuerzelEinmal() {
        Fenster f;
        // System 9/12 and its nine numbers, clicked on the board.
        auto* brett = f.finde<ui::KreuzBrett>(namen::PKreuz);
        for (const int tag : {108, 3, 9, 17, 24, 31, 38, 44, 1, 2})
            brett->KreuzKlickClick(tag);
        QTest::keyClick(f.fenster.get(), Qt::Key_W, Qt::ControlModifier);
        QTest::keyClick(f.fenster.get(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(f.fenster->findChildren<ui::TFWerkstatt*>().size(), 1);
        f.w = f.fenster->findChild<ui::TFWerkstatt*>();
        QVERIFY(f.w->isVisible());
        QCOMPARE(f.in<QLineEdit>(wn::EZahlen)->text(), QStringLiteral("1 2 3 9 17 24 31 38 44"));
    }
};

REMISATOR_TEST_MAIN(TstWerkstattfenster)
#include "tst_werkstattfenster.moc"
