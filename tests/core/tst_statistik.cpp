#include "core/grund/Fehler.h"
#include "core/grund/Systemname.h"
#include "core/schein/Auswertung.h"
#include "core/schein/Zeilentabelle.h"
#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/statistik/Bilanz.h"
#include "core/statistik/Reihenmasken.h"
#include "core/statistik/Statistik.h"
#include "support/Dateirechte.h"
#include "support/FesteBreiten.h"
#include "support/Prozessmass.h"
#include "support/Spieltagssatz.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace core;
using testhilfe::dateiSchreiben;
using testhilfe::Satz;

namespace {

Zahlenmenge menge(const QList<int>& zahlen) {
    Zahlenmenge m;
    for (int n : zahlen)
        m.hinzufuegen(n);
    return m;
}

// Six different numbers 1..45.
QList<int> sechsAus45(QRandomGenerator& zufall) {
    QList<int> z;
    while (z.size() < 6) {
        const int n = int(zufall.bounded(1, 46));
        if (!z.contains(n))
            z.append(n);
    }
    return z;
}

// Random rows of plain numbers and of the texts a slip may hold besides.
core::Zeilentabelle zufallsschein(QRandomGenerator& zufall, int zeilen) {
    const QStringList sonder = {"", " ", "012", " 7", "+5", "07", "48", "60", "0", " 12", "12"};
    QList<QStringList> z;
    for (int r = 0; r < zeilen; ++r) {
        QStringList zeile;
        for (int c = 0; c < 6; ++c)
            zeile.append(zufall.bounded(4) > 0 ? QString::number(zufall.bounded(0, 50))
                                               : sonder[int(zufall.bounded(int(sonder.size())))]);
        if (r % 17 == 0)
            zeile[0].clear(); // not a tip row
        z.append(zeile);
    }
    return testhilfe::tabelleAus(z);
}

QStringList texte(const std::array<std::optional<QString>, 7>& a) {
    QStringList s;
    for (std::size_t i = 1; i <= 6; ++i)
        s.append(a[i].value_or(QStringLiteral("<keiner>")));
    return s;
}

} // namespace

class TstStatistik : public QObject {
    Q_OBJECT
    QTemporaryDir ordner;

private slots:
    // The masks count what the row evaluation counts, also for blanks, "07", " 12" and an
    // additional number that is a winning number or typed into a row.
    void maskenWieReihenBewerten() {
        QRandomGenerator zufall(4242);
        for (int durchgang = 0; durchgang < 30; ++durchgang) {
            Zeilentabelle t = zufallsschein(zufall, 400);
            const Reihenmasken m = Reihenmasken::aus(t);
            std::vector<Ziehung> ziehungen;
            for (int i = 0; i < 11; ++i) {
                const QList<int> gewinn = sechsAus45(zufall);
                const int zs = i == 0   ? Reihenmasken::KeinZs
                               : i == 1 ? gewinn[2]
                                        : int(zufall.bounded(0, 48));
                ziehungen.push_back({menge(gewinn), zs});
            }
            const std::vector<std::array<int, 7>> alle = m.bewerten(ziehungen);
            QCOMPARE(int(alle.size()), 11);
            for (std::size_t i = 0; i < ziehungen.size(); ++i) {
                const QString zsText = ziehungen[i].zs < 0 ? QString() : QString::number(ziehungen[i].zs);
                Zeilentabelle kopie = t;
                const std::array<int, 7> erwartet = ReihenBewerten(kopie, ziehungen[i].gewinn, zsText);
                QCOMPARE(alle[i], erwartet);
                QCOMPARE(m.bewerten(ziehungen[i].gewinn, ziehungen[i].zs), erwartet);
            }
        }
    }

