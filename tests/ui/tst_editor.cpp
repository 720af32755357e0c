#include "support/Dateigrenze.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/bausteine/Skin.h"
#include "ui/editor/TFEingabe.h"
#include "ui/gitter/ZeilenGitter.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringEncoder>
#include <QToolButton>

using testhilfe::dateiLesen;
using testhilfe::dateiSchreiben;
using testhilfe::FakeUmgebung;
using testhilfe::spalte;
namespace namen = ui::namen;

namespace {

// The main window with the editor created as at program start and shown by its button.
struct Editor : testhilfe::Hauptfensterhilfe {
    ui::TFEingabe* e = nullptr;

    explicit Editor(bool zeigen = true) {
        starten();
        fenster->show();
        e = new ui::TFEingabe(umgebung.get(), ordner, fenster.get());
        fenster->setEditor(e);
        if (zeigen)
            QTest::mouseClick(finde<QToolButton>(namen::SpielscheinErstellen), Qt::LeftButton);
    }
    template <typename T> T* im(const char* name) const {
        return e->findChild<T*>(QString::fromLatin1(name));
    }
    QToolButton* knopf(const char* name) const { return im<QToolButton>(name); }
    QString text(const char* name) const { return im<QLabel>(name)->text(); }
    QPlainTextEdit* m1() const { return im<QPlainTextEdit>(namen::m1); }
    ui::ZeilenGitter* G1() const { return im<ui::ZeilenGitter>(namen::EditorG1); }
    const core::Zeilentabelle& g1() const { return G1()->modell()->tabelle(); }
    // The main window's row grid and labels, below its column: the editor reuses their names.
    template <typename T> T* haupt(const char* name) const { return finde<T>(namen::PFoto, name); }
    ui::ZeilenGitter* hauptG1() const { return haupt<ui::ZeilenGitter>(namen::G1); }
    const core::Zeilentabelle& haupt() const { return hauptG1()->modell()->tabelle(); }
    void klick(const char* name) const { QTest::mouseClick(knopf(name), Qt::LeftButton); }

    void einfuegen(const QString& text) const {
        QGuiApplication::clipboard()->setText(text);
        m1()->setFocus();
        QTest::keyClick(m1(), Qt::Key_V, Qt::ControlModifier);
    }
    void auslesen(const QString& text) const {
        m1()->clear();
        einfuegen(text);
        klick(namen::BAuslesen);
    }
    QList<QStringList> reihen() const {
        QList<QStringList> r;
        for (int z = 1; z < g1().zeilen(); ++z) {
            QStringList zellen;
            for (int c = 1; c <= 6; ++c)
                zellen.append(g1().text(z, c));
            r.append(zellen);
        }
        return r;
    }
    void textfeldIstLeer() const {
        QCOMPARE(text(namen::LZeilen), QStringLiteral("0"));
        QVERIFY(!knopf(namen::BAuslesen)->isEnabled());
        QVERIFY(!knopf(namen::BDel)->isEnabled());
    }
    QStringList nummern() const {
        QStringList n = spalte(g1(), 0);
        for (QString& s : n)
            s = s.trimmed();
        return n;
    }
};

// What a file dialog was asked to show; "fragt" when it asks before overwriting.
QStringList auftrag(const ui::DialogAuftrag& d) {
    return {d.titel, d.filter, d.standardEndung, d.startOrdner, d.ueberschreibenFragen ? "fragt" : ""};
}

QStringList eins_bis(int n) {
    QStringList s;
    for (int i = 1; i <= n; ++i)
        s.append(QString::number(i));
    return s;
}

} // namespace

class TstEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    void aufbau() {
        Editor f(false);
        QVERIFY(f.e->isHidden());
        QTest::mouseClick(f.finde<QToolButton>(namen::SpielscheinErstellen), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(f.e));
        QCOMPARE(f.e->windowTitle(), QStringLiteral("Remisator 1.3.0.0"));
        QCOMPARE(f.e->size(), QSize(463, 690));
        const std::pair<const char*, const char*> knoepfe[] = {
            {namen::EditorOeffnen, "Textdatei öffnen..."},
            {namen::BAuslesen, "Auslesen"},
            {namen::BDel, "Textfeld löschen"},
            {namen::EditorSpeichern, "Als Spielschein speichern..."},
            {namen::EditorExport, ""},
            {namen::EditorGridDel, "Reihen löschen"},
            {namen::BTransfer, "Reihen zur  Aus- wertung kopieren"},
            {namen::BClose, ""},
            {namen::EditorPosition, ""}};
        for (const auto& [name, text] : knoepfe) {
            QCOMPARE(f.knopf(name)->text(), QString::fromUtf8(text));
            const bool anfangsAus = name == namen::BAuslesen || name == namen::BDel;
            QCOMPARE(f.knopf(name)->isEnabled(), !anfangsAus);
        }
        QCOMPARE(f.text(namen::Trennzeichen),
                 QStringLiteral("Trennzeichen können ein Komma ( (6,12,20), ein Semikolon (6;12;20), ein "
                                "Leerzeichen (6 12 20) oder ein Tab sein.  "));
        bool titel = false;
        for (const QLabel* l : f.e->findChildren<QLabel*>())
            titel = titel || l->text() == QStringLiteral("Von Tippreihen zum Spielschein");
        QVERIFY(titel);
        for (const char* name : {namen::LZeilen, namen::EditorLReihen})
            QCOMPARE(f.text(name), QStringLiteral("0"));
        QCOMPARE(f.text(namen::LDatei0), QString());
        QCOMPARE(f.text(namen::EditorLDatei), QString());

        auto* g1 = f.im<ui::ZeilenGitter>(namen::EditorG1);
        QAbstractItemModelTester pruefer(g1->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(g1->model()->rowCount(), 35);
        QCOMPARE(g1->model()->columnCount(), 7);
        QCOMPARE(g1->columnWidth(0), 40);
        for (int c = 1; c <= 6; ++c) {
            QCOMPARE(g1->columnWidth(c), 26);
            QCOMPARE(f.g1().text(0, c).trimmed(), QString::number(c));
        }
        QCOMPARE(f.g1().text(0, 0).trimmed(), QStringLiteral("Reihe"));
        QCOMPARE(f.nummern(), eins_bis(35));
    }

    void anleitungZeigtEinUndZeichen() {
        // "&&" is the escape of one ampersand: the label must look like one showing "copy & paste".
        Editor f;
        QLabel* a = f.im<QLabel>(namen::Anleitung);
        QCOMPARE(a->text(),
                 QStringLiteral("Tippreihen können hier auf drei Wegen zugeführt werden. Über copy && "
                                "paste, durch das Einlesen einer Text-Datei und manuelles Eintragen."));
        const auto bild = [&](const QString& text) {
            QLabel l(text);
            l.setFont(a->font());
            l.setWordWrap(true);
            l.resize(a->size());
            return l.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage gezeigt = a->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(gezeigt, bild(QString(a->text()).replace(QStringLiteral("&&"), QStringLiteral("&"))));
        QVERIFY(gezeigt != bild(a->text()));
    }

    void zeilenUndKnoepfe_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("zeilen");
        QTest::newRow("eine") << "1,2,3"
                              << "1";
        QTest::newRow("letzte Leerzeile zählt nicht") << "a\nb\n"
                                                      << "2";
        QTest::newRow("Leerzeile dazwischen zählt") << "a\n\nb"
                                                    << "3";
        QTest::newRow("nur ein Zeilenende") << "\n"
                                            << "1";
    }

    void zeilenUndKnoepfe() {
        QFETCH(QString, text);
        QFETCH(QString, zeilen);
        Editor f;
        f.einfuegen(text);
        QCOMPARE(f.text(namen::LZeilen), zeilen);
        QVERIFY(f.knopf(namen::BAuslesen)->isEnabled());
        QVERIFY(f.knopf(namen::BDel)->isEnabled());
        f.m1()->selectAll();
        QTest::keyClick(f.m1(), Qt::Key_Delete);
        f.textfeldIstLeer();
    }

    void tabsWerdenKommas() {
        Editor f;
        f.einfuegen(QStringLiteral("1\t2\t3\t4\t5\t6\n7\t8\t9\t10\t11\t12"));
        QCOMPARE(f.m1()->toPlainText(), QStringLiteral("1,2,3,4,5,6\n7,8,9,10,11,12"));
        QCOMPARE(f.m1()->textCursor().position(), 26); // still behind the pasted text
        QCOMPARE(f.text(namen::LZeilen), QStringLiteral("2"));
        QTest::keyClick(f.m1(), Qt::Key_Tab);
        QTest::keyClicks(f.m1(), QStringLiteral("13"));
        QCOMPARE(f.m1()->toPlainText(), QStringLiteral("1,2,3,4,5,6\n7,8,9,10,11,12,13"));
    }

