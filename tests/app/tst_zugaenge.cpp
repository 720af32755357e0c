#include "core/grund/Fehler.h"
#include "settings/Zuletzt.h"
#include "support/Hauptfensterhilfe.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"
#include "ui/hilfe/TFHilfe.h"
#include "ui/statistik/TFScheine.h"
#include "ui/statistik/TFStatistik.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

using testhilfe::FakeUmgebung;
namespace namen = ui::namen;

namespace {

const QString Beispiele = QStringLiteral(BEISPIELE);

// The main window shown and active, the examples' matchday and odds in the matchday folder.
struct Fenster : testhilfe::Hauptfensterhilfe {
    Fenster() {
        for (const char* datei : {"18092021.sp45", "18.09.2021.quo", "spielschein.txt"})
            QFile::copy(Beispiele + u'/' + QLatin1String(datei), ordner.MatchdayDir + QLatin1String(datei));
        starten();
        fenster->show();
        fenster->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(fenster.get())); }();
    }
    QString beispiel(const char* name) const { return ordner.MatchdayDir + QLatin1String(name); }
    QWidget* pfoto() const { return finde<QWidget>(namen::PFoto); }
    QWidget* spieltag() const { return finde<QTabWidget>(namen::PC1)->parentWidget(); }
    static QString text(QWidget* bereich, const char* name) {
        return bereich->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    static QToolButton* knopf(QWidget* bereich, const char* name) {
        return bereich->findChild<QToolButton*>(QString::fromLatin1(name));
    }

    // Files dropped from the desktop onto a control, as a file manager drops them.
    static void ablegen(QWidget* ziel, const QStringList& dateien) {
        QMimeData daten;
        QList<QUrl> urls;
        for (const QString& d : dateien)
            urls.append(QUrl::fromLocalFile(d));
        daten.setUrls(urls);
        const QPointF ort(5, 5);
        QDragEnterEvent hinein(ort.toPoint(), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ziel, &hinein);
        QVERIFY(hinein.isAccepted());
        QDropEvent ab(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ziel, &ab);
    }
    QWidget* ablageziel(const QString& welches) const {
        if (welches == u"Gitter")
            return finde<QAbstractItemView>(namen::PFoto, namen::G1)->viewport();
        if (welches == u"Paarungen")
            return finde<QTabWidget>(namen::PC1);
        return finde<QWidget>(namen::PFoto, namen::P116);
    }

    // The menu of the files opened last, opened on the button with the menu key; the entries' texts,
    // and the entry of that number chosen by its key (0: none).
    QStringList zuletzt(QAbstractButton* knopf, int waehlen) {
        QStringList eintraege;
        QTimer::singleShot(0, [&] {
            auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menue)
                return;
            for (QAction* a : menue->actions())
                eintraege.append(a->text());
            if (waehlen > 0)
                QTest::keyClick(menue, Qt::Key(Qt::Key_0 + waehlen));
            else
                menue->close();
        });
        knopf->setFocus();
        QTest::keyClick(knopf, Qt::Key_Menu);
        return eintraege;
    }
};

} // namespace

