#include "support/Dateigrenze.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Pdf.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"
#include "ui/bausteine/Skin.h"
#include "ui/gitter/ZeilenGitter.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

using testhilfe::FakeUmgebung;
using testhilfe::Pdf;
namespace namen = ui::namen;

namespace {

const QString Beispiele = QStringLiteral(BEISPIELE);

// The examples' slip evaluated against their matchday with its odds, as a user gets there.
struct Fenster : testhilfe::Hauptfensterhilfe {
    explicit Fenster(const QByteArray& schein = {}) {
        starten();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        for (const char* datei : {"18092021.sp45", "18.09.2021.quo"})
            QFile::copy(Beispiele + u'/' + QLatin1String(datei), ordner.MatchdayDir + QLatin1String(datei));
        fenster->SpieltagEinlesen(ordner.MatchdayDir + QStringLiteral("18092021.sp45"));
        fenster->SpielscheinEinlesen(
            schein.isEmpty()
                ? Beispiele + QStringLiteral("/spielschein.txt")
                : testhilfe::dateiSchreiben(ordner.SlipDir + QStringLiteral("gross.txt"), schein));
        QTest::mouseClick(finde<QToolButton>(namen::PFoto, namen::BAuswerten), Qt::LeftButton);
    }
    QString pfad(const QString& name) const { return ordner.DataRoot + name; }
};

// The question before the report of the examples: 12 rows, 9 of them with a rank.
const QString FrageAlle = QStringLiteral("Soll der Bericht alle 12 Reihen zeigen (1 Seite)?\n\n"
                                         "Mit „Nein“ zeigt er nur die 9 Reihen mit Gewinnklasse (1 Seite).");

} // namespace

// The text's lines with runs of blanks made one, as a reader sees them.
QStringList zeilen(const QString& text) {
    QStringList z;
    for (const QString& zeile : text.split(u'\n'))
        z.append(zeile.simplified());
    return z;
}

