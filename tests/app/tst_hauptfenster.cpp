#include "app/Fensteraufbau.h"
#include "app/TFStart.h"
#include "core/grund/Fehler.h"
#include "core/grund/Konstanten.h"
#include "core/spieltag/TSpieltag.h"
#include "core/text/TextDatei.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Spieltagssatz.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"
#include "ui/bausteine/Skin.h"
#include "ui/editor/TFEingabe.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/hauptfenster/AuswertungsBereich.h"
#include "ui/hauptfenster/GewinnreiheLeiste.h"
#include "ui/hauptfenster/SpieltagBereich.h"
#include "ui/hauptfenster/TFfrAnzeigeGew.h"
#include "ui/hauptfenster/TFfrPaarung.h"
#include "ui/internet/Zaehleranzeige.h"
#include "ui/kreuzbrett/KreuzBereich.h"
#include "ui/kreuzbrett/KreuzBrett.h"
#include "ui/kreuzbrett/TKreuz.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>

#include <csignal>
#include <set>
#include <sys/resource.h>
#include <unistd.h>

using testhilfe::FakeUmgebung;
using testhilfe::Hauptfensterhilfe;
namespace namen = ui::namen;

namespace {

// Windows that fail while they are built: the main window after its own build-up, the editor at once.
struct ScheiterndesFenster : TFGewonnen {
    ScheiterndesFenster(ui::Umgebung& u, const settings::Ordner& o) : TFGewonnen(u, o) {
        throw core::Fehler(QStringLiteral("Das Fenster kann nicht gebaut werden."));
    }
};
template <typename Ausnahme> struct ScheiternderEditor : ui::TFEingabe {
    ScheiternderEditor(ui::Umgebung& u, const settings::Ordner& o, QWidget* p) : TFEingabe(u, o, p) {
        throw Ausnahme();
    }
};

} // namespace

class TstHauptfenster : public QObject {
    Q_OBJECT