class TstZugaenge : public QObject {
    Q_OBJECT
private slots:
    // The main commands by key, with the key in their tooltips.
    void tastenkuerzel_data() {
        QTest::addColumn<QKeySequence>("taste");
        QTest::addColumn<QString>("dialog"); // the open or save dialog's title, else empty
        QTest::newRow("Strg+O") << QKeySequence(QStringLiteral("Ctrl+O"))
                                << QStringLiteral("Spielscheindatei einlesen");
        QTest::newRow("Strg+Umschalt+O")
            << QKeySequence(QStringLiteral("Ctrl+Shift+O")) << QStringLiteral("Spieltag öffnen");
        QTest::newRow("Strg+S") << QKeySequence(QStringLiteral("Ctrl+S"))
                                << QStringLiteral("Spielschein speichern");
        QTest::newRow("Strg+Umschalt+P")
            << QKeySequence(QStringLiteral("Ctrl+Shift+P")) << QStringLiteral("Auswertung als PDF speichern");
        QTest::newRow("F5") << QKeySequence(QStringLiteral("F5")) << QString();
        QTest::newRow("Strg+T") << QKeySequence(QStringLiteral("Ctrl+T")) << QString();
    }
    void tastenkuerzel() {
        QFETCH(QKeySequence, taste);
        QFETCH(QString, dialog);
        Fenster f;
        f.fenster->SpieltagEinlesen(f.beispiel("18092021.sp45"));
        f.fenster->SpielscheinEinlesen(f.beispiel("spielschein.txt"));
        if (taste == QKeySequence(QStringLiteral("Ctrl+Shift+P")))
            f.umgebung.antworteFrage(false);
        if (taste[0].key() == Qt::Key_O)
            f.umgebung.antworteOeffnen(std::nullopt);
        else if (!dialog.isEmpty())
            f.umgebung.antworteSpeichern(std::nullopt);
        QTest::keySequence(f.fenster.get(), taste);
        // A button pressed by its key shows itself pressed for a moment first.
        const auto titel = [&] {
            QStringList t;
            for (const auto* auftraege : {&f.umgebung.oeffnenAuftraege, &f.umgebung.speichernAuftraege})
                for (const ui::DialogAuftrag& d : *auftraege)
                    t.append(d.titel);
            return t;
        };
        QTRY_COMPARE(titel(), dialog.isEmpty() ? QStringList() : QStringList{dialog});
        f.umgebung.nimmMeldungen();
        if (taste == QKeySequence(Qt::Key_F5))
            QTRY_COMPARE(f.text(f.pfoto(), namen::LGesGewinn), QStringLiteral("162.486,90"));
        if (taste == QKeySequence(QStringLiteral("Ctrl+T")))
            QTRY_VERIFY(f.fenster->findChild<ui::TFStatistik*>());
    }

    void tooltipsNennenDieTaste_data() {
        QTest::addColumn<QString>("teil");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("öffnen") << "PFoto" << namen::SpielscheinEinlesen
                                << "Spielschein einlesen... (Strg+O)";
        QTest::newRow("speichern") << "PFoto" << namen::BSave << "Als Spielschein speichern... (Strg+S)";
        QTest::newRow("auswerten") << "PFoto" << namen::BAuswerten
                                   << "Alle Tippreihen mit der Gewinnreihe vergleichen (F5)";
        QTest::newRow("Spieltag") << "Spieltag" << namen::BOpen
                                  << "Eine Spieltag-Datei öffnen (Strg+Umschalt+O)";
    }
    void tooltipsNennenDieTaste() {
        QFETCH(QString, teil);
        QFETCH(QString, name);
        QFETCH(QString, tooltip);
        Fenster f;
        QCOMPARE(Fenster::knopf(teil == u"PFoto" ? f.pfoto() : f.spieltag(), qPrintable(name))->toolTip(),
                 tooltip);
    }

    // F1 opens the help: each key with its command and place, and where the features live; Esc closes it.
    void hilfeMitF1() {
        Fenster f;
        QTest::keyClick(f.fenster.get(), Qt::Key_F1);
        auto* hilfe = f.fenster->findChild<ui::TFHilfe*>();
        QVERIFY(hilfe && hilfe->isVisible());
        QStringList zeilen = hilfe->text().split(u'\n');
        for (QString& z : zeilen)
            z = z.simplified();
        for (const char* zeile :
             {"Strg+O: Spielschein einlesen... – Auswertung, über dem Reihengitter",
              "F5: Gewinn- Prüfung – Auswertung, unten",
              "Strg+P: Auswertung drucken... – Kontextmenü des Reihengitters",
              "Strg+T: Statistik über alle Spieltage... – Kontextmenü des Reihengitters",
              "Strg+W: Eigenes System erstellen... – Kontextmenü des Reihengitters",
              "F1: Diese Hilfe – überall im Programm",
              "Dateien ablegen: Spielscheine (*.txt) auf das Reihengitter ziehen (mehrere öffnen „Mehrere "
              "Spielscheine auswerten...“), Spieltage (*.sp45) auf die Paarungen, Quoten (*.quo) auf die "
              "Quoten"})
            QVERIFY2(zeilen.contains(QString::fromUtf8(zeile)), zeile);
        QVERIFY(QTest::qWaitForWindowActive(hilfe));
        const QPointer<ui::TFHilfe> offen(hilfe);
        QTest::keyClick(hilfe, Qt::Key_Escape);
        QTRY_VERIFY(!offen);
    }