class TstBerichte : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    // The evaluation as PDF: header and footer, slip, matchday, winning row, the ranks with odds,
    // counts and amounts, the total, and the rows with a rank.
    void auswertungAlsPdf() {
        Fenster f;
        const QString pdf = f.pfad(QStringLiteral("auswertung.pdf"));
        f.umgebung.antworteFrage(false);
        f.umgebung.antworteSpeichern(pdf);
        QVERIFY(f.kontextmenue(QStringLiteral("Auswertung als PDF speichern...")));
        QVERIFY(f.umgebung.nurMeldung(FakeUmgebung::Art::Frage, FrageAlle));
        const ui::DialogAuftrag& d = f.umgebung.speichernAuftraege.at(0);
        QCOMPARE(d.titel, QStringLiteral("Auswertung als PDF speichern"));
        QCOMPARE(d.filter, QStringLiteral("PDF-Dokument|*.pdf"));
        QCOMPARE(d.vorschlag, QStringLiteral("Auswertung spielschein.pdf"));
        QCOMPARE(d.startOrdner, f.ordner.SlipDir);
        const QStringList text = zeilen(Pdf::text(pdf));
        for (const char* zeile :
             {"Remisator 1.3.0.0 – Auswertung Gedruckt am 24.01.2024",
              "Spielschein: spielschein.txt mit 12 Reihen", "Spieltag: 18.09.2021",
              "Gewinnreihe: 3 8 15 22 30 41 ZS: 12", "GKl. Quote Anzahl Gewinn",
              "6 Ri. 152.345,60 1 152.345,60", "4 Ri. 56,30 2 112,60", "3 Ri. 12,10 2 24,20",
              "Gesamtgewinn 162.486,90", "Reihen mit Gewinnklasse: 9 von 12", "Reihe 1 2 3 4 5 6 GKl.",
              "1 3 8 15 22 30 41 6 Ri.", "11 12 22 30 41 44 45 3 + ZS", "12 3 8 15 22 40 45 4 Ri.",
              "Seite 1 von 1"})
            QVERIFY2(text.contains(QString::fromUtf8(zeile)), zeile);
        // The rows without a rank stay out.
        QVERIFY(!text.join(u'\n').contains(QStringLiteral("3 8 13 14 16 17")));
        QCOMPARE(Pdf::seiten(pdf), 1);
    }

    // The ranks, the winning numbers and the ZS in their colours on screen.
    void farbenWieAufDemBildschirm_data() {
        QTest::addColumn<QRgb>("farbe");
        QTest::newRow("6 Ri.") << QRgb(0xD2A904);
        QTest::newRow("3 Ri.") << QRgb(0xFEF5D3);
        QTest::newRow("Gewinnzahl") << QRgb(0xCEFFCE);
        QTest::newRow("ZS") << QRgb(0xB7E8FF);
    }
    void farbenWieAufDemBildschirm() {
        QFETCH(QRgb, farbe);
        Fenster f;
        const QString pdf = f.pfad(QStringLiteral("farben.pdf"));
        f.umgebung.antworteFrage(false);
        f.umgebung.antworteSpeichern(pdf);
        QVERIFY(f.kontextmenue(QStringLiteral("Auswertung als PDF speichern...")));
        f.umgebung.nimmMeldungen();
        QVERIFY(Pdf::pixel(Pdf::ersteSeite(pdf, 50), farbe) > 20);
    }

    // Ctrl+P anywhere in the window: every row on request, through the print preview.
    void druckenMitStrgP() {
        Fenster f;
        const QString pdf = f.pfad(QStringLiteral("gedruckt.pdf"));
        f.umgebung.antworteFrage(true);
        f.umgebung.antworteVorschau(pdf);
        QTest::keyClick(f.fenster.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(f.umgebung.nurMeldung(FakeUmgebung::Art::Frage, FrageAlle));
        QCOMPARE(f.umgebung.vorschauTitel, QStringList{QStringLiteral("Auswertung")});
        const QStringList text = zeilen(Pdf::text(pdf));
        for (const char* zeile : {"Alle Reihen", "7 3 8 13 14 16 17 2", "8 1 2 4 5 6 7 0", "Seite 1 von 1"})
            QVERIFY2(text.contains(QString::fromUtf8(zeile)), zeile);
    }

    // A long report says its pages first and is made only when wanted; the count said is the count
    // printed, on every page's footer.
    void langerBericht_data() {
        QTest::addColumn<bool>("erstellen");
        QTest::newRow("nein") << false;
        QTest::newRow("ja") << true;
    }
    void langerBericht() {
        QFETCH(bool, erstellen);
        // 9,000 rows of three right numbers each: all in rank VI.
        QByteArray schein;
        for (int i = 0; i < 9000; ++i)
            schein += "3,8,15,1,2," + QByteArray::number(4 + i % 3) + "\r\n";
        Fenster f(schein);
        const QString pdf = f.pfad(QStringLiteral("lang.pdf"));
        f.umgebung.antworteFrage(erstellen);
        if (erstellen)
            f.umgebung.antworteSpeichern(pdf);
        QVERIFY(f.kontextmenue(QStringLiteral("Auswertung als PDF speichern...")));
        const QString frage = f.umgebung.nimmMeldungen().at(0).text;
        const QRegularExpressionMatch m =
            QRegularExpression(
                QStringLiteral("^Der Bericht umfasst (\\d+) Seiten. Soll er erstellt werden\\?$"))
                .match(frage);
        QVERIFY2(m.hasMatch(), qPrintable(frage));
        const int seiten = m.captured(1).toInt();
        QVERIFY(seiten > 50);
        if (!erstellen) {
            QVERIFY(f.umgebung.speichernAuftraege.empty());
            return;
        }
        const QString text = Pdf::text(pdf);
        QCOMPARE(int(text.count(u'\f')), seiten);
        QVERIFY(text.contains(QStringLiteral("Seite %1 von %1").arg(seiten)));
        QVERIFY(zeilen(text).contains(QStringLiteral("9000 3 8 15 1 2 6 3 Ri.")));
    }

    // A file that cannot be written: the message names it, and the older file stays whole.
    void fehlgeschlagenesSchreibenLaesstAlteDatei() {
        Fenster f;
        const QString alt = testhilfe::dateiSchreiben(f.pfad(QStringLiteral("alt.pdf")), "alt");
        f.umgebung.antworteFrage(false);
        f.umgebung.antworteSpeichern(alt);
        testhilfe::mitDateigrenze(100,
                                  [&] { f.kontextmenue(QStringLiteral("Auswertung als PDF speichern...")); });
        const std::vector<FakeUmgebung::Meldung> m = f.umgebung.nimmMeldungen();
        QCOMPARE(m.size(), std::size_t(2));
        QCOMPARE(m[1].text,
                 QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\n\nDie Datei ist zu groß.")
                     .arg(alt));
        QCOMPARE(testhilfe::dateiLesen(alt), QByteArray("alt"));
    }

    // Without rows there is nothing to report.
    void ohneReihen() {
        Fenster f;
        QTest::mouseClick(f.finde<QToolButton>(namen::PFoto, namen::BGridDel), Qt::LeftButton);
        QVERIFY(f.kontextmenue(QStringLiteral("Auswertung drucken...")));
        QVERIFY(f.umgebung.nurMeldung(
            FakeUmgebung::Art::Fehler,
            QStringLiteral("Im Gitter stehen keine Tippreihen, die ausgewertet werden können.")));
        QVERIFY(f.umgebung.vorschauTitel.isEmpty());
    }
};

REMISATOR_TEST_MAIN(TstBerichte)
#include "tst_berichte.moc"
