#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/spieltag/ErgebnisZerlegen.h"
#include "core/spieltag/Ergebniseingabe.h"
#include "core/spieltag/GewinnreiheErmitteln.h"
#include "core/spieltag/Paarungstexte.h"
#include "core/spieltag/TSpieltag.h"
#include "core/text/TextDatei.h"
#include "support/Dateigrenze.h"
#include "support/Prozessmass.h"
#include "support/Spieltagssatz.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>
#include <random>
#include <tuple>

using namespace core;
using testhilfe::Satz;

namespace {

// "20=3:3 5=2:2 *=3:0": the results named, "*" for every other pairing (else 10:10).
ProPaarung<TErgebnis> ergebnisseAus(const QString& beschreibung) {
    Satz s;
    s.ergebnisse(beschreibung);
    return s.spieltag().Ergebnis;
}

using Texte = QMap<int, QString>; // by pairing number

QString tore(const TErgebnis& e) {
    return QStringLiteral("%1:%2").arg(int(e.ToreHeim)).arg(int(e.ToreGast));
}

} // namespace

class TstSpieltag : public QObject {
    Q_OBJECT
    QTemporaryDir ordner;

    QString datei(const QByteArray& inhalt) {
        static int n = 0;
        const QString pfad = ordner.filePath(QStringLiteral("s%1.sp45").arg(++n));
        return testhilfe::dateiSchreiben(pfad, inhalt);
    }
    static QByteArray inhalt(const QString& pfad) { return testhilfe::dateiLesen(pfad); }

private slots:
    void rundreise_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QByteArray>("satz");
        const QByteArray a = Satz::zufaellig(1).b;
        const QByteArray b = Satz::zufaellig(2).b;
        Satz ohne;
        ohne.alleErgebnisse(10, 10);
        Satz lang = Satz::zufaellig(3);
        for (int i = 1; i <= 45; ++i) {
            lang.heim(i, {}, 255);
            lang.gast(i, {}, 31);
            lang.tendenz(i, {}, 11);
        }
        QTest::newRow("ein Satz") << a << a;
        QTest::newRow("zwei Sätze: der zweite") << a + b << b;
        QTest::newRow("Rest nach dem letzten Satz") << a + b + QByteArray(3791, 'x') << b;
        QTest::newRow("alles 0") << QByteArray(3792, '\0') << QByteArray(3792, '\0');
        QTest::newRow("ohne Ergebnisse") << ohne.b << ohne.b;
        QTest::newRow("Längen über der Kapazität") << lang.b << lang.b;
    }
    void rundreise() {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, satz);
        QCOMPARE(TSpieltag::ausBytes(satz).bytes(), satz);
        const TSpieltag gelesen = TSpieltag::dateiLesen(this->datei(datei));
        const QString ziel = ordner.filePath(QStringLiteral("ziel.sp45"));
        TextDatei::bytesSchreiben(ziel, datei);
        gelesen.dateiSchreiben(ziel);
        QCOMPARE(inhalt(ziel), satz);
    }

    void felder_data() {
        QTest::addColumn<int>("nr");
        for (const int nr : {1, 2, 23, 44, 45})
            QTest::newRow(qPrintable(QString::number(nr))) << nr;
    }
    void felder() {
        QFETCH(int, nr);
        Satz s = Satz::zufaellig(nr);
        s.b.replace(0, 8, QByteArray::fromHex("0000000020b5e540")); // 44457.0
        s.anstoss(nr, 44457.0 + 15.5 / 24);
        s.heim(nr, "M\xFCnchen");
        s.gast(nr, "K\xF6ln");
        s.tendenz(nr, "1:0 \x80");
        s.ergebnis(nr, -3, 127);
        const QByteArray rest = s.b.sliced(3743);
        const TSpieltag t = s.spieltag();
        QCOMPARE(t.Datum, 44457.0);
        QCOMPARE(t.Anstoss[nr], 44457.645833333336);
        QCOMPARE(t.Paarung[nr].Heim.text(), QString::fromUtf8("München"));
        QCOMPARE(t.Paarung[nr].Gast.text(), QString::fromUtf8("Köln"));
        QCOMPARE(t.Tendenz[nr].text(), QString::fromUtf8("1:0 €"));
        QCOMPARE(t.Ergebnis[nr], (TErgebnis{-3, 127}));
        QCOMPARE(QByteArray(t.Rest.data(), 49), rest);

        // The other way: fields set in memory land at their offsets.
        TSpieltag leer;
        leer.Anstoss[nr] = 44457.645833333336;
        leer.Paarung[nr].Gast.setzen(QString::fromUtf8("Köln"));
        leer.Tendenz[nr].setzen(QStringLiteral("12345678901234"));
        leer.Ergebnis[nr] = {2, -1};
        QByteArray erwartet(3792, '\0');
        erwartet.replace(8 * nr, 8, QByteArray::fromHex("abaaaaaa34b5e540"));
        erwartet.replace(368 + 62 * (nr - 1) + 31, 5, "\x04K\xF6ln");
        erwartet.replace(3158 + 11 * (nr - 1), 11,
                         "\x0A"
                         "1234567890");
        erwartet.replace(3653 + 2 * (nr - 1), 2, "\x02\xFF");
        QCOMPARE(leer.bytes(), erwartet);
    }

    void kurzString_data() {
        QTest::addColumn<int>("laenge");
        QTest::addColumn<QString>("heim");
        QTest::addColumn<QString>("tendenz");
        const QString dreissig = QString(30, u'h');
        QTest::newRow("0") << 0 << QString() << QString();
        QTest::newRow("5") << 5 << QString(5, u'h') << QString(5, u't');
        QTest::newRow("10") << 10 << QString(10, u'h') << QString(10, u't');
        QTest::newRow("11") << 11 << QString(11, u'h') << QString(10, u't');
        QTest::newRow("30") << 30 << dreissig << QString(10, u't');
        QTest::newRow("31") << 31 << dreissig << QString(10, u't');
        QTest::newRow("255") << 255 << dreissig << QString(10, u't');
    }
    void kurzString() {
        QFETCH(int, laenge);
        QFETCH(QString, heim);
        QFETCH(QString, tendenz);
        // The bytes after each field differ, so reading past a field would show.
        Satz s;
        s.b.fill('x');
        for (int i = 1; i <= 45; ++i) {
            s.heim(i, QByteArray(30, 'h'), laenge);
            s.gast(i, QByteArray(30, 'g'), laenge);
            s.tendenz(i, QByteArray(10, 't'), laenge);
        }
        const TSpieltag t = s.spieltag();
        for (const int i : {1, 45}) {
            QCOMPARE(t.Paarung[i].Heim.text(), heim);
            QCOMPARE(t.Paarung[i].Gast.text(), QString(heim).replace(u'h', u'g'));
            QCOMPARE(t.Tendenz[i].text(), tendenz);
        }
        QCOMPARE(t.bytes(), s.b);
    }

    void ergebnisAendertNurSeineBytes_data() {
        QTest::addColumn<int>("nr");
        for (const int nr : {1, 17, 45})
            QTest::newRow(qPrintable(QString::number(nr))) << nr;
    }
    void ergebnisAendertNurSeineBytes() {
        QFETCH(int, nr);
        const QByteArray alt = Satz::zufaellig(7).b;
        TSpieltag t = TSpieltag::ausBytes(alt);
        t.Ergebnis[nr] = {TErgebnis::OhneErgebnis, 3};
        const QByteArray neu = t.bytes();
        QList<int> anders;
        for (int k = 0; k < 3792; ++k)
            if (alt[k] != neu[k])
                anders.append(k);
        const int h = 3653 + 2 * (nr - 1);
        QCOMPARE(anders.size(), int(alt[h] != '\x0A') + int(alt[h + 1] != '\x03'));
        QCOMPARE(neu.sliced(h, 2), QByteArray("\x0A\x03"));
        for (const int k : anders)
            QVERIFY(k == h || k == h + 1);
    }

    void paarungstexte_data() {
        QTest::addColumn<QByteArray>("heim");
        QTest::addColumn<QByteArray>("gast");
        QTest::addColumn<double>("anstoss");
        QTest::addColumn<int>("toreHeim");
        QTest::addColumn<int>("toreGast");
        QTest::addColumn<QString>("paar");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("erg");
        const double sa1530 = 44457.0 + 15.5 / 24;
        QTest::newRow("2:1") << QByteArray("Hertha BSC") << QByteArray("FC Augsburg") << sa1530 << 2 << 1
                             << "Hertha BSC - FC Augsburg"
                             << "Sa.: 15:30"
                             << "2 : 1";
        QTest::newRow("ohne Namen") << QByteArray() << QByteArray() << sa1530 << 0 << 0 << " - "
                                    << "Sa.: 15:30"
                                    << "0 : 0";
        QTest::newRow("Anstoß 0") << QByteArray("A") << QByteArray("B") << 0.0 << 1 << 1 << "A - B"
                                  << ""
                                  << "1 : 1";
        QTest::newRow("Anstoß negativ") << QByteArray("A") << QByteArray() << -3.5 << 0 << 3 << "A - "
                                        << ""
                                        << "0 : 3";
        QTest::newRow("10:10") << QByteArray("A") << QByteArray("B") << sa1530 << 10 << 10 << "A - B"
                               << "Sa.: 15:30"
                               << "";
        QTest::newRow("2:10") << QByteArray("A") << QByteArray("B") << sa1530 << 2 << 10 << "A - B"
                              << "Sa.: 15:30"
                              << "";
        QTest::newRow("10:0") << QByteArray("A") << QByteArray("B") << sa1530 << 10 << 0 << "A - B"
                              << "Sa.: 15:30"
                              << "";
        QTest::newRow("negativ") << QByteArray("A") << QByteArray("B") << sa1530 << -1 << -128 << "A - B"
                                 << "Sa.: 15:30"
                                 << "-1 : -128";
        QTest::newRow("11:127") << QByteArray("A") << QByteArray("B") << sa1530 << 11 << 127 << "A - B"
                                << "Sa.: 15:30"
                                << "11 : 127";
    }
    void paarungstexte() {
        QFETCH(QByteArray, heim);
        QFETCH(QByteArray, gast);
        QFETCH(double, anstoss);
        QFETCH(int, toreHeim);
        QFETCH(int, toreGast);
        Satz s = Satz::zufaellig(9);
        s.heim(30, heim);
        s.gast(30, gast);
        s.anstoss(30, anstoss);
        s.tendenz(30, "2:0");
        s.ergebnis(30, toreHeim, toreGast);
        const Paarungstexte p = Paarungstexte::von(s.spieltag(), 30);
        QTEST(p.PPaar, "paar");
        QTEST(p.PStart, "start");
        QCOMPARE(p.PTendenz, QStringLiteral("2:0"));
        QTEST(p.eErg, "erg");
        QCOMPARE(p.Ergebnis, !p.eErg.isEmpty());
    }

    void zeittexte_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("anstoss");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("Sa 15:30") << 44457.645833333336 << "18.09.2021"
                                  << "Sa.: 15:30";
        QTest::newRow("So") << 44458.5 << "19.09.2021"
                            << "So.: 12:00";
        QTest::newRow("Mo") << 44459.75 << "20.09.2021"
                            << "Mo.: 18:00";
        QTest::newRow("Di") << 44460.0 << "21.09.2021"
                            << "Di.: 00:00";
        QTest::newRow("Mi") << 44461.8125 << "22.09.2021"
                            << "Mi.: 19:30";
        QTest::newRow("Do") << 44462.5 << "23.09.2021"
                            << "Do.: 12:00";
        QTest::newRow("Fr") << 44463.84375 << "24.09.2021"
                            << "Fr.: 20:15";
        // Cut to the minute and the day, after rounding to the millisecond.
        QTest::newRow("15:29:59,97 bleibt 15:29") << 44457.645833 << "18.09.2021"
                                                  << "Sa.: 15:29";
        QTest::newRow("15:29:50 bleibt 15:29") << 44457.6457176 << "18.09.2021"
                                               << "Sa.: 15:29";
        QTest::newRow("15:29:20") << 44457.6453704 << "18.09.2021"
                                  << "Sa.: 15:29";
        QTest::newRow("15:29:59,9996 ist 15:30") << 44457.64583332870 << "18.09.2021"
                                                 << "Sa.: 15:30";
        QTest::newRow("23:59:45 bleibt am Tag") << 44457.99982639 << "18.09.2021"
                                                << "Sa.: 23:59";
        QTest::newRow("23:59:59,9996 ist Mitternacht") << 44457.99999999537 << "19.09.2021"
                                                       << "So.: 00:00";
        QTest::newRow("0") << 0.0 << "30.12.1899"
                           << "";
        QTest::newRow("1") << 1.0 << "31.12.1899"
                           << "So.: 00:00";
        QTest::newRow("1.3.1900") << 61.0 << "01.03.1900"
                                  << "Do.: 00:00";
        QTest::newRow("Schalttag") << 45351.0 << "29.02.2024"
                                   << "Do.: 00:00";
        QTest::newRow("-1,25") << -1.25 << "29.12.1899"
                               << "";
        QTest::newRow("-0,5") << -0.5 << "30.12.1899"
                              << "";
        QTest::newRow("erster Tag") << -693593.0 << "01.01.0001"
                                    << "";
        QTest::newRow("letzter Tag") << 2958465.5 << "31.12.9999"
                                     << "Fr.: 12:00";
        QTest::newRow("danach") << 2958466.0 << ""
                                << "";
        QTest::newRow("letzte Minute") << 2958465.99999 << "31.12.9999"
                                       << "Fr.: 23:59";
        QTest::newRow("davor") << -693594.0 << ""
                               << "";
        QTest::newRow("1e300") << 1e300 << ""
                               << "";
        QTest::newRow("-1e300") << -1e300 << ""
                                << "";
        QTest::newRow("NaN") << nan << ""
                             << "";
        QTest::newRow("unendlich") << inf << ""
                                   << "";
        QTest::newRow("minus unendlich") << -inf << ""
                                         << "";
    }
    void zeittexte() {
        QFETCH(double, wert);
        QTEST(DatumText(wert), "datum");
        QTEST(AnstossText(wert), "anstoss");
    }

    // Only the last whole record counts, and only it is read: the reader seeks to it.
    void nurDerLetzteSatzWirdGelesen() {
        QByteArray bytes;
        for (unsigned i = 0; i < 200; ++i)
            bytes += Satz::zufaellig(i).b;
        const QString pfad = datei(bytes + "Rest");
        const qint64 vorher = testhilfe::gelesen();
        const TSpieltag s = TSpieltag::dateiLesen(pfad);
        const qint64 gelesen = testhilfe::gelesen() - vorher;
        QCOMPARE(s.bytes(), Satz::zufaellig(199).b);
        QVERIFY2(gelesen >= 3792 && gelesen < 2 * 3792, qPrintable(QString::number(gelesen)));
    }

    void dateiAbgelehnt_data() {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QStringList>("meldung");
        const QString keinSpieltag = QStringLiteral("enthält keinen Spieltag");
        QTest::newRow("leer") << datei({}) << QStringList{keinSpieltag, "0 Bytes groß", "3.792 Bytes"};
        QTest::newRow("1 Byte") << datei("x") << QStringList{keinSpieltag, "1 Byte groß"};
        QTest::newRow("ein Byte zu kurz")
            << datei(QByteArray(3791, '\0')) << QStringList{keinSpieltag, "3.791 Bytes groß"};
        QTest::newRow("fehlt") << ordner.filePath("fehlt.sp45") << QStringList{"existiert nicht"};
        QTest::newRow("Ordner") << ordner.path() << QStringList{"kann nicht gelesen werden", "Ordner"};
    }
    void dateiAbgelehnt() {
        QFETCH(QString, pfad);
        QFETCH(QStringList, meldung);
        try {
            TSpieltag::dateiLesen(pfad);
            QFAIL("keine Ausnahme");
        } catch (const Fehler& f) {
            QVERIFY2(f.text().contains(QDir::toNativeSeparators(pfad)), qPrintable(f.text()));
            for (const QString& teil : meldung)
                QVERIFY2(f.text().contains(teil), qPrintable(f.text()));
        }
    }

    void ergebnisZerlegen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("heim");
        QTest::addColumn<QString>("gast");
        QTest::addColumn<bool>("gueltig");
        QTest::newRow("2:1") << "2:1"
                             << "2"
                             << "1" << true;
        QTest::newRow("aus der Datei") << "2 : 1"
                                       << "2"
                                       << "1" << true;
        QTest::newRow("leer") << ""
                              << "10"
                              << "10" << false;
        QTest::newRow("ohne Doppelpunkt") << "21"
                                          << "10"
                                          << "10" << false;
        QTest::newRow("2:") << "2:"
                            << "2"
                            << "10" << true;
        QTest::newRow(":2") << ":2"
                            << "10"
                            << "2" << true;
        QTest::newRow(":") << " : "
                           << "10"
                           << "10" << true;
        QTest::newRow("Steuerzeichen") << "\t 3\x01:\x1F"
                                          "4\r\n"
                                       << "3"
                                       << "4" << true;
        QTest::newRow("Leerzeichen innen") << "1 2:0"
                                           << "1 2"
                                           << "0" << true;
        QTest::newRow("geschütztes Leerzeichen bleibt") << "\u00A02:1"
                                                        << "\u00A02"
                                                        << "1" << true;
        QTest::newRow("Komma") << "2,1:0"
                               << "2,1"
                               << "0" << true;
        QTest::newRow("zweiter Doppelpunkt") << "1:2:3"
                                             << "1"
                                             << "2:3" << true;
    }
    void ergebnisZerlegen() {
        QFETCH(QString, text);
        const ErgebnisTeile t = ErgebnisZerlegen(text);
        QTEST(t.Heim, "heim");
        QTEST(t.Gast, "gast");
        QTEST(t.Gueltig, "gueltig");
    }

    void ergebnisseSpeichern_data() {
        QTest::addColumn<Texte>("texte");
        QTest::addColumn<QString>("fehler"); // empty: stored
        QTest::addColumn<int>("geprueft");
        QTest::addColumn<QList<int>>("gueltig");
        QTest::addColumn<Texte>("erwartet"); // every other pairing 10:10
        QTest::newRow("alle leer") << Texte{} << "" << 45 << QList<int>{} << Texte{};
        QTest::newRow("eine Seite fehlt")
            << Texte{{1, "2:1"}, {5, "2:"}, {6, ":2"}, {7, "9 : 10"}, {45, "0:0"}} << "" << 45
            << QList<int>{1, 5, 6, 7, 45}
            << Texte{{1, "2:1"}, {5, "2:10"}, {6, "10:2"}, {7, "9:10"}, {45, "0:0"}};
        QTest::newRow("Grenzen") << Texte{{2, "127:0"}, {3, "10:10"}, {4, "+3:007"}} << "" << 45
                                 << QList<int>{2, 3, 4} << Texte{{2, "127:0"}, {4, "3:7"}};
        QTest::newRow("2,1:0") << Texte{{3, "2:1"}, {12, "2,1:0"}, {13, "x"}}
                               << "''2,1'' ist kein gültiger Integer-Wert" << 12 << QList<int>{3, 12}
                               << Texte{};
        QTest::newRow("1:2:3") << Texte{{1, "1:2:3"}} << "''2:3'' ist kein gültiger Integer-Wert" << 1
                               << QList<int>{1} << Texte{};
        QTest::newRow("300") << Texte{{39, "1:1"}, {40, "300:1"}}
                             << "Das Ergebnis der Paarung 40 ist ungültig: 300 Tore sind nicht möglich, "
                                "erlaubt sind 0 bis 127."
                             << 40 << QList<int>{39, 40} << Texte{};
        QTest::newRow("128 auswärts") << Texte{{45, "0:128"}}
                                      << "Das Ergebnis der Paarung 45 ist ungültig: 128 Tore sind nicht "
                                         "möglich, erlaubt sind 0 bis 127."
                                      << 45 << QList<int>{45} << Texte{};
        QTest::newRow("negativ eingefügt") << Texte{{8, "-1:0"}}
                                           << "Das Ergebnis der Paarung 8 ist ungültig: -1 Tore sind nicht "
                                              "möglich, erlaubt sind 0 bis 127."
                                           << 8 << QList<int>{8} << Texte{};
        QTest::newRow("zu groß für 32 Bit")
            << Texte{{2, "4294967296:0"}} << "''4294967296'' ist kein gültiger Integer-Wert" << 2
            << QList<int>{2} << Texte{};
    }
    void ergebnisseSpeichern() {
        QFETCH(Texte, texte);
        QFETCH(QString, fehler);
        QFETCH(int, geprueft);
        QFETCH(QList<int>, gueltig);
        QFETCH(Texte, erwartet);
        ProPaarung<QString> eingaben;
        for (auto it = texte.cbegin(); it != texte.cend(); ++it)
            eingaben[it.key()] = it.value();
        const QByteArray alt = Satz::zufaellig(11).b;
        const QString pfad = datei(alt + alt);
        TSpieltag spieltag = TSpieltag::ausBytes(alt);

        const Ergebniseingabe eingabe(eingaben);
        QCOMPARE(eingabe.geprueft(), geprueft);
        for (int i = 1; i <= geprueft; ++i)
            QCOMPARE(eingabe.gueltig(i), gueltig.contains(i));
        QCOMPARE(eingabe.fehlertext(), fehler);
        try {
            eingabe.speichern(spieltag, pfad);
            QVERIFY2(fehler.isEmpty(), "gespeichert trotz Fehler");
        } catch (const Fehler& f) {
            QCOMPARE(f.text(), fehler);
            QCOMPARE(spieltag.bytes(), alt);
            QCOMPARE(inhalt(pfad), alt + alt);
            return;
        }
        QByteArray neu = alt;
        for (int i = 1; i <= 45; ++i) {
            const QStringList hg = erwartet.value(i, QStringLiteral("10:10")).split(u':');
            QCOMPARE(tore(spieltag.Ergebnis[i]), hg.join(u':'));
            neu[3653 + 2 * (i - 1)] = char(hg[0].toInt());
            neu[3654 + 2 * (i - 1)] = char(hg[1].toInt());
        }
        QCOMPARE(spieltag.bytes(), neu);
        QCOMPARE(inhalt(pfad), neu);
    }

    void fehlgeschlagenesSchreibenAendertNichts() {
        const QByteArray alt = Satz::zufaellig(12).b;
        const QString pfad = datei(alt.first(1000));
        TSpieltag spieltag = TSpieltag::ausBytes(alt);
        ProPaarung<QString> eingaben;
        eingaben[1] = QStringLiteral("4:4");
        QString text;
        testhilfe::mitDateigrenze(2000, [&] {
            try {
                Ergebniseingabe(eingaben).speichern(spieltag, pfad);
            } catch (const Fehler& f) {
                text = f.text();
            }
        });
        QVERIFY2(text.contains(QStringLiteral("kann nicht geschrieben werden")), qPrintable(text));
        QCOMPARE(spieltag.bytes(), alt);
        QCOMPARE(inhalt(pfad), alt.first(1000));
    }

    void gewinnreihe_data() {
        QTest::addColumn<QString>("ergebnisse");
        QTest::addColumn<QList<int>>("L");
        QTest::newRow("ohne Ergebnisse") << "" << QList<int>{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("Unentschieden nach Toren")
            << "20=3:3 5=2:2 30=2:2 2=1:1 9=1:1 44=1:1 12=0:0 *=3:1" << QList<int>{20, 5, 30, 2, 9, 44, 12};
        QTest::newRow("knappe nach Summe")
            << "10=1:1 11=1:1 12=0:0 13=2:2 14=0:0 3=2:1 1=1:2 40=3:2 7=1:0 *=0:2"
            << QList<int>{13, 10, 11, 12, 14, 40, 1};
        QTest::newRow("ohne Ergebnis zählt als 0:0") << "9=0:0 4=10:10 2=0:0 *=3:0" << QList<int>{2, 4, 9};
        QTest::newRow("eine 10 zählt") << "1=10:9 2=9:10 3=10:10 4=2:10 5=10:8 *=5:1" << QList<int>{3, 1, 2};
        QTest::newRow("weniger als sieben") << "33=1:1 5=2:1 *=4:0" << QList<int>{33, 5};
        QTest::newRow("keins") << "*=3:0" << QList<int>{};
        QTest::newRow("nur knappe, voll") << "45=0:1 44=1:0 *=2:3" << QList<int>{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("viele Unentschieden") << "45=3:3 *=1:1" << QList<int>{45, 1, 2, 3, 4, 5, 6};
        QTest::newRow("negative zählen nie")
            << "1=-1:-1 2=-2:-1 3=-1:0 4=0:0 5=0:1 6=-128:-128 7=127:127 8=127:126 9=-128:127 *=5:0"
            << QList<int>{7, 4, 8, 5};
        QTest::newRow("nur negative") << "*=-1:-1" << QList<int>{};
    }
    void gewinnreihe() {
        QFETCH(QString, ergebnisse);
        QFETCH(QList<int>, L);
        const Gewinnreihenermittlung e = GewinnreiheErmitteln(ergebnisseAus(ergebnisse));
        QCOMPARE(e.L, L);
        quint64 menge = 0;
        for (int k = 0; k < 7; ++k) {
            const int nr = k < L.size() ? L[k] : 0;
            if (k < 6) {
                QCOMPARE(int(e.Gewinnreihe.Zahlen[k]), nr);
                menge |= nr ? quint64(1) << nr : 0;
            } else {
                QCOMPARE(e.Gewinnreihe.ZS, nr);
            }
            QCOMPARE(e.Boxen[k + 1], nr ? QString::number(nr) : QString());
        }
        QCOMPARE(e.Gewinnreihe.Menge.bits(), menge);
    }

    void gewinnreiheZufaellig() {
        // Ranked differently: sort every rankable pairing by (class, −goals, number).
        std::mt19937 zufall(20210918);
        std::uniform_int_distribution<int> tor(0, 4);
        for (int runde = 0; runde < 3000; ++runde) {
            ProPaarung<TErgebnis> e{};
            std::vector<std::tuple<int, int, int>> rang;
            for (int i = 1; i <= 45; ++i) {
                const int art = int(zufall() % 12);
                int h = art == 0 ? 10 : art == 1 ? -tor(zufall) : tor(zufall) + runde % 8;
                int g = art == 0 ? 10 : art == 2 ? 10 : tor(zufall) + runde % 8;
                e[i] = {std::int8_t(h), std::int8_t(g)};
                if (h == 10 && g == 10)
                    h = g = 0;
                if (h == g && h >= 0)
                    rang.emplace_back(0, -h, i);
                else if (std::abs(h - g) == 1 && h + g >= 1)
                    rang.emplace_back(1, -(h + g), i);
            }
            std::sort(rang.begin(), rang.end());
            QList<int> L;
            for (std::size_t k = 0; k < std::min<std::size_t>(7, rang.size()); ++k)
                L.append(std::get<2>(rang[k]));
            QCOMPARE(GewinnreiheErmitteln(e).L, L);
        }
    }

    void abgeleiteteGewinnreiheAusDatei() {
        Satz s = Satz::zufaellig(13);
        s.alleErgebnisse(10, 10);
        const Gewinnreihenermittlung e = GewinnreiheErmitteln(TSpieltag::dateiLesen(datei(s.b)).Ergebnis);
        QCOMPARE(e.Gewinnreihe.Zahlen, (std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(e.Gewinnreihe.ZS, 7);
    }
};

REMISATOR_CORE_TEST_MAIN(TstSpieltag)
#include "tst_spieltag.moc"