    // The files opened last, newest first, offered on the open buttons and reached by keyboard; a
    // choice reads the file as the dialog does, and it is read again at the next start.
    void zuletztGeoeffnet() {
        Fenster f;
        const QString a =
            testhilfe::dateiSchreiben(f.ordner.SlipDir + QStringLiteral("a.txt"), "1,2,3,4,5,6\r\n");
        const QString b = testhilfe::dateiSchreiben(f.ordner.SlipDir + QStringLiteral("b.txt"),
                                                    "1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n");
        QToolButton* oeffnen = f.knopf(f.pfoto(), namen::SpielscheinEinlesen);
        QCOMPARE(f.zuletzt(oeffnen, 0), QStringList{"Noch nichts geöffnet"});
        for (const QString& d : {a, b}) {
            f.umgebung.antworteOeffnen(d);
            QTest::mouseClick(oeffnen, Qt::LeftButton);
        }
        QCOMPARE(f.zuletzt(oeffnen, 2), QStringList({"&1 b.txt", "&2 a.txt"}));
        QCOMPARE(f.text(f.pfoto(), namen::LReihen), QStringLiteral("1"));
        QCOMPARE(f.optionen().leseText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spielschein"), {}),
                 a);
        QCOMPARE(f.zuletzt(oeffnen, 0), QStringList({"&1 a.txt", "&2 b.txt"}));

        // A file that is gone is taken off with a note; the grid keeps its rows.
        QFile::remove(b);
        f.zuletzt(oeffnen, 2);
        QVERIFY(
            f.umgebung.nurMeldung(FakeUmgebung::Art::Information,
                                  QStringLiteral("Die Datei „%1“ gibt es nicht mehr. Sie wurde aus der Liste "
                                                 "der zuletzt geöffneten Dateien entfernt.")
                                      .arg(b)));
        QCOMPARE(f.text(f.pfoto(), namen::LReihen), QStringLiteral("1"));
        QCOMPARE(settings::Zuletzt(f.optionen(), settings::Zuletzt::Spielscheine).liste(), QStringList{a});

        // The matchdays have their own list.
        QCOMPARE(f.zuletzt(f.knopf(f.spieltag(), namen::BOpen), 0), QStringList{"Noch nichts geöffnet"});
    }

    // The folders of many-slip runs, offered on "Spielscheine wählen...": the dialog opens there.
    void zuletztVerwendeteOrdner() {
        Fenster f;
        f.fenster->SpieltagEinlesen(f.beispiel("18092021.sp45"));
        f.umgebung.antworteMehrereOeffnen({f.beispiel("spielschein.txt")});
        QVERIFY(f.kontextmenue(QStringLiteral("Mehrere Spielscheine auswerten...")));
        auto* w = f.fenster->findChild<ui::TFScheine*>();
        QTRY_VERIFY(!w->laeuft());
        f.umgebung.antworteMehrereOeffnen({});
        QCOMPARE(
            f.zuletzt(w->findChild<QAbstractButton*>(namen::BWaehlen), 1),
            QStringList{"&1 " + QDir::toNativeSeparators(QFileInfo(f.ordner.MatchdayDir).absolutePath())});
        QCOMPARE(f.umgebung.oeffnenAuftraege.back().startOrdner,
                 QFileInfo(f.ordner.MatchdayDir).absolutePath());
    }