    void maskenZeilen_data() {
        QTest::addColumn<QList<QStringList>>("zeilen");
        QTest::addColumn<int>("reihen");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("Reihen mit Spalte 1")
            << QList<QStringList>{{"1", "2"}, {"", "5"}, {" ", ""}} << 2 << QString();
        QTest::newRow("keine Zahl") << QList<QStringList>{{"1", "2"}, {"3", "abc"}} << 0
                                    << "''abc'' ist kein gültiger Integer-Wert";
        QTest::newRow("keine Zahl ohne Spalte 1")
            << QList<QStringList>{{"", "abc"}, {"3", "4"}} << 1 << QString();
        QTest::newRow("Spalte 7 zählt nicht")
            << QList<QStringList>{{"1", "2", "3", "4", "5", "6", "abc"}} << 1 << QString();
    }
    void maskenZeilen() {
        QFETCH(QList<QStringList>, zeilen);
        QFETCH(int, reihen);
        QFETCH(QString, fehler);
        const Zeilentabelle t = testhilfe::tabelleAus(zeilen);
        QString meldung;
        int n = 0;
        try {
            n = Reihenmasken::aus(t).reihen();
        } catch (const Fehler& f) {
            meldung = f.text();
        }
        QCOMPARE(meldung, fehler);
        QCOMPARE(n, reihen);
    }