    void auslesen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("erwartet");
        QTest::addColumn<QString>("meldung");
        const QString keineTipps =
            QStringLiteral(" übersprungen: keine sechs verschiedenen Zahlen von 1 bis 45");
        QTest::newRow("Leerzeichen") << "1 2 3 4 5 6\n7 8 9 10 11 12\n13 14 15 16 17 18"
                                     << QList<QStringList>{{"1", "2", "3", "4", "5", "6"},
                                                           {"7", "8", "9", "10", "11", "12"},
                                                           {"13", "14", "15", "16", "17", "18"}}
                                     << "";
        QTest::newRow("Komma und Leerzeichen")
            << "3, 8, 15, 22, 30, 41" << QList<QStringList>{{"3", "8", "15", "22", "30", "41"}} << "";
        QTest::newRow("Leerzeilen übersprungen")
            << "  1,2,3,4,5,6  \n\n   \n7,8,9,10,11,12\n\n13,14,15,16,17,18\n"
            << QList<QStringList>{{"1", "2", "3", "4", "5", "6"},
                                  {"7", "8", "9", "10", "11", "12"},
                                  {"13", "14", "15", "16", "17", "18"}}
            << "";
        QTest::newRow("Kopfzeile") << "Tipps vom Samstag\n1 2 3 4 5 6"
                                   << QList<QStringList>{{"1", "2", "3", "4", "5", "6"}}
                                   << "1 Zeile" + keineTipps;
        QTest::newRow("sieben und vier Zahlen, Komma vorn")
            << "1,2,3,4,5,6,7\n8,9,10,11\n,1,2,3,4,5\n1,2,3,4,5,6"
            << QList<QStringList>{{"1", "2", "3", "4", "5", "6"}} << "3 Zeilen" + keineTipps;
        QTest::newRow("Semikolon, eine Zeile")
            << "6;12;20;30;40;45" << QList<QStringList>{{"6", "12", "20", "30", "40", "45"}} << "";
        QTest::newRow("Semikolon, zwei Zeilen")
            << "1;2;3;4;5;6\n7;8;9;10;11;12"
            << QList<QStringList>{{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}} << "";
        QTest::newRow("Tabs") << "1\t2\t3\t4\t5\t6" << QList<QStringList>{{"1", "2", "3", "4", "5", "6"}}
                              << "";
    }

    void auslesen() {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, erwartet);
        QFETCH(QString, meldung);
        Editor f;
        f.einfuegen(text);
        const QString gezeigt = f.m1()->toPlainText();
        QAbstractItemModelTester pruefer(f.G1()->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.klick(namen::BAuslesen);
        QCOMPARE(f.reihen(), erwartet);
        QCOMPARE(f.nummern(), eins_bis(int(erwartet.size())));
        QCOMPARE(f.G1()->model()->rowCount(), int(erwartet.size()));
        QCOMPARE(f.text(namen::EditorLReihen), QString::number(erwartet.size()));
        QCOMPARE(f.m1()->toPlainText(), gezeigt); // the text field keeps the untrimmed text
        if (meldung.isEmpty())
            QVERIFY(f.umgebung.meldungen.empty());
        else
            QVERIFY2(f.umgebung.nurMeldung(FakeUmgebung::Art::Information, meldung),
                     qPrintable(f.umgebung.meldungstexte()));
    }

    void nichtsAusgelesen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kurze erste Zeile")
            << "1,2,3\n4,5,6,7,8,9"
            << "Aus dem Text lässt sich keine Tippreihe auslesen: Die erste Zeile hat weniger als sieben "
               "Zeichen.\n\nIch breche erst einmal ab.";
        QTest::newRow("Nummernspalte")
            << "1;3;8;15;22;30;41\n2;1;2;3;4;5;6"
            << "Aus dem Text lässt sich keine Tippreihe auslesen (2 Zeilen übersprungen: "
               "keine sechs verschiedenen Zahlen von 1 bis 45).\n\nIch breche erst "
               "einmal ab.";
    }

    void nichtsAusgelesen() {
        // The rows read before stay as they were, and a message says why nothing was read.
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        Editor f;
        f.auslesen(QStringLiteral("1 2 3 4 5 6\n7 8 9 10 11 12"));
        f.auslesen(text);
        QCOMPARE(f.reihen(),
                 (QList<QStringList>{{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}}));
        QCOMPARE(f.text(namen::EditorLReihen), QStringLiteral("2"));
        QCOMPARE(f.nummern(), (QStringList{"1", "2"}));
        const std::vector<FakeUmgebung::Meldung> gezeigt = f.umgebung.nimmMeldungen();
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QCOMPARE(gezeigt[0].art, FakeUmgebung::Art::Fehler);
        QCOMPARE(gezeigt[0].text, meldung);
    }

    void meldungen_data() {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Textfeld leer")
            << 0 << "Das Textfeld ist leer. Es gibt nichts zu übertragen.\n\nIch breche erst einmal ab.";
        QTest::newRow("nichts zu speichern")
            << 1 << "Es gibt nichts zu speichern.\n\nIch breche erst einmal ab.";
        QTest::newRow("nichts zu übertragen")
            << 2 << "Es gibt nichts zu übertragen.\n\nIch breche erst einmal ab.";
    }

    void meldungen() {
        QFETCH(int, fall);
        QFETCH(QString, meldung);
        Editor f;
        f.auslesen(QStringLiteral("1,2,3,4,5,6"));
        f.klick(namen::EditorGridDel);
        QCOMPARE(f.text(namen::EditorLReihen), QStringLiteral("0"));
        f.m1()->clear();
        QVERIFY(!f.knopf(namen::BAuslesen)->isEnabled());
        if (fall == 0)
            f.knopf(namen::BAuslesen)->setEnabled(true); // the handler still guards itself
        f.klick(fall == 0 ? namen::BAuslesen : fall == 1 ? namen::EditorSpeichern : namen::BTransfer);
        QCOMPARE(f.umgebung.meldungen.size(), std::size_t(1));
        QVERIFY(f.umgebung.meldungen[0].ort == ui::Meldungen::Ort::Bildschirm); // centred on the screen
        QVERIFY2(f.umgebung.nurMeldung(FakeUmgebung::Art::Fehler, meldung),
                 qPrintable(f.umgebung.meldungstexte()));
        QVERIFY(f.umgebung.speichernAuftraege.empty());
        QCOMPARE(f.g1().zeilen(), 2);
        QVERIFY(f.g1().istLeer(1, 0));
        QCOMPARE(f.haupt().zeilen(), 30);
    }

    void alsSpielscheinSpeichern() {
        Editor f;
        f.auslesen(QStringLiteral("3, 8, 15, 22, 30, 41\n7 8 9 10 11 12"));
        const QString ziel = f.ordner.SlipDir + QStringLiteral("neu.txt");
        f.umgebung.antworteSpeichern(ziel);
        f.klick(namen::EditorSpeichern);
        QCOMPARE(auftrag(f.umgebung.speichernAuftraege.at(0)),
                 (QStringList{"Spielschein speichern", "Spielschein-Datei|*.txt", "txt", f.ordner.SlipDir,
                              "fragt"}));
        QCOMPARE(dateiLesen(ziel), QByteArray("3,8,15,22,30,41\r\n7,8,9,10,11,12\r\n"));
        QCOMPARE(f.text(namen::EditorLDatei), QStringLiteral("neu.txt"));
    }

    void exportieren_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("leer");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("Text") << 1 << false << QByteArray("1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n");
        QTest::newRow("CSV") << 2 << false << QByteArray("1;2;3;4;5;6\r\n7;8;9;10;11;12\r\n");
        QTest::newRow("Text, leere Reihe") << 1 << true << QByteArray(",,,,,\r\n");
        QTest::newRow("CSV, leere Reihe") << 2 << true << QByteArray(";;;;;\r\n");
    }

    void exportieren() {
        QFETCH(int, filter);
        QFETCH(bool, leer);
        QFETCH(QByteArray, inhalt);
        Editor f;
        f.auslesen(leer ? QStringLiteral("1,2,3,4,5,6") : QStringLiteral("1 2 3 4 5 6\n7 8 9 10 11 12"));
        if (leer)
            f.klick(namen::EditorGridDel);
        const QString ziel = f.ordner.SlipDir + QStringLiteral("export.csv");
        f.umgebung.antworteSpeichern(ziel, filter);
        f.klick(namen::EditorExport);
        QCOMPARE(auftrag(f.umgebung.speichernAuftraege.at(0)),
                 (QStringList{"Als Text- oder CSV-Datei speichern", "Text-Datei|*.txt|CSV-Datei|*.csv", "txt",
                              "", "fragt"}));
        QCOMPARE(dateiLesen(ziel), inhalt);
        QCOMPARE(f.text(namen::EditorLDatei), QStringLiteral("export.csv"));
        QVERIFY(f.umgebung.meldungen.empty());
    }

    void fehlgeschlagenerExportLaesstDieAlteDatei() {
        Editor f;
        f.auslesen(QStringLiteral("1,2,3,4,5,6\n7,8,9,10,11,12"));
        const QString ziel = dateiSchreiben(f.ordner.SlipDir + QStringLiteral("alt.txt"), "alt\r\n");
        f.umgebung.antworteSpeichern(ziel, 1);
        testhilfe::mitDateigrenze(8, [&] { f.klick(namen::EditorExport); });
        const std::vector<FakeUmgebung::Meldung> gezeigt = f.umgebung.nimmMeldungen();
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QVERIFY(gezeigt[0].text.contains(QStringLiteral("alt.txt")));
        QCOMPARE(dateiLesen(ziel), QByteArray("alt\r\n"));
        QCOMPARE(f.text(namen::EditorLDatei), QString());
    }

    void uebertragen() {
        Editor f;
        f.haupt<QLabel>(namen::LDatei)->setText(QStringLiteral("alt.txt"));
        f.hauptG1()->modell()->umbauen([](core::Zeilentabelle& t) {
            t.setZeilen(501);
            for (int r = 1; r <= 500; ++r) {
                t.setText(r, 1, u"44");
                t.setText(r, 7, u"3 Ri.");
                t.setText(r, 8, u"6");
            }
        });
        f.auslesen(QStringLiteral("1 2 3 4 5 6\n7,8,9,10,11,12\n13 14 15 16 17 18"));
        f.klick(namen::BTransfer);
        QVERIFY(f.umgebung.meldungen.empty());
        QCOMPARE(f.haupt().zeilen(), 4);
        QCOMPARE(f.hauptG1()->model()->rowCount(), 3);
        for (int c = 0; c <= 6; ++c)
            QCOMPARE(spalte(f.haupt(), c), spalte(f.g1(), c));
        QCOMPARE(spalte(f.haupt(), 1), (QStringList{"1", "7", "13"}));
        QCOMPARE(spalte(f.haupt(), 7), QStringList(3, QStringLiteral("3 Ri.")));
        QCOMPARE(spalte(f.haupt(), 8), QStringList(3, QStringLiteral("6")));
        QCOMPARE(f.haupt().text(0, 7).trimmed(), QStringLiteral("GKl."));
        QCOMPARE(f.haupt<QLabel>(namen::LReihen)->text(), QStringLiteral("3"));
        QCOMPARE(f.haupt<QLabel>(namen::LDatei)->text(), QStringLiteral("alt.txt"));
        QCOMPARE(f.g1().zeilen(), 4);
        QCOMPARE(f.text(namen::EditorLReihen), QStringLiteral("3"));
    }

    void textdateiOeffnen_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("für Samstag\r\n1\t2\t3\t4\t5\t6\r\n");
        const auto utf16 = [&](QStringConverter::Encoding k) { return QByteArray(QStringEncoder(k)(text)); };
        QTest::newRow("UTF-8 mit Marke") << QByteArray("\xef\xbb\xbf") + text.toUtf8();
        QTest::newRow("UTF-16 LE mit Marke") << QByteArray("\xff\xfe") + utf16(QStringConverter::Utf16LE);
        QTest::newRow("UTF-16 BE mit Marke") << QByteArray("\xfe\xff") + utf16(QStringConverter::Utf16BE);
        QTest::newRow("Windows-1252, LF") << QByteArray("f\xfcr Samstag\n1\t2\t3\t4\t5\t6\n");
        QTest::newRow("Windows-1252, CR") << QByteArray("f\xfcr Samstag\r1\t2\t3\t4\t5\t6\r");
    }

    void textdateiOeffnen() {
        QFETCH(QByteArray, bytes);
        Editor f;
        const QString pfad = dateiSchreiben(f.ordner.SlipDir + QStringLiteral("tipps.csv"), bytes);
        f.umgebung.antworteOeffnen(pfad);
        f.klick(namen::EditorOeffnen);
        QCOMPARE(auftrag(f.umgebung.oeffnenAuftraege.at(0)),
                 (QStringList{"Eine Text-Datei einlesen", "Text-Dateien|*.txt;*.csv", "txt", f.ordner.SlipDir,
                              ""}));
        QCOMPARE(f.m1()->toPlainText(), QStringLiteral("für Samstag\n1,2,3,4,5,6\n"));
        QCOMPARE(f.m1()->textCursor().position(), 0);
        QCOMPARE(f.text(namen::LDatei0), QStringLiteral("tipps.csv"));
        QCOMPARE(f.text(namen::LZeilen), QStringLiteral("2"));
        f.klick(namen::BAuslesen);
        QCOMPARE(f.reihen(), (QList<QStringList>{{"1", "2", "3", "4", "5", "6"}}));
        QVERIFY(f.umgebung.nurMeldung(
            FakeUmgebung::Art::Information,
            QStringLiteral("1 Zeile übersprungen: keine sechs verschiedenen Zahlen von 1 "
                           "bis 45")));
        QCOMPARE(f.text(namen::EditorLDatei), QStringLiteral("tipps.csv"));
    }

    void unlesbareDateiAendertNichts() {
        Editor f;
        f.einfuegen(QStringLiteral("1,2,3,4,5,6"));
        f.umgebung.antworteOeffnen(f.ordner.SlipDir); // a folder cannot be read
        f.klick(namen::EditorOeffnen);
        const std::vector<FakeUmgebung::Meldung> gezeigt = f.umgebung.nimmMeldungen();
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QCOMPARE(gezeigt[0].art, FakeUmgebung::Art::Fehler);
        QVERIFY(gezeigt[0].text.contains(QStringLiteral("Ordner")));
        QCOMPARE(f.m1()->toPlainText(), QStringLiteral("1,2,3,4,5,6"));
        QCOMPARE(f.text(namen::LDatei0), QString());
    }

    void textfeldLoeschen() {
        Editor f;
        f.umgebung.antworteOeffnen(
            dateiSchreiben(f.ordner.SlipDir + QStringLiteral("a.txt"), "1,2,3,4,5,6\r\n"));
        f.klick(namen::EditorOeffnen);
        f.klick(namen::BDel);
        QCOMPARE(f.m1()->toPlainText(), QString());
        QCOMPARE(f.text(namen::LDatei0), QString());
        f.textfeldIstLeer();
    }

    void verbergenBehaeltTextUndReihen() {
        Editor f;
        f.auslesen(QStringLiteral("1 2 3 4 5 6\n7 8 9 10 11 12"));
        const QPointer<ui::TFEingabe> editor = f.e;
        for (int weg = 0; weg < 2; ++weg) {
            if (weg == 0)
                f.klick(namen::BClose);
            else
                f.e->close();
            QVERIFY(f.e->isHidden());
            QTest::mouseClick(f.finde<QToolButton>(namen::SpielscheinErstellen), Qt::LeftButton);
            QVERIFY(editor);
            QVERIFY(f.e->isVisible());
            QCOMPARE(f.m1()->toPlainText(), QStringLiteral("1 2 3 4 5 6\n7 8 9 10 11 12"));
            QCOMPARE(f.reihen().size(), 2);
            QCOMPARE(f.g1().text(2, 6), QStringLiteral("12"));
            QCOMPARE(f.text(namen::EditorLReihen), QStringLiteral("2"));
        }
    }

    void positionSpeichern() {
        Editor f;
        f.e->move(123, 45);
        f.klick(namen::EditorPosition);
        QCOMPARE(f.optionen().leseInt(QStringLiteral("Position"), QStringLiteral("FEingabe-left"), -1), 123);
        QCOMPARE(f.optionen().leseInt(QStringLiteral("Position"), QStringLiteral("FEingabe-top"), -1), 45);
        const ui::TFEingabe neu(f.umgebung.get(), f.ordner);
        QCOMPARE(neu.pos(), QPoint(123, 45));
    }

    void weisseZellenMittig() {
        Editor f;
        f.auslesen(QStringLiteral("1 2 3 4 5 6"));
        ui::ZeilenGitter* g1 = f.G1();
        const QImage bild = g1->viewport()->grab().toImage();
        const QRect zelle = g1->visualRect(g1->model()->index(0, 1));
        int links = zelle.right();
        int rechts = zelle.left();
        for (int y = zelle.top(); y < zelle.bottom(); ++y)
            for (int x = zelle.left(); x < zelle.right(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (c.lightness() < 128) {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
            }
        QCOMPARE(bild.pixelColor(zelle.left() + 1, zelle.top() + 1), QColor(Qt::white));
        QVERIFY(links < rechts); // the digit is drawn
        const int mitte = zelle.left() + zelle.width() / 2;
        QVERIFY2(std::abs((links + rechts) / 2 - mitte) <= 2,
                 qPrintable(QString("%1..%2").arg(links).arg(rechts)));
    }
};

REMISATOR_TEST_MAIN(TstEditor)
#include "tst_editor.moc"