    // Files dropped onto the grid, the pairings and the odds: read as the open dialogs read them, or
    // refused with what the place takes, changing nothing.
    void ablegen_data() {
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QStringList>("dateien");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("reihen"); // LReihen afterwards
        QTest::addColumn<QString>("tag");    // LTag afterwards
        QTest::addColumn<QString>("quoten"); // LDatei3 afterwards
        const QString gitter =
            QStringLiteral("Auf das Reihengitter lassen sich nur Spielscheine (*.txt) ablegen.");
        const QString paarungen =
            QStringLiteral("Auf die Paarungen lässt sich nur eine Spieltag-Datei (*.sp45) ablegen.");
        const QString quoten =
            QStringLiteral("Auf die Quoten lässt sich nur eine Quotendatei (*.quo) ablegen.");
        QTest::newRow("Schein aufs Gitter") << "Gitter" << QStringList{"spielschein.txt"} << QString() << "12"
                                            << ""
                                            << "";
        QTest::newRow("Spieltag aufs Gitter") << "Gitter" << QStringList{"18092021.sp45"} << gitter << "0"
                                              << ""
                                              << "";
        QTest::newRow("Spieltag auf die Paarungen")
            << "Paarungen" << QStringList{"18092021.sp45"} << QString() << "0"
            << "18.09.2021"
            << "18.09.2021.quo";
        QTest::newRow("zwei Spieltage")
            << "Paarungen" << QStringList{"18092021.sp45", "18092021.sp45"} << paarungen << "0"
            << ""
            << "";
        QTest::newRow("Schein auf die Paarungen")
            << "Paarungen" << QStringList{"spielschein.txt"} << paarungen << "0"
            << ""
            << "";
        QTest::newRow("Quoten auf die Quoten")
            << "Quoten" << QStringList{"18.09.2021.quo"} << QString() << "0"
            << ""
            << "18.09.2021.quo";
        QTest::newRow("Schein auf die Quoten") << "Quoten" << QStringList{"spielschein.txt"} << quoten << "0"
                                               << ""
                                               << "";
    }
    void ablegen() {
        QFETCH(QString, ziel);
        QFETCH(QStringList, dateien);
        QFETCH(QString, meldung);
        QFETCH(QString, reihen);
        QFETCH(QString, tag);
        QFETCH(QString, quoten);
        Fenster f;
        QStringList pfade;
        for (const QString& d : dateien)
            pfade.append(f.ordner.MatchdayDir + d);
        Fenster::ablegen(f.ablageziel(ziel), pfade);
        if (meldung.isEmpty())
            QVERIFY(f.umgebung.meldungen.empty());
        else
            QVERIFY(f.umgebung.nurMeldung(FakeUmgebung::Art::Warnung, meldung));
        QCOMPARE(f.text(f.pfoto(), namen::LReihen), reihen);
        QCOMPARE(f.text(f.spieltag(), namen::LTag), tag);
        QCOMPARE(f.text(f.pfoto(), namen::LDatei3), quoten);
        // Not read again at the next start.
        QCOMPARE(f.optionen().leseText(QStringLiteral("ZumStartEinlesen"), QStringLiteral("Spieltag"), {}),
                 QString());
    }

    // Several slips on the grid open the many-slips window with them.
    void mehrereScheineAufsGitter() {
        Fenster f;
        f.fenster->SpieltagEinlesen(f.beispiel("18092021.sp45"));
        const QString zweiter =
            testhilfe::dateiSchreiben(f.ordner.SlipDir + QStringLiteral("z.txt"), "3,8,15,22,30,41\r\n");
        Fenster::ablegen(f.ablageziel(QStringLiteral("Gitter")), {f.beispiel("spielschein.txt"), zweiter});
        auto* w = f.fenster->findChild<ui::TFScheine*>();
        QVERIFY(w);
        QTRY_VERIFY(!w->laeuft());
        QTRY_VERIFY(w->findChild<QLabel*>(namen::LSumme)
                        ->text()
                        .startsWith(QStringLiteral("Gesamt über 2 Spielscheine mit 13 Reihen — 6 Ri.: 2,")));
    }

    // "remisator DATEI": the kind by the extension; a missing file or one that cannot be read is said.
    void dateiVonDerBefehlszeile_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QString>("reihen");
        QTest::addColumn<QString>("tag");
        QTest::newRow("Spielschein") << "spielschein.txt" << QString() << "12"
                                     << "";
        QTest::newRow("Spieltag") << "18092021.sp45" << QString() << "0"
                                  << "18.09.2021";
        QTest::newRow("fehlt") << "weg.sp45"
                               << "Die Datei „%1“ gibt es nicht."
                               << "0"
                               << "";
        QTest::newRow("kein Spieltag") << "kaputt.sp45"
                                       << "*"
                                       << "0"
                                       << "";
    }
    void dateiVonDerBefehlszeile() {
        QFETCH(QString, datei);
        QFETCH(QString, fehler);
        QFETCH(QString, reihen);
        QFETCH(QString, tag);
        Fenster f;
        testhilfe::dateiSchreiben(f.ordner.MatchdayDir + QStringLiteral("kaputt.sp45"), "kein Spieltag");
        const QString pfad = f.ordner.MatchdayDir + datei;
        QString gezeigt;
        try {
            f.fenster->DateiOeffnen(pfad);
        } catch (const core::Fehler& e) {
            gezeigt = e.text();
        }
        if (fehler == u"*")
            QVERIFY(!gezeigt.isEmpty());
        else
            QCOMPARE(gezeigt, fehler.isEmpty() ? QString() : fehler.arg(pfad));
        QCOMPARE(f.text(f.pfoto(), namen::LReihen), reihen);
        QCOMPARE(f.text(f.spieltag(), namen::LTag), tag);
    }
};

REMISATOR_TEST_MAIN(TstZugaenge)
#include "tst_zugaenge.moc"