    // Many matchdays at once give, matchday by matchday, what reading it and evaluating gives.
    void ordnerWieEinzeln() {
        QRandomGenerator zufall(777);
        const QTemporaryDir tage;
        QList<Satz> saetze;
        for (int i = 0; i < 19; ++i) {
            const QList<int> gewinn = sechsAus45(zufall);
            int zs = int(zufall.bounded(1, 46));
            while (gewinn.contains(zs))
                zs = int(zufall.bounded(1, 46));
            // Dates out of the names' order; every third without an additional number.
            const Satz s = Satz::mitGewinnreihe(44457 + 7 * ((i * 7) % 19), gewinn, i % 3 == 0 ? 0 : zs);
            saetze.append(s);
            dateiSchreiben(tage.filePath(QStringLiteral("t%1.sp45").arg(i, 2, 10, QChar(u'0'))), s.b);
        }
        // Odds for two of the dates.
        dateiSchreiben(tage.filePath(QStringLiteral("18.09.2021.quo")),
                       "1.000,00\r\n100,00\r\n50,00\r\n10,00\r\n5,00\r\n1,50\r\n");
        dateiSchreiben(tage.filePath(QStringLiteral("25.09.2021.quo")), "2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
        Zeilentabelle schein = zufallsschein(zufall, 3000);
        QList<int> meldungen;
        const Spieltagsstatistik st =
            StatistikErstellen(Reihenmasken::aus(schein), tage.path(), [&](int fertig, int gesamt) {
                QCOMPARE(gesamt, 19);
                meldungen.append(fertig);
            });
        QCOMPARE(meldungen, QList<int>({0, 8, 16, 19}));
        QVERIFY(st.uebersprungen.empty());
        QCOMPARE(int(st.spieltage.size()), 19);
        for (std::size_t i = 0; i < st.spieltage.size(); ++i) {
            const SpieltagsAuswertung& s = st.spieltage[i];
            QCOMPARE(s.datumswert, 44457.0 + 7 * double(i));
            const int nummer = s.datei.mid(1, 2).toInt();
            const Gewinnreihenermittlung e = GewinnreiheErmitteln(saetze[nummer].spieltag().Ergebnis);
            QCOMPARE(s.gewinnreihe, e.Gewinnreihe);
            QCOMPARE(s.quotenDatei, i == 0   ? QStringLiteral("18.09.2021.quo")
                                    : i == 1 ? QStringLiteral("25.09.2021.quo")
                                             : QString());
            Zeilentabelle kopie = schein;
            const Auswertung einzeln = Auswerten(kopie, e.Gewinnreihe.Menge, e.Boxen[7], s.quoten, false);
            QCOMPARE(s.auswertung.anzahl, einzeln.anzahl);
            QCOMPARE(texte(s.auswertung.anzahlText), texte(einzeln.anzahlText));
            QCOMPARE(texte(s.auswertung.betragText), texte(einzeln.betragText));
            QCOMPARE(s.auswertung.gesamtText, einzeln.gesamtText);
            QCOMPARE(s.auswertung.gesamt, einzeln.gesamt);
        }
        // Worked out by hand for the first odds: 6 Ri. 1.000,00 ... 3 Ri. 1,50.
        QVERIFY(st.spieltage[0].auswertung.gesamt > 0);
    }

    // Frequencies against the drawn rows, counted here by hand.
    void haeufigkeit_data() {
        QTest::addColumn<int>("zahl");
        QTest::addColumn<int>("gewinnzahl");
        QTest::addColumn<int>("zusatzzahl");
        QTest::addColumn<int>("fehltSeit");
        // 1: 1 2 3 4 5 6 ZS 7; 2: 1 2 10 11 12 13 ZS 20; 3: 2 7 30 31 32 33, no ZS
        QTest::newRow("1") << 1 << 2 << 0 << 1;
        QTest::newRow("2") << 2 << 3 << 0 << 0;
        QTest::newRow("3") << 3 << 1 << 0 << 2;
        QTest::newRow("7") << 7 << 1 << 1 << 0;
        QTest::newRow("10") << 10 << 1 << 0 << 1;
        QTest::newRow("20") << 20 << 0 << 1 << 3;
        QTest::newRow("45 nie") << 45 << 0 << 0 << 3;
    }
    void haeufigkeit() {
        QFETCH(int, zahl);
        QFETCH(int, gewinnzahl);
        QFETCH(int, zusatzzahl);
        QFETCH(int, fehltSeit);
        const QTemporaryDir tage;
        // Named against their dates' order: the dates decide.
        dateiSchreiben(tage.filePath("c.sp45"), Satz::mitGewinnreihe(44457, {1, 2, 3, 4, 5, 6}, 7).b);
        dateiSchreiben(tage.filePath("a.sp45"), Satz::mitGewinnreihe(44464, {1, 2, 10, 11, 12, 13}, 20).b);
        dateiSchreiben(tage.filePath("b.SP45"), Satz::mitGewinnreihe(44471, {2, 7, 30, 31, 32, 33}, 0).b);
        Zeilentabelle leer(9);
        const Spieltagsstatistik st = StatistikErstellen(Reihenmasken::aus(leer), tage.path());
        QCOMPARE(int(st.spieltage.size()), 3);
        const Zahlhaeufigkeit& h = st.haeufigkeit[std::size_t(zahl - 1)];
        QCOMPARE(h.zahl, zahl);
        QCOMPARE(h.gewinnzahl, gewinnzahl);
        QCOMPARE(h.zusatzzahl, zusatzzahl);
        QCOMPARE(h.fehltSeit, fehltSeit);
    }

    // A record without a valid date comes first and has no odds file.
    void ohneDatum() {
        const QTemporaryDir tage;
        dateiSchreiben(tage.filePath("a.sp45"), Satz::mitGewinnreihe(44457, {1, 2, 3, 4, 5, 6}, 7).b);
        dateiSchreiben(tage.filePath("b.sp45"), Satz::mitGewinnreihe(std::nan(""), {1, 2, 3, 4, 5, 6}, 7).b);
        dateiSchreiben(tage.filePath("c.sp45"), Satz::mitGewinnreihe(-1e9, {1, 2, 3, 4, 5, 6}, 7).b);
        const Spieltagsstatistik st = StatistikErstellen(Reihenmasken::aus(Zeilentabelle(9)), tage.path());
        QCOMPARE(int(st.spieltage.size()), 3);
        QCOMPARE(st.spieltage[0].datei + st.spieltage[1].datei + st.spieltage[2].datei,
                 QStringLiteral("b.sp45c.sp45a.sp45"));
        QCOMPARE(st.spieltage[0].datum + u'|' + st.spieltage[1].datum + u'|' + st.spieltage[2].datum,
                 QStringLiteral("||18.09.2021"));
    }

    // A bad file is left out with the reader's message; the others are evaluated.
    void uebersprungen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("quoten");
        QTest::addColumn<QString>("grund");
        const QByteArray gut = Satz::mitGewinnreihe(44457, {1, 2, 3, 4, 5, 6}, 7).b;
        QTest::newRow("kurz") << "kurz.sp45" << QByteArray(100, 'x') << QString()
                              << "Die Datei \"{t}/kurz.sp45\" enthält keinen Spieltag.\n\n"
                                 "Sie ist 100 Bytes groß, ein Spieltag umfasst 3.792 Bytes.";
        QTest::newRow("leer") << "leer.sp45" << QByteArray() << QString()
                              << "Die Datei \"{t}/leer.sp45\" enthält keinen Spieltag.\n\n"
                                 "Sie ist 0 Bytes groß, ein Spieltag umfasst 3.792 Bytes.";
        QTest::newRow("unlesbar") << "zu.sp45" << gut << QString()
                                  << "Die Datei \"{t}/zu.sp45\" kann nicht gelesen werden.\n\n"
                                     "Zugriff verweigert.";
        QTest::newRow("Quoten zu kurz") << "q.sp45" << gut << "1,00\r\n2,00\r\n"
                                        << "18.09.2021.quo: Listenindex überschreitet das Maximum (2)";
        QTest::newRow("Quote mit zwei Kommas") << "q.sp45" << gut << "1,2,3\r\n\r\n\r\n\r\n\r\n\r\n"
                                               << "18.09.2021.quo: '1,2,3' ist kein gültiger Gleitkommawert";
        // Whatever an entry *.sp45 is, it is listed; a pipe is never waited for.
        const QString lesen = QStringLiteral("Die Datei \"{t}/%1\" kann nicht gelesen werden.\n\n%2");
        const QString insLeere = QStringLiteral("Sie ist eine Verknüpfung auf etwas, das es nicht gibt.");
        QTest::newRow("Verknüpfung auf sich")
            << "s.sp45" << QByteArray("<schleife>") << QString()
            << lesen.arg("s.sp45", "Zu viele Ebenen symbolischer Verknüpfungen.");
        QTest::newRow("Verknüpfung ins Leere")
            << "l.SP45" << QByteArray("<leer>") << QString() << lesen.arg("l.SP45", insLeere);
        QTest::newRow("Pipe") << "r.sp45" << QByteArray("<rohr>") << QString()
                              << lesen.arg("r.sp45", "Sie ist keine gewöhnliche Datei.");
        QTest::newRow("Ordner") << "o.sp45" << QByteArray("<ordner>") << QString()
                                << lesen.arg("o.sp45", "Der Name bezeichnet einen Ordner.");
        QTest::newRow("Quoten ins Leere")
            << "q.sp45" << gut << "<leer>" << lesen.arg("18.09.2021.quo", insLeere);
        QTest::newRow("Quoten als Pipe")
            << "q.sp45" << gut << "<rohr>" << lesen.arg("18.09.2021.quo", "Sie ist keine gewöhnliche Datei.");
    }
    void uebersprungen() {
        QFETCH(QString, name);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, quoten);
        QFETCH(QString, grund);
        const QTemporaryDir tage;
        dateiSchreiben(tage.filePath("gut.sp45"), Satz::mitGewinnreihe(44464, {1, 2, 10, 11, 12, 13}, 20).b);
        const auto anlegen = [&](const QString& pfad, const QByteArray& was) {
            if (was == "<schleife>")
                QVERIFY(QFile::link(pfad, pfad));
            else if (was == "<leer>")
                QVERIFY(QFile::link(tage.filePath("fehlt"), pfad));
            else if (was == "<rohr>")
                QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
            else if (was == "<ordner>")
                QVERIFY(QDir().mkdir(pfad));
            else
                dateiSchreiben(pfad, was);
        };
        const QString pfad = tage.filePath(name);
        anlegen(pfad, inhalt);
        if (!quoten.isNull())
            anlegen(tage.filePath("18.09.2021.quo"), quoten.toLatin1());
        if (name == u"zu.sp45")
            QVERIFY(QFile::setPermissions(pfad, QFile::WriteOwner));
        const Zeilentabelle schein = testhilfe::tabelleAus({{"1", "2", "3", "4", "5", "6"}});
        Spieltagsstatistik st;
        QVERIFY(testhilfe::mitDateirechten(
            [&] { st = StatistikErstellen(Reihenmasken::aus(schein), tage.path()); }));
        QCOMPARE(int(st.uebersprungen.size()), 1);
        QCOMPARE(st.uebersprungen[0].datei, name);
        QCOMPARE(st.uebersprungen[0].grund, grund.replace(QStringLiteral("{t}"), tage.path()));
        QCOMPARE(int(st.spieltage.size()), 1);
        QCOMPARE(st.spieltage[0].datei, QStringLiteral("gut.sp45"));
        QCOMPARE(st.haeufigkeit[0].gewinnzahl, 1);
        QCOMPARE(st.haeufigkeit[2].gewinnzahl, 0);
    }

    // Names that are not valid UTF-8 are read as the system gives them, and shown with U+FFFD;
    // so is a folder of such a name.
    void namenNichtUtf8() {
        const QTemporaryDir basis;
        const QByteArray tage = QFile::encodeName(basis.path()) + "/tage-\xE9";
        QCOMPARE(::mkdir(tage.constData(), 0700), 0);
        // Qt cannot name these files: written and removed by their bytes.
        const auto wegraeumen = qScopeGuard([&] {
            ::unlink(tage + "/a.sp45");
            ::unlink(tage + "/b-\xFF.sp45");
            ::rmdir(tage.constData());
        });
        const auto schreiben = [](const QByteArray& pfad, const QByteArray& inhalt) {
            const int fd = ::open(pfad.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
            return fd >= 0 && ::write(fd, inhalt.constData(), size_t(inhalt.size())) == inhalt.size() &&
                   ::close(fd) == 0;
        };
        QVERIFY(schreiben(tage + "/a.sp45", Satz::mitGewinnreihe(44457, {1, 2, 3, 4, 5, 6}, 7).b));
        QVERIFY(schreiben(tage + "/b-\xFF.sp45", Satz::mitGewinnreihe(44464, {1, 2, 3, 4, 5, 6}, 7).b));
        const Spieltagsstatistik st =
            StatistikErstellen(Reihenmasken::aus(Zeilentabelle(9)), core::NameAusBytes(tage));
        QCOMPARE(int(st.uebersprungen.size()), 0);
        QCOMPARE(int(st.spieltage.size()), 2);
        QCOMPARE(st.spieltage[1].datei, QStringLiteral("b-\uFFFD.sp45"));
    }

    void ordnerFehler_data() {
        QTest::addColumn<QString>("ordnerName");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("fehlt") << "fehlt"
                               << "Die Datei \"{t}/fehlt\" kann nicht gelesen werden.\n\n"
                                  "Die Datei oder der Ordner existiert nicht.";
        QTest::newRow("Datei") << "datei.txt"
                               << "Die Datei \"{t}/datei.txt\" kann nicht gelesen werden.\n\n"
                                  "Ein Teil des Pfades ist kein Ordner.";
    }
    void ordnerFehler() {
        QFETCH(QString, ordnerName);
        QFETCH(QString, meldung);
        dateiSchreiben(ordner.filePath("datei.txt"), "1\r\n");
        QString text;
        try {
            StatistikErstellen(Reihenmasken::aus(Zeilentabelle(9)), ordner.filePath(ordnerName));
        } catch (const Fehler& f) {
            text = f.text();
        }
        QCOMPARE(text, meldung.replace(QStringLiteral("{t}"), ordner.path()));
    }

    // The stop is asked between files: the files after it are not read.
    void abbrechen() {
        const QTemporaryDir tage;
        for (int i = 0; i < 10; ++i)
            dateiSchreiben(tage.filePath(QStringLiteral("%1.sp45").arg(i)),
                           Satz::mitGewinnreihe(44457 + i, {1, 2, 3, 4, 5, 6}, 7).b);
        int gefragt = 0;
        const qint64 vorher = testhilfe::gelesen();
        const Spieltagsstatistik st = StatistikErstellen(Reihenmasken::aus(Zeilentabelle(9)), tage.path(), {},
                                                         [&] { return ++gefragt == 2; });
        QVERIFY(st.abgebrochen);
        QCOMPARE(gefragt, 2);
        QVERIFY(testhilfe::gelesen() - vorher < 2 * 3792);
    }

    // A long slip stops in the middle of its reading.
    void scheinAbbrechen() {
        const QTemporaryDir d;
        QByteArray zeilen;
        for (int i = 0; i < 400000; ++i)
            zeilen += "1,2,3,4,5,6\r\n";
        const QString pfad = dateiSchreiben(d.filePath("lang.txt"), zeilen);
        int gefragt = 0;
        const qint64 vorher = testhilfe::gelesen();
        const ScheinAuswertung s = ScheinAuswerten(pfad, menge({1, 2, 3, 4, 5, 6}), u"7", {},
                                                   testhilfe::FesteBreiten(), [&] { return ++gefragt > 2; });
        QVERIFY(testhilfe::gelesen() - vorher < zeilen.size() / 4);
        QVERIFY2(s.fehler.endsWith(QStringLiteral("Das Lesen wurde abgebrochen.")), qPrintable(s.fehler));
    }

    // Where digits differ in width every row label is measured, which takes longer than the
    // reading: the stop reaches it too.
    void scheinAbbrechenBeimBeschriften() {
        const QTemporaryDir d;
        QByteArray zeilen;
        for (int i = 0; i < 100000; ++i)
            zeilen += "1,2,3,4,5,6\r\n";
        const QString pfad = dateiSchreiben(d.filePath("lang.txt"), zeilen);
        struct Zaehlmass : testhilfe::FesteBreiten {
            int breite(QStringView text) const override {
                ++gemessen;
                return FesteBreiten::breite(text);
            }
            mutable int gemessen = 0;
        } mass;
        mass.schmaleEins = true;
        const ScheinAuswertung s = ScheinAuswerten(pfad, menge({1, 2, 3, 4, 5, 6}), u"7", {}, mass,
                                                   [&] { return mass.gemessen > 0; });
        QVERIFY2(mass.gemessen < 10000, qPrintable(QString::number(mass.gemessen)));
        QVERIFY2(s.fehler.endsWith(QStringLiteral("Das Lesen wurde abgebrochen.")), qPrintable(s.fehler));
    }

    // The stake as a player types it, in cents; anything else is refused with the rule.
    void einsatz_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("cent");
        QTest::newRow("Komma") << "0,50" << qint64(50);
        QTest::newRow("ganz") << "1" << qint64(100);
        QTest::newRow("eine Nachkommastelle") << " 2,5 " << qint64(250);
        QTest::newRow("Tausenderpunkte") << "1.250,00" << qint64(125000);
        QTest::newRow("Million") << "1.000.000" << qint64(100000000);
        QTest::newRow("leer") << "" << qint64(-1);
        QTest::newRow("Wort") << "abc" << qint64(-1);
        QTest::newRow("negativ") << "-1" << qint64(-1);
        QTest::newRow("drei Nachkommastellen") << "1,234" << qint64(-1);
        QTest::newRow("Punkt als Komma") << "1.23" << qint64(-1);
        QTest::newRow("zwei Kommas") << "1,2,3" << qint64(-1);
        QTest::newRow("Eurozeichen") << "1,00 €" << qint64(-1);
        QTest::newRow("zu groß") << "1234567890" << qint64(-1);
    }
    void einsatz() {
        QFETCH(QString, text);
        QFETCH(qint64, cent);
        if (cent >= 0) {
            QCOMPARE(EinsatzLesen(text), cent);
            return;
        }
        try {
            EinsatzLesen(text);
            QFAIL("kein Fehler");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(),
                     QStringLiteral("\"%1\" ist kein Einsatz. Der Einsatz je Reihe ist ein Betrag in "
                                    "Euro wie 0,50 oder 1.250,00: Ziffern, wahlweise Punkte zwischen "
                                    "den Tausendern und ein Komma vor höchstens zwei "
                                    "Nachkommastellen.")
                         .arg(text.trimmed()));
        }
    }

    // The period picks matchdays in their order; the numbers are counted over them alone.
    void zeitraum_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("letzte");
        QTest::addColumn<QString>("von");
        QTest::addColumn<QString>("bis");
        QTest::addColumn<QStringList>("dateien");
        QTest::addColumn<int>("fehltSeit3"); // number 3 is drawn on a and c only
        QTest::newRow("alle") << 0 << 0 << ""
                              << "" << QStringList{"x", "a", "b", "c"} << 0;
        QTest::newRow("die letzten zwei") << 1 << 2 << ""
                                          << "" << QStringList{"b", "c"} << 0;
        QTest::newRow("mehr als es gibt") << 1 << 9 << ""
                                          << "" << QStringList{"x", "a", "b", "c"} << 0;
        QTest::newRow("von bis") << 2 << 0 << "01.01.2024"
                                 << "10.01.2024" << QStringList{"a", "b"} << 1;
        QTest::newRow("nur von") << 2 << 0 << "08.01.2024"
                                 << "" << QStringList{"b", "c"} << 0;
        QTest::newRow("nur bis, ohne Datum nicht") << 2 << 0 << ""
                                                   << "06.01.2024" << QStringList{"a"} << 0;
        QTest::newRow("leer") << 2 << 0 << "20.01.2024"
                              << "01.01.2024" << QStringList{} << 0;
    }
    void zeitraum() {
        QFETCH(int, art);
        QFETCH(int, letzte);
        QFETCH(QString, von);
        QFETCH(QString, bis);
        QFETCH(QStringList, dateien);
        QFETCH(int, fehltSeit3);
        Spieltagsstatistik alle;
        const auto tag = [&](const char* datei, const char* datum, QList<int> zahlen) {
            SpieltagsAuswertung s;
            s.datei = QString::fromLatin1(datei);
            s.datum = QString::fromLatin1(datum);
            s.gewinnreihe.Menge = menge(zahlen);
            alle.spieltage.push_back(s);
        };
        tag("x", "", {1, 2, 3, 4, 5, 6});
        tag("a", "06.01.2024", {3, 8, 9, 10, 11, 12});
        tag("b", "08.01.2024", {20, 21, 22, 23, 24, 25});
        tag("c", "13.01.2024", {3, 30, 31, 32, 33, 34});
        alle.uebersprungen.push_back({QStringLiteral("kaputt.sp45"), QStringLiteral("kurz")});
        const Zeitraum z{Zeitraum::Art(art), letzte, QDate::fromString(von, QStringLiteral("dd.MM.yyyy")),
                         QDate::fromString(bis, QStringLiteral("dd.MM.yyyy"))};
        const Spieltagsstatistik st = ImZeitraum(alle, z);
        QStringList namen;
        for (const SpieltagsAuswertung& s : st.spieltage)
            namen.append(s.datei);
        QCOMPARE(namen, dateien);
        QCOMPARE(st.uebersprungen.size(), std::size_t(1));
        QCOMPARE(st.haeufigkeit[2].fehltSeit, dateien.isEmpty() ? 0 : fehltSeit3);
        QCOMPARE(st.haeufigkeit[2].gewinnzahl,
                 int(dateien.contains("a") + dateien.contains("c") + dateien.contains("x")));
    }

    // Stake, net and the running balance per matchday; the return in percent; a rank without an
    // amount (no odds) still breaks a run without a win.
    void bilanz() {
        std::vector<SpieltagsAuswertung> tage(5);
        tage[1].auswertung.gesamt = 10;
        tage[1].auswertung.anzahl[6] = 1;
        tage[4].auswertung.anzahl[4] = 2; // a rank, but no odds
        const Bilanz b = BilanzZiehen(tage, 3, 50);
        QCOMPARE(b.spieltage.size(), std::size_t(5));
        QList<double> netto, bilanz;
        for (const Bilanzzeile& z : b.spieltage) {
            QCOMPARE(z.einsatz, 1.5);
            netto.append(z.netto);
            bilanz.append(z.bilanz);
        }
        QCOMPARE(netto, (QList<double>{-1.5, 8.5, -1.5, -1.5, -1.5}));
        QCOMPARE(bilanz, (QList<double>{-1.5, 7.0, 5.5, 4.0, 2.5}));
        QCOMPARE(b.einsatz, 7.5);
        QCOMPARE(b.gewinn, 10.0);
        QCOMPARE(b.netto, 2.5);
        QVERIFY(b.rendite && std::abs(*b.rendite - 100.0 / 3) < 1e-9);
        QCOMPARE(b.ohneGewinn, 2);
        // Without a stake there is no return, and the balance is the winnings.
        const Bilanz ohne = BilanzZiehen(tage, 3, 0);
        QVERIFY(!ohne.rendite);
        QCOMPARE(ohne.spieltage.back().bilanz, 10.0);
        QCOMPARE(BilanzZiehen({}, 3, 50).ohneGewinn, 0);
    }
};

REMISATOR_CORE_TEST_MAIN(TstStatistik)
#include "tst_statistik.moc"