    static QByteArray inhalt(const QString& pfad) { return testhilfe::dateiLesen(pfad); }
    static void schreibe(const QString& pfad, const QByteArray& bytes) {
        testhilfe::dateiSchreiben(pfad, bytes);
    }

private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    void ersterStart() {
        Hauptfensterhilfe h;
        TFGewonnen& w = h.starten();
        QCOMPARE(w.windowTitle(), QStringLiteral("Remisator 1.3.0.0"));
        QCOMPARE(w.size(), QSize(962, 690));
        QCOMPARE(w.maximumSize(), QSize(962, 690));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.pos(), QPoint(0, 70));
        QVERIFY(h.finde<QCheckBox>(namen::cbSofort)->isChecked());
        QVERIFY(h.finde<QCheckBox>(namen::cbSofortQ)->isChecked());
        QCOMPARE(h.finde<QLabel>(namen::leur)->text(), QStringLiteral("0"));
        QCOMPARE(h.finde<QLabel>(namen::LTag)->text(), QString());
        QCOMPARE(h.finde<QLabel>(namen::LReihen)->text(), QStringLiteral("0"));
        QCOMPARE(h.finde<QLabel>(namen::LDatei)->text(), QString());
        QVERIFY(!h.finde<QToolButton>(namen::BVoll)->isEnabled());
        QVERIFY(!h.finde<QToolButton>(namen::BQOpen)->isEnabled());
        QCOMPARE(h.finde<QLabel>(namen::PZ)->text(), QStringLiteral("19"));
        // 29 empty rows under the header
        ui::ZeilenGitter* g1 = h.finde<ui::ZeilenGitter>(namen::G1);
        QCOMPARE(g1->model()->rowCount(), 29);
        for (int r = 1; r < 30; ++r)
            for (int c = 0; c < 9; ++c)
                QVERIFY(g1->modell()->tabelle().istLeer(r, c));
        QVERIFY(h.umgebung.meldungen.empty());
        QVERIFY(!QFile::exists(h.ordner.optionenDatei())); // nothing is written before closing
    }

    void zahlkreuze() {
        Hauptfensterhilfe h;
        h.starten();
        const QList<ui::TKreuz*> kreuze = h.fenster->findChildren<ui::TKreuz*>();
        QCOMPARE(kreuze.size(), 59);
        std::set<int> tags;
        for (ui::TKreuz* k : kreuze) {
            tags.insert(k->tag());
            QCOMPARE(k->objectName(), QStringLiteral("VKreuz%1").arg(k->tag()));
            QCOMPARE(k->property("Tag").toInt(), k->tag());
            QCOMPARE(k->parentWidget()->objectName(), QStringLiteral("PKreuz"));
            QVERIFY(k->isHidden());
            QCOMPARE(k->text(), QStringLiteral("X"));
        }
        std::set<int> erwartet;
        for (int n = 1; n <= 45; ++n)
            erwartet.insert(n);
        for (int t = 101; t <= 114; ++t)
            erwartet.insert(t);
        QVERIFY(tags == erwartet);

        const int oben[5] = {21, 50, 79, 107, 135};
        ui::KreuzBrett* brett = h.finde<ui::KreuzBrett>(namen::PKreuz);
        QCOMPARE(brett->size(), QSize(260, 364));
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 9; ++c) {
                const int n = (r - 1) * 9 + c;
                ui::TKreuz* k = h.finde<ui::TKreuz>(qPrintable(QStringLiteral("VKreuz%1").arg(n)));
                QCOMPARE(k->pos(), QPoint(26 * c, oben[r - 1]));
                QCOMPARE(brett->Zahlkreuze[n], k);
                const QRect flaeche = brett->Trefferflaechen[n - 1];
                QCOMPARE(flaeche.left(), 26 * c - 5);
                QCOMPARE(flaeche.right(), 26 * c + 14);
                QCOMPARE(flaeche.top(), oben[r - 1] - 1);
                QCOMPARE(flaeche.bottom(), oben[r - 1] + 21);
            }
        // system crosses in pairs: 100 + s at top 192, 107 + s at top 304, both at left 26 + 26 s
        for (int s = 1; s <= 7; ++s) {
            for (const auto& [tag, top] : {std::pair{100 + s, 192}, std::pair{107 + s, 304}}) {
                ui::TKreuz* k = h.finde<ui::TKreuz>(qPrintable(QStringLiteral("VKreuz%1").arg(tag)));
                QCOMPARE(k->pos(), QPoint(26 + 26 * s, top));
                QCOMPARE(brett->Systemkreuze[tag - 100], k);
                QCOMPARE(brett->Trefferflaechen[44 + tag - 100],
                         QRect(QPoint(21 + 26 * s, top - 1), QPoint(40 + 26 * s, top + 21)));
            }
        }
    }

    void gewinnreiheRahmen() {
        Hauptfensterhilfe h;
        h.starten();
        QFrame* anzeige = h.finde<QFrame>(namen::PAnzeige);
        QCOMPARE(anzeige->width(), 184);
        const int links[8] = {0, 1, 25, 49, 73, 97, 121, 152};
        for (int i = 1; i <= 7; ++i) {
            auto* rahmen = h.finde<ui::TFfrAnzeigeGew>(qPrintable(QStringLiteral("frAnzeige%1").arg(i)));
            QVERIFY(rahmen);
            QCOMPARE(rahmen->parentWidget(), anzeige);
            QCOMPARE(rahmen->pos(), QPoint(links[i], 1));
            QCOMPARE(rahmen->size(), QSize(24, 35));
            QCOMPARE(rahmen->PNr->text(), i <= 6 ? QString::number(i) : QStringLiteral("ZS"));
            QCOMPARE(rahmen->ETZ->property("Tag").toInt(), i);
            QCOMPARE(rahmen->ETZ->text(), QString());
            // the strip's box i, as a user reaches it by its name
            const QString zugang = i <= 6 ? QStringLiteral("Gewinnzahl %1").arg(i) : QStringLiteral("ZS");
            QLineEdit* box = nullptr;
            for (QLineEdit* e : h.fenster->findChild<ui::GewinnreiheLeiste*>()->findChildren<QLineEdit*>())
                if (e->accessibleName() == zugang)
                    box = e;
            QCOMPARE(box, rahmen->ETZ);
        }
    }

    void paarungsRahmen() {
        Hauptfensterhilfe h;
        h.starten();
        // Pairing n of a matchday shows in frame n.
        core::TSpieltag spieltag;
        for (int n = 1; n <= 45; ++n) {
            spieltag.Paarung[n].Heim.setzen(QStringLiteral("H%1").arg(n));
            spieltag.Paarung[n].Gast.setzen(QStringLiteral("G%1").arg(n));
            spieltag.Ergebnis[n] = {std::int8_t(n % 7), std::int8_t(n % 3)};
        }
        const QString datei = h.ordner.MatchdayDir + QStringLiteral("rahmen.sp45");
        schreibe(datei, spieltag.bytes());
        h.fenster->SpieltagEinlesen(datei);
        auto* pc1 = h.finde<QTabWidget>(namen::PC1);
        QCOMPARE(pc1->count(), 3);
        const QStringList reiter = {"1 - 15", "16 - 30", "31 - 45"};
        for (int t = 1; t <= 3; ++t) {
            QCOMPARE(pc1->tabText(t - 1), reiter[t - 1]);
            const QList<ui::TFfrPaarung*> rahmen =
                pc1->widget(t - 1)->findChildren<ui::TFfrPaarung*>(QString(), Qt::FindDirectChildrenOnly);
            QCOMPARE(rahmen.size(), 15);
            for (int i = 1; i <= 15; ++i) {
                const int n = (t - 1) * 15 + i;
                auto* f = pc1->widget(t - 1)->findChild<ui::TFfrPaarung*>(QStringLiteral("frPaars%1").arg(n));
                QVERIFY2(f, qPrintable(QStringLiteral("frPaars%1").arg(n)));
                QCOMPARE(f->pos(), QPoint(0, (i - 1) * 34));
                QCOMPARE(f->size(), QSize(260, 34));
                QCOMPARE(f->LNr->text(), QString::number(n));
                QCOMPARE(f->eErg->property("Tag").toInt(), n);
                QCOMPARE(f->eErg->text(), QStringLiteral("%1 : %2").arg(n % 7).arg(n % 3));
                QCOMPARE(f->PPaar->text(), QStringLiteral("H%1 - G%1").arg(n));
            }
        }
    }

    void quotenboxen() {
        Hauptfensterhilfe h;
        h.starten();
        const int breiten[7] = {0, 82, 77, 72, 67, 61, 54};
        int rechts = -1;
        for (int i = 1; i <= 6; ++i) {
            auto* box = h.finde<QLineEdit>(qPrintable(QStringLiteral("eQ%1").arg(i)));
            QVERIFY(box);
            QCOMPARE(box->width(), breiten[i]);
            if (i > 1) {
                QCOMPARE(box->geometry().right(), rechts); // right-aligned to one edge
                QVERIFY(box->y() > h.finde<QLineEdit>(qPrintable(QStringLiteral("eQ%1").arg(i - 1)))->y());
            }
            rechts = box->geometry().right();
            QVERIFY(box->font().bold());
        }
    }

    void befehle_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("beschriftung");
        QTest::newRow("beenden") << "bsSkinSpeedButton6"
                                 << "Programm beenden";
        QTest::newRow("herunterladen") << "BFSpTagVerw"
                                       << "Spieltag herunterladen";
        QTest::newRow("erstellen") << "bsSkinSpeedButton7"
                                   << "Spielschein erstellen...";
        QTest::newRow("Spieltag einlesen") << "BOpen"
                                           << "Spieltag einlesen...";
        QTest::newRow("abwickeln") << "BVoll"
                                   << "System abwickeln";
        QTest::newRow("Gewinnreihe löschen") << "bsSkinSpeedButton3"
                                             << "Gewinnreihe löschen";
        QTest::newRow("Spielschein einlesen") << "bsSkinSpeedButton1"
                                              << "Spielschein einlesen...";
        QTest::newRow("speichern") << "BSave"
                                   << "Als Spielschein speichern...";
        QTest::newRow("kopieren") << "BCopy"
                                  << "Tipps kopieren";
        QTest::newRow("Reihen löschen") << "BGridDel"
                                        << "Reihen löschen";
        QTest::newRow("Quoten einlesen") << "bsSkinSpeedButton13"
                                         << "Quoten einlesen...";
        QTest::newRow("Quoten speichern") << "bsSkinSpeedButton14"
                                          << "Quoten speichern...";
        QTest::newRow("prüfen") << "BAuswerten"
                                << "Gewinn- Prüfung";
        QTest::newRow("Abbild") << "bsSkinSpeedButton9"
                                << "Abbild der Auswertung";
        for (const char* nurSymbol :
             {"bsSkinSpeedButton12", "BSpende", "bsSkinSpeedButton4", "bsSkinSpeedButton10",
              "bsSkinSpeedButton5", "bsSkinSpeedButton8", "BQOpen", "BQSave", "BKreuzeDel",
              "bsSkinSpeedButton11", "BSortier2", "bsSkinSpeedButton2", "BSortier", "BQuoDel"})
            QTest::newRow(nurSymbol) << nurSymbol << "";
    }
    void befehle() {
        QFETCH(QString, name);
        QFETCH(QString, beschriftung);
        Hauptfensterhilfe h;
        h.starten();
        const QList<QToolButton*> knoepfe = h.fenster->findChildren<QToolButton*>(name);
        QCOMPARE(knoepfe.size(), 1);
        QCOMPARE(knoepfe[0]->text(), beschriftung);
        QVERIFY2(!knoepfe[0]->icon().isNull() || !beschriftung.isEmpty(),
                 "ein Knopf ohne Text braucht ein Symbol");
    }

    void beschriftungen() {
        Hauptfensterhilfe h;
        h.starten();
        QStringList texte;
        for (QLabel* l : h.fenster->findChildren<QLabel*>())
            texte.append(l->text());
        for (const char* text :
             {"Wenn Ihnen das Programm gefällt, würde ich mich über einen Wachmacher freuen:", "Stand in €",
              "Einträge werden überschrieben", "Spieltag",
              "Kreuzen Sie Ihren Tipp unten an oder la- den Sie Ihren Spielschein in die Tabelle rechts.",
              "Gewinn- reihe:", "Datei:", "Reihen:", "Rang", "Quoten", "I: 6 Ri.", "II: 5 + ZS", "III: 5 Ri.",
              "IV: 4 Ri.", "V: 3 + ZS", "VI: 3 Ri.",
              "Dateiname im Datumsfor- mat \"tt.mm.jjjj\" ermöglicht automatisches Einlesen der Quoten.",
              "Gewinn:", "Gesamtgewinn"})
            QVERIFY2(texte.contains(QString::fromUtf8(text)), text);
        QCOMPARE(h.finde<QCheckBox>(namen::cbSofort)->text(),
                 QStringLiteral("Bei manueller Eingabe der Gewinnreihe sofort auswerten"));
        QCOMPARE(h.finde<QCheckBox>(namen::cbSofortQ)->text(),
                 QStringLiteral("Mit Spieltag Quoten einlesen, wenn vorhanden"));
        QCOMPARE(h.finde<QToolButton>(namen::BCopy)->toolTip(),
                 QStringLiteral("Tippreihen in die Zwischenablage kopieren."));
    }

    void gitter() {
        Hauptfensterhilfe h;
        h.starten();
        ui::ZeilenGitter* g1 = h.finde<ui::ZeilenGitter>(namen::G1);
        QCOMPARE(g1->modell()->columnCount(), 9);
        const int breiten[9] = {37, 20, 20, 20, 20, 20, 20, 50, 0};
        int summe = 0;
        for (int c = 0; c < 9; ++c) {
            QCOMPARE(g1->columnWidth(c), breiten[c]);
            summe += g1->isColumnHidden(c) ? 0 : g1->columnWidth(c);
        }
        QVERIFY(g1->isColumnHidden(8));
        QCOMPARE(summe, 207);
        QCOMPARE(g1->width() - 2 * g1->frameWidth(), 207); // the columns fill the visible grid exactly
        QCOMPARE(g1->rowHeight(0), 16);
        const auto& t = g1->modell()->tabelle();
        QCOMPARE(t.text(0, 0).trimmed(), QStringLiteral("Reihe"));
        for (int c = 1; c <= 6; ++c)
            QCOMPARE(t.text(0, c).trimmed(), QString::number(c));
        QCOMPARE(t.text(0, 7).trimmed(), QStringLiteral("GKl."));
        QVERIFY(t.text(0, 7).startsWith(u' ')); // padded to show right-aligned
        QVERIFY(t.istLeer(0, 8));

        ui::ZeilenGitter* g2 = h.finde<ui::ZeilenGitter>(namen::G2);
        QCOMPARE(g2->model()->rowCount(), 6);
        QCOMPARE(g2->columnWidth(0), 46);
        QCOMPARE(g2->columnWidth(1), 48);
        QCOMPARE(g2->columnWidth(2), 96);
        const auto& t2 = g2->modell()->tabelle();
        const QStringList koepfe = {"GKl.", "Anzahl", "Gewinn"};
        for (int c = 0; c < 3; ++c)
            QCOMPARE(t2.text(0, c).trimmed(), koepfe[c]);
        const QStringList raenge = {"6 Ri.", "5 + ZS", "5 Ri.", "4 Ri.", "3 + ZS", "3 Ri."};
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(t2.text(i, 0).trimmed(), raenge[i - 1]);
            QVERIFY(t2.istLeer(i, 1));
            QVERIFY(t2.istLeer(i, 2));
        }
        QVERIFY(g2->height() - 2 * g2->frameWidth() >= 17 + 6 * 16); // header and six rows fit
        QAbstractItemModelTester pruefer1(g1->model(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester pruefer2(g2->model(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void optionenAusDerDatei_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QPoint>("ort");
        QTest::addColumn<bool>("sofort");
        QTest::addColumn<bool>("sofortQ");
        QTest::addColumn<QString>("stand");
        QTest::newRow("ohne Position")
            << QByteArray("[Wach]\r\nStand=12,50\r\n") << QPoint(0, 70) << true << true << "12,50";
        QTest::newRow("Position") << QByteArray("[Position]\r\nFGewonnen-left=50\r\nFGewonnen-top=35\r\n")
                                  << QPoint(50, 35) << true << true << "0";
        QTest::newRow("hex") << QByteArray("[Position]\r\nFGewonnen-left=0x3C\r\n") << QPoint(60, 70) << true
                             << true << "0";
        // 962 x 690 pixels on a screen of 1024 x 768: moved just inside.
        QTest::newRow("unten rechts hinaus")
            << QByteArray("[Position]\r\nFGewonnen-left=120\r\nFGewonnen-top=100\r\n") << QPoint(62, 78)
            << true << true << "0";
        QTest::newRow("klein geschrieben")
            << QByteArray("[position]\r\nfgewonnen-top=9\r\n") << QPoint(0, 9) << true << true << "0";
        QTest::newRow("sofort abc") << QByteArray("[Auswertung]\r\nsofort=abc\r\nsofortQ=0\r\n")
                                    << QPoint(0, 70) << true << false << "0";
        QTest::newRow("sofort 2") << QByteArray("[Auswertung]\r\nsofort=2\r\n") << QPoint(0, 70) << true
                                  << true << "0";
        QTest::newRow("sofort 0") << QByteArray("[Auswertung]\r\nsofort=0\r\n") << QPoint(0, 70) << false
                                  << true << "0";
        QTest::newRow("leerer Stand")
            << QByteArray("[Wach]\r\nStand=\r\n") << QPoint(0, 70) << true << true << "";
        // Shown as it is, never as markup (no picture loaded, no large red text).
        QTest::newRow("Stand mit Auszeichnung") << QByteArray("[Wach]\r\nStand=<img src=\"x.png\">\r\n")
                                                << QPoint(0, 70) << true << true << "<img src=\"x.png\">";
    }
    void optionenAusDerDatei() {
        QFETCH(QByteArray, datei);
        QFETCH(QPoint, ort);
        QFETCH(bool, sofort);
        QFETCH(bool, sofortQ);
        QFETCH(QString, stand);
        Hauptfensterhilfe h;
        schreibe(h.ordner.optionenDatei(), datei);
        h.starten();
        QCOMPARE(h.fenster->pos(), ort);
        QCOMPARE(h.finde<QCheckBox>(namen::cbSofort)->isChecked(), sofort);
        QCOMPARE(h.finde<QCheckBox>(namen::cbSofortQ)->isChecked(), sofortQ);
        QCOMPARE(h.finde<QLabel>(namen::leur)->text(), stand);
        QCOMPARE(h.finde<QLabel>(namen::leur)->textFormat(), Qt::PlainText);
    }

    // The counter in its narrow field: a wide text is drawn smaller, then cut, the whole of it in
    // the tooltip; the label keeps the whole text, which closing stores.
    void zaehlerPasstInsFeld_data() {
        QTest::addColumn<QString>("stand");
        QTest::addColumn<bool>("kleiner");
        QTest::addColumn<bool>("gekuerzt");
        QTest::newRow("kurz") << "1.234,56" << false << false;
        QTest::newRow("mit Euro") << "12.345,67 €" << true << false;
        QTest::newRow("lang") << "123.456.789.012,34 € <b>" << true << true;
    }
    void zaehlerPasstInsFeld() {
        QFETCH(QString, stand);
        QFETCH(bool, kleiner);
        QFETCH(bool, gekuerzt);
        Hauptfensterhilfe h;
        schreibe(h.ordner.optionenDatei(), "[Wach]\r\nStand=" + stand.toUtf8() + "\r\n");
        h.starten();
        const auto* zaehler = h.finde<ui::Zaehleranzeige>(namen::leur);
        QCOMPARE(zaehler->text(), stand);
        QVERIFY(QFontMetrics(zaehler->gezeigteSchrift()).horizontalAdvance(zaehler->gezeigterText()) <=
                zaehler->contentsRect().width());
        QCOMPARE(zaehler->gezeigteSchrift().pixelSize() < zaehler->font().pixelSize(), kleiner);
        QCOMPARE(zaehler->gezeigterText() != stand, gekuerzt);
        QTextDocument tipp;
        tipp.setHtml(zaehler->toolTip());
        QCOMPARE(tipp.toPlainText(), kleiner ? stand : QString());
        h.fenster->close();
        QCOMPARE(h.optionen().leseText(QStringLiteral("Wach"), QStringLiteral("Stand"), QString()), stand);
    }

    void editorPosition() {
        Hauptfensterhilfe h;
        schreibe(h.ordner.optionenDatei(), "[Position]\r\nFEingabe-left=0x64\r\n");
        h.starten();
        ui::TFEingabe editor(h.umgebung.get(), h.ordner);
        QCOMPARE(editor.pos(), QPoint(100, 70));
        QCOMPARE(editor.windowTitle(), QStringLiteral("Remisator 1.3.0.0"));
        QCOMPARE(editor.size(), QSize(463, 690));
        QVERIFY(editor.isHidden());
    }

    // Every error while the windows are built is shown, and no window stays.
    void aufbauScheitert_data() {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("gelingt") << 0 << "";
        QTest::newRow("Fehler im Hauptfenster") << 1 << "Das Fenster kann nicht gebaut werden.";
        QTest::newRow("Editor ohne Speicher") << 2 << "Zu wenig Arbeitsspeicher.";
        QTest::newRow("unbekannter Fehler im Editor") << 3 << "Unerwarteter Fehler.";
    }
    void aufbauScheitert() {
        QFETCH(int, fall);
        QFETCH(QString, meldung);
        Hauptfensterhilfe h;
        const qsizetype fensterVorher = QApplication::topLevelWidgets().size();
        const auto gebaut = [&]() -> QWidget* {
            switch (fall) {
            case 0:
                return app::FensterAufbauen<TFGewonnen, ui::TFEingabe>(h.umgebung.get(), h.ordner).release();
            case 1:
                return app::FensterAufbauen<ScheiterndesFenster, ui::TFEingabe>(h.umgebung.get(), h.ordner)
                    .release();
            case 2:
                return app::FensterAufbauen<TFGewonnen, ScheiternderEditor<std::bad_alloc>>(h.umgebung.get(),
                                                                                            h.ordner)
                    .release();
            default:
                return app::FensterAufbauen<TFGewonnen, ScheiternderEditor<int>>(h.umgebung.get(), h.ordner)
                    .release();
            }
        };
        const std::unique_ptr<QWidget> haupt(gebaut());
        if (meldung.isEmpty()) {
            QVERIFY(haupt);
            QVERIFY(haupt->findChild<ui::TFEingabe*>());
            QVERIFY(h.umgebung.meldungen.empty());
            QCOMPARE(QApplication::topLevelWidgets().size(), fensterVorher + 2);
        } else {
            QVERIFY(!haupt);
            QVERIFY2(h.umgebung.nurMeldung(FakeUmgebung::Art::Fehler, meldung),
                     qPrintable(h.umgebung.meldungstexte()));
            QCOMPARE(QApplication::topLevelWidgets().size(), fensterVorher);
        }
    }

    void schliessenSchreibtDieOptionen() {
        Hauptfensterhilfe h;
        h.starten();
        h.fenster->show();
        QSignalSpy ende(h.fenster.get(), &TFGewonnen::geschlossen);
        QTest::mouseClick(h.finde<QToolButton>(namen::ProgrammBeenden), Qt::LeftButton);
        QCOMPARE(ende.count(), 1);
        QCOMPARE(inhalt(h.ordner.optionenDatei()),
                 QByteArray("[Auswertung]\r\nsofort=1\r\nsofortQ=1\r\n[Wach]\r\nStand=0\r\n"));

        // unticked, the next start shows the box unticked
        h.starten();
        h.fenster->show();
        QTest::mouseClick(h.finde<QCheckBox>(namen::cbSofort), Qt::LeftButton);
        QVERIFY(!h.finde<QCheckBox>(namen::cbSofort)->isChecked());
        h.fenster->close();
        QCOMPARE(h.optionen().leseText(QStringLiteral("Auswertung"), QStringLiteral("sofort"), QString()),
                 QStringLiteral("0"));
        h.starten();
        QVERIFY(!h.finde<QCheckBox>(namen::cbSofort)->isChecked());
        QVERIFY(h.finde<QCheckBox>(namen::cbSofortQ)->isChecked());
        QVERIFY(h.umgebung.meldungen.empty());
    }

    void positionsknopf() {
        Hauptfensterhilfe h;
        h.starten();
        h.fenster->move(50, 35);
        QTest::mouseClick(h.finde<QToolButton>(namen::PositionSpeichern), Qt::LeftButton);
        // pressed without a settings file, it creates the file with just that section
        QCOMPARE(inhalt(h.ordner.optionenDatei()),
                 QByteArray("[Position]\r\nFGewonnen-left=50\r\nFGewonnen-top=35\r\n"));
        h.starten();
        QCOMPARE(h.fenster->pos(), QPoint(50, 35));
    }

    void fehlenderEinstellungsordner() {
        Hauptfensterhilfe h;
        h.starten();
        QDir(h.ordner.SettingsDir).removeRecursively();
        h.fenster->close();
        QVERIFY(h.umgebung.nurMeldung(
            FakeUmgebung::Art::Fehler,
            QStringLiteral(
                "In %1 kann nicht geschrieben werden\n\nDie Datei oder der Ordner existiert nicht.")
                .arg(h.ordner.optionenDatei())));
    }

    void fehlgeschlagenesSchreibenLaesstDieDateiGanz() {
        // A file size limit lets the write fail, as a full disk does, also for root.
        Hauptfensterhilfe h;
        const QByteArray alt("[Wach]\r\nStand=7\r\n");
        schreibe(h.ordner.optionenDatei(), alt);
        h.starten();
        rlimit grenze{};
        getrlimit(RLIMIT_FSIZE, &grenze);
        signal(SIGXFSZ, SIG_IGN);
        rlimit eng = grenze;
        eng.rlim_cur = alt.size() - 1;
        setrlimit(RLIMIT_FSIZE, &eng);
        h.fenster->close();
        setrlimit(RLIMIT_FSIZE, &grenze);
        const std::vector<FakeUmgebung::Meldung> gezeigt = h.umgebung.nimmMeldungen();
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QCOMPARE(gezeigt[0].art, FakeUmgebung::Art::Fehler);
        QCOMPARE(inhalt(h.ordner.optionenDatei()), alt);
    }

    void gemerkterSpielscheinFehlt() {
        Hauptfensterhilfe h;
        schreibe(h.ordner.optionenDatei(), "[ZumStartEinlesen]\r\nSpielschein=" + h.ordner.SlipDir.toUtf8() +
                                               "weg.txt\r\nSpieltag=" + h.ordner.MatchdayDir.toUtf8() +
                                               "weg.sp45\r\n");
        h.starten();
        QVERIFY(h.umgebung.meldungen.empty());
        QCOMPARE(h.finde<QLabel>(namen::LDatei)->text(), QString());
    }

    // Each remembered file is read on its own: one that fails is reported, the other still loads.
    void gemerkteDateienStehenAllein_data() {
        QTest::addColumn<bool>("spieltagGut");
        QTest::addColumn<bool>("scheinGut");
        QTest::newRow("Spieltag zu kurz") << false << true;
        QTest::newRow("Schein ist ein Ordner") << true << false;
    }
    void gemerkteDateienStehenAllein() {
        QFETCH(bool, spieltagGut);
        QFETCH(bool, scheinGut);
        Hauptfensterhilfe h;
        testhilfe::Satz satz;
        satz.datum(44457); // 18.09.2021
        const QString spieltag = h.ordner.MatchdayDir + QStringLiteral("tag.sp45");
        schreibe(spieltag, spieltagGut ? satz.b : QByteArray(100, '\0'));
        const QString schein = h.ordner.SlipDir + QStringLiteral("schein.txt");
        if (scheinGut)
            schreibe(schein, "1,2,3,4,5,6\r\n");
        else
            QVERIFY(QDir().mkpath(schein));
        schreibe(h.ordner.optionenDatei(), "[ZumStartEinlesen]\r\nSpieltag=" + spieltag.toUtf8() +
                                               "\r\nSpielschein=" + schein.toUtf8() + "\r\n");
        h.starten();
        const std::vector<FakeUmgebung::Meldung> gezeigt = h.umgebung.nimmMeldungen();
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QCOMPARE(gezeigt[0].art, FakeUmgebung::Art::Fehler);
        QVERIFY2(
            gezeigt[0].text.contains(spieltagGut ? QStringLiteral("schein.txt") : QStringLiteral("tag.sp45")),
            qPrintable(gezeigt[0].text));
        QCOMPARE(h.finde<QLabel>(namen::LTag)->text(),
                 spieltagGut ? QStringLiteral("18.09.2021") : QString());
        QCOMPARE(h.finde<QLabel>(namen::PFoto, namen::LDatei)->text(),
                 scheinGut ? QStringLiteral("schein.txt") : QString());
    }

    void musterknopfNachDatei() {
        Hauptfensterhilfe h;
        schreibe(h.ordner.DataRoot + QStringLiteral("struktur.qui"), QByteArray(59, '\0'));
        h.starten();
        QVERIFY(h.finde<QToolButton>(namen::BQOpen)->isEnabled());
    }

    // The main window starts with the focus where a key changes nothing; Enter presses the focused
    // button, as Space does, and the focused button shows a frame.
    void tastaturImHauptfenster() {
        Hauptfensterhilfe h;
        h.starten();
        h.fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(h.fenster.get()));
        QCOMPARE(QApplication::focusWidget(), h.finde<QWidget>(namen::PFoto, namen::G1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(h.fenster->isVisible());

        auto* box = h.finde<QWidget>(namen::PFoto, "frAnzeige1")->findChild<QLineEdit*>(namen::ETZ);
        box->setText(QStringLiteral("7"));
        auto* loeschen = h.finde<QToolButton>(namen::PFoto, namen::GewinnreiheLoeschen);
        qApp->setStyleSheet(QString::fromUtf8(ui::Skin::stilvorlage()));
        const auto ohneSkin = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        const QImage ohneFokus = loeschen->grab().toImage();
        loeschen->setFocus(Qt::TabFocusReason);
        QVERIFY(loeschen->grab().toImage() != ohneFokus);
        QTest::keyClick(loeschen, Qt::Key_Return);
        QCOMPARE(box->text(), QString());
    }

    void enterImStartfenster() {
        Hauptfensterhilfe h;
        h.starten();
        auto* start = new TFStart;
        start->setSchrittdauer(0);
        start->setHauptfenster(h.fenster.get());
        start->show();
        QVERIFY(QTest::qWaitForWindowActive(start));
        start->setInitializationDone(true);
        QPointer<TFStart> zeiger(start);
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QVERIFY(h.fenster->isVisible());
        QTRY_VERIFY(zeiger.isNull());
    }

    void startfenster() {
        Hauptfensterhilfe h;
        h.starten();
        auto* start = new TFStart;
        start->setSchrittdauer(0);
        start->setHauptfenster(h.fenster.get());
        QCOMPARE(start->windowTitle(), QStringLiteral("Remisator 1.3.0.0"));
        QCOMPARE(start->size(), QSize(400, 300));
        start->show();
        QVERIFY(!start->BWeiter->isEnabled());
        QCOMPARE(start->BWeiter->cursor().shape(), Qt::WaitCursor);
        QCOMPARE(start->Video->text(), QStringLiteral("Das macht das Tool"));
        start->setInitializationDone(true);
        QVERIFY(start->BWeiter->isEnabled());
        QCOMPARE(start->BWeiter->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!h.fenster->isVisible());
        QPointer<TFStart> zeiger(start);
        QTest::mouseClick(start->BWeiter, Qt::LeftButton);
        QVERIFY(h.fenster->isVisible());
        QCOMPARE(h.fenster->windowOpacity(), 1.0);
        QTRY_VERIFY(zeiger.isNull()); // the start window is freed
    }
};

REMISATOR_TEST_MAIN(TstHauptfenster)
#include "tst_hauptfenster.moc"
