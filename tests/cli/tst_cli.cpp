#include "cli/Programm.h"
#include "cli/SpeicherAusgabe.h"
#include "core/grund/Systemname.h"
#include "core/schein/Spielschein.h"
#include "core/schein/Zeilentabelle.h"
#include "support/FesteBreiten.h"
#include "support/Kommandozeile.h"
#include "support/Spieltagssatz.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using testhilfe::dateiLesen;
using testhilfe::dateiSchreiben;
using testhilfe::lauf;
using testhilfe::Lauf;
using testhilfe::Satz;

namespace {

const QString Beispiele = QStringLiteral(BEISPIELE);
const QString Schein = Beispiele + QStringLiteral("/spielschein.txt");
const QString Spieltag = Beispiele + QStringLiteral("/18092021.sp45");

// A built program as a process of its own.
Lauf starten(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    p.closeWriteChannel();
    Lauf l;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return l;
    }
    l.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    l.aus = p.readAllStandardOutput();
    l.fehler = p.readAllStandardError();
    return l;
}

// The executable itself.
Lauf prozess(const QStringList& argumente) {
    return starten(QStringLiteral(REMISATOR_CLI), argumente);
}

QJsonObject json(const Lauf& l) {
    QJsonParseError fehler;
    const QJsonDocument d = QJsonDocument::fromJson(l.aus, &fehler);
    if (fehler.error != QJsonParseError::NoError || !d.isObject())
        qWarning("keine JSON-Objekt: %s", qPrintable(fehler.errorString()));
    return d.object();
}

QStringList texte(const QJsonArray& a, const QString& schluessel = QString()) {
    QStringList s;
    for (const QJsonValue& v : a) {
        const QJsonValue w = schluessel.isEmpty() ? v : v.toObject().value(schluessel);
        s.append(w.isNull()     ? QStringLiteral("null")
                 : w.isDouble() ? QString::number(w.toInt())
                                : w.toString());
    }
    return s;
}

QList<int> zahlen(const QJsonArray& a) {
    QList<int> z;
    for (const QJsonValue& v : a)
        z.append(v.toInt(-1));
    return z;
}

bool ganzzahl(const QJsonValue& v) {
    return v.isDouble() && v.toDouble() == std::trunc(v.toDouble());
}

QStringList schluessel(const QJsonObject& o) {
    QStringList k = o.keys();
    k.sort();
    return k;
}

QStringList sortiert(QStringList k) {
    k.sort();
    return k;
}

const QStringList Rangtexte = {"6 Ri.", "5 + ZS", "5 Ri.", "4 Ri.", "3 + ZS", "3 Ri."};

// A folder and files under names that are not UTF-8, which Qt cannot remove: removed here.
struct RoheDateien {
    QByteArray ordner;
    mutable QList<QByteArray> dateien;
    explicit RoheDateien(const QByteArray& name) : ordner(name) { ::mkdir(ordner.constData(), 0700); }
    ~RoheDateien() {
        for (const QByteArray& d : dateien)
            ::unlink(d.constData());
        ::rmdir(ordner.constData());
    }
};

} // namespace

class TstCli : public QObject {
    Q_OBJECT
    QTemporaryDir ordner;

    QString datei(const QString& name, const QByteArray& inhalt) {
        return dateiSchreiben(ordner.filePath(name), inhalt);
    }
    QString schein(const QString& name, const QStringList& zeilen) {
        return datei(name, (zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }
    QString spieltag(const QString& name, const QString& ergebnisse, double datum = 44457) {
        Satz s;
        s.datum(datum);
        s.ergebnisse(ergebnisse);
        return datei(name, s.b);
    }

private slots:
    // The sample files in one command, every figure worked out by hand: the matchday's draws give
    // 3 8 15 22 30 41 and ZS 12, its dated odds file is found beside it.
    void beispielText() {
        const Lauf l = prozess({QStringLiteral("auswerten"), Schein, QStringLiteral("--spieltag"), Spieltag});
        QCOMPARE(l.fehler, QByteArray());
        QCOMPARE(l.code, 0);
        QCOMPARE(QString::fromUtf8(l.aus),
                 QStringLiteral("Spielschein:  spielschein.txt, 12 Reihen\n"
                                "Gewinnreihe:  3 8 15 22 30 41  ZS 12 (Spieltag vom "
                                "18.09.2021)\n"
                                "Quoten:       18.09.2021.quo\n"
                                "\n"
                                "Reihe   1   2   3   4   5   6  GKl.\n"
                                "    1   3   8  15  22  30  41  6 Ri.\n"
                                "    2   3   8  15  22  30  12  5 + ZS\n"
                                "    3   3   8  15  22  30  13  5 Ri.\n"
                                "    4   3   8  15  22  12  13  4 Ri.\n"
                                "    5   3   8  15  12  13  14  3 + ZS\n"
                                "    6   3   8  15  13  14  16  3 Ri.\n"
                                "    7   3   8  13  14  16  17  2\n"
                                "    8   1   2   4   5   6   7  0\n"
                                "    9   1   2  22  30  41  45  3 Ri.\n"
                                "   10   4   5   6   7   9  41  1\n"
                                "   11  12  22  30  41  44  45  3 + ZS\n"
                                "   12   3   8  15  22  40  45  4 Ri.\n"
                                "\n"
                                "GKl.    Anzahl      Gewinn\n"
                                "6 Ri.        1  152.345,60\n"
                                "5 + ZS       1    8.720,40\n"
                                "5 Ri.        1    1.234,50\n"
                                "4 Ri.        2      112,60\n"
                                "3 + ZS       2       49,60\n"
                                "3 Ri.        2       24,20\n"
                                "\n"
                                "Gesamtgewinn: 162.486,90\n"));
    }

    void beispielJson_data() {
        QTest::addColumn<QStringList>("optionen");
        QTest::addColumn<QStringList>("reihen");
        QTest::addColumn<QStringList>("gkl");
        QTest::addColumn<QStringList>("schluesselErwartet");
        QTest::newRow("Reihenfolge des Scheins")
            << QStringList() << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}
            << QStringList{"6 Ri.", "5 + ZS", "5 Ri.", "4 Ri.", "3 + ZS", "3 Ri.",
                           "2",     "0",      "3 Ri.", "1",     "3 + ZS", "4 Ri."}
            << QStringList{"1", "2", "3", "4", "5", "6", "12", "10", "6", "11", "5", "4"};
        // Stable by key: equal ranks keep the slip's order.
        QTest::newRow("nach Rang") << QStringList{"--nach-rang"}
                                   << QStringList{"1",  "2", "3", "4", "12", "5",
                                                  "11", "6", "9", "8", "10", "7"}
                                   << QStringList{"6 Ri.",  "5 + ZS", "5 Ri.", "4 Ri.", "4 Ri.", "3 + ZS",
                                                  "3 + ZS", "3 Ri.",  "3 Ri.", "0",     "1",     "2"}
                                   << QStringList{"1", "2", "3", "4",  "4",  "5",
                                                  "5", "6", "6", "10", "11", "12"};
    }
    void beispielJson() {
        QFETCH(QStringList, optionen);
        QFETCH(QStringList, reihen);
        QFETCH(QStringList, gkl);
        QFETCH(QStringList, schluesselErwartet);
        const Lauf l = lauf(QStringList{"auswerten", Schein, "--spieltag", Spieltag, "--json"} + optionen);
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(zahlen(o["gewinnreihe"]["zahlen"].toArray()), (QList<int>{3, 8, 15, 22, 30, 41}));
        QCOMPARE(o["gewinnreihe"]["zs"].toInt(), 12);
        QCOMPARE(texte(o["reihen"].toArray(), "reihe"), reihen);
        QCOMPARE(texte(o["reihen"].toArray(), "gkl"), gkl);
        QCOMPARE(texte(o["reihen"].toArray(), "schluessel"), schluesselErwartet);
        QCOMPARE(texte(o["reihen"][0]["zahlen"].toArray()), (QStringList{"3", "8", "15", "22", "30", "41"}));
        QCOMPARE(texte(o["raenge"].toArray(), "gkl"), Rangtexte);
        QCOMPARE(texte(o["raenge"].toArray(), "anzahl"), (QStringList{"1", "1", "1", "2", "2", "2"}));
        QCOMPARE(texte(o["raenge"].toArray(), "gewinn"),
                 (QStringList{"152.345,60", "8.720,40", "1.234,50", "112,60", "49,60", "24,20"}));
        QCOMPARE(o["gesamt"].toString(), QStringLiteral("162.486,90"));
    }

    // The rank table with the winning row 3 8 15 22 30 41 and ZS 12 typed into the boxes.
    void rangtabelle_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("gewinnreihe");
        QTest::addColumn<QStringList>("zs");
        QTest::addColumn<QString>("gkl");
        QTest::addColumn<QString>("schluesselErwartet");
        const QString g = QStringLiteral("3,8,15,22,30,41");
        const QStringList zs12 = {"--zs", "12"};
        QTest::newRow("6 Ri.") << "3,8,15,22,30,41" << g << zs12 << "6 Ri."
                               << "1";
        QTest::newRow("5 + ZS") << "3,8,15,22,30,12" << g << zs12 << "5 + ZS"
                                << "2";
        QTest::newRow("5 Ri.") << "3,8,15,22,30,13" << g << zs12 << "5 Ri."
                               << "3";
        QTest::newRow("4 Ri. trotz ZS") << "3,8,15,22,12,13" << g << zs12 << "4 Ri."
                                        << "4";
        QTest::newRow("3 + ZS") << "3,8,15,12,13,14" << g << zs12 << "3 + ZS"
                                << "5";
        QTest::newRow("3 Ri.") << "3,8,15,13,14,16" << g << zs12 << "3 Ri."
                               << "6";
        QTest::newRow("2 Treffer") << "3,8,13,14,16,17" << g << zs12 << "2"
                                   << "12";
        QTest::newRow("kein Treffer") << "1,2,4,5,6,7" << g << zs12 << "0"
                                      << "10";
        QTest::newRow("eine Zahl sechsmal") << "3,3,3,3,3,3" << g << zs12 << "1"
                                            << "11";
        QTest::newRow("012 ist nicht der ZS-Text") << "3,8,15,22,30,012" << g << zs12 << "5 Ri."
                                                   << "3";
        QTest::newRow("durch Blanks getrennt") << "41 30 22 15 8 3" << g << zs12 << "6 Ri."
                                               << "1";
        QTest::newRow("Gewinnreihe anders herum") << "3,8,15,22,30,12"
                                                  << "41,30,22,15,8,3" << zs12 << "5 + ZS"
                                                  << "2";
        QTest::newRow("ZS nicht getippt") << "3,8,15,22,30,12" << g << QStringList() << "5 Ri."
                                          << "3";
        QTest::newRow("46 zählt") << "8,15,46,1,2,4"
                                  << "46,8,15" << QStringList() << "3 Ri."
                                  << "6";
        QTest::newRow("48 nicht") << "8,15,48,1,2,4"
                                  << "48,8,15" << QStringList() << "2"
                                  << "12";
        QTest::newRow("Spalten 7 und 8 überschrieben") << "3,8,15,22,30,41,9,9" << g << zs12 << "6 Ri."
                                                       << "1";
    }
    void rangtabelle() {
        QFETCH(QString, zeile);
        QFETCH(QString, gewinnreihe);
        QFETCH(QStringList, zs);
        QFETCH(QString, gkl);
        QFETCH(QString, schluesselErwartet);
        const QString pfad = schein(QStringLiteral("rang.txt"), {zeile});
        const Lauf l = lauf(QStringList{"auswerten", pfad, "--gewinnreihe", gewinnreihe, "--json"} + zs);
        QCOMPARE(l.code, 0);
        const QJsonObject reihe = json(l)["reihen"][0].toObject();
        QCOMPARE(reihe["gkl"].toString(), gkl);
        QCOMPARE(reihe["schluessel"].toString(), schluesselErwartet);
        QCOMPARE(reihe["reihe"].toString(), QStringLiteral("1"));
    }

    // Typed as into the boxes 1..6 and box 7: Zahlen in box order without zeros, ZS or null.
    void gewinnreiheEingabe_data() {
        QTest::addColumn<QStringList>("optionen");
        QTest::addColumn<QList<int>>("zahlenErwartet");
        QTest::addColumn<int>("zs");
        QTest::newRow("sechs und ZS") << QStringList{"--gewinnreihe", "3,8,15,22,30,41", "--zs", "12"}
                                      << QList<int>{3, 8, 15, 22, 30, 41} << 12;
        QTest::newRow("doppelt") << QStringList{"--gewinnreihe", "7,12,12"} << QList<int>{7, 12, 12} << 0;
        QTest::newRow("Lücken und führende Null")
            << QStringList{"--gewinnreihe", ",5,,07"} << QList<int>{5, 7} << 0;
        QTest::newRow("Nullen") << QStringList{"--gewinnreihe", "0,8", "--zs", "0"} << QList<int>{8} << 0;
        QTest::newRow("über 47") << QStringList{"--gewinnreihe", "48,99", "--zs", "07"} << QList<int>{48, 99}
                                 << 7;
        QTest::newRow("leer") << QStringList{"--gewinnreihe", ""} << QList<int>{} << 0;
    }
    void gewinnreiheEingabe() {
        QFETCH(QStringList, optionen);
        QFETCH(QList<int>, zahlenErwartet);
        QFETCH(int, zs);
        const Lauf l = lauf(QStringList{"auswerten", Schein, "--json"} + optionen);
        QCOMPARE(l.code, 0);
        const QJsonObject g = json(l)["gewinnreihe"].toObject();
        QCOMPARE(zahlen(g["zahlen"].toArray()), zahlenErwartet);
        if (zs == 0)
            QVERIFY(g["zs"].isNull());
        else
            QCOMPARE(g["zs"].toInt(), zs);
    }

    // Counts times odds per rank and the total, with the winning row 3 8 15 22 30 41 and ZS 12.
    void quoten_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("quoten");
        QTest::addColumn<QStringList>("anzahl");
        QTest::addColumn<QStringList>("gewinn");
        QTest::addColumn<QString>("gesamt");
        const QStringList nullen = {"0", "0", "0", "0", "0", "0"};
        const QStringList keine = {"null", "null", "null", "null", "null", "null"};
        QTest::newRow("ein Rang IV") << QStringList{"3,8,15,22,12,13"}
                                     << QStringList{"", "", "", "1.234,50", "", ""}
                                     << QStringList{"0", "0", "0", "1", "0", "0"}
                                     << QStringList{"null", "null", "null", "1.234,50", "null", "null"}
                                     << "1.234,50";
        QTest::newRow("zwei Rang VI")
            << QStringList{"3,8,15,13,14,16", "3,8,15,16,17,18"}
            << QStringList{"9", "8", "7", "6", "5", "12,10"} << QStringList{"0", "0", "0", "0", "0", "2"}
            << QStringList{"null", "null", "null", "null", "null", "24,20"} << "24,20";
        QTest::newRow("ohne Quoten") << QStringList{"3,8,15,22,30,41"} << QStringList{"", "", "", "", "", ""}
                                     << QStringList{"1", "0", "0", "0", "0", "0"} << keine << "0,00";
        QTest::newRow("kein Rang") << QStringList{"1,2,4,5,6,7"} << QStringList{"1", "2", "3", "4", "5", "6"}
                                   << nullen << keine << "0,00";
        QTest::newRow("Millionen") << QStringList{"3,8,15,22,30,41", "41,30,22,15,8,3", "3,8,15,22,30,41"}
                                   << QStringList{"1.000.000,00", "", "", "", "", ""}
                                   << QStringList{"3", "0", "0", "0", "0", "0"}
                                   << QStringList{"3.000.000,00", "null", "null", "null", "null", "null"}
                                   << "3.000.000,00";
        QTest::newRow("ungültige Quote zählt nicht")
            << QStringList{"3,8,15,22,30,41", "3,8,15,22,12,13"}
            << QStringList{"12 €", "", "", "2 500", "", ""} << QStringList{"1", "0", "0", "1", "0", "0"}
            << QStringList{"null", "null", "null", "2.500,00", "null", "null"} << "2.500,00";
        QTest::newRow("Summe über die Ränge")
            << QStringList{"3,8,15,22,30,41", "3,8,15,22,30,12", "3,8,15,13,14,16", "3,8,22,13,14,16"}
            << QStringList{"10,00", "5,50", "", "", "", "0,25"} << QStringList{"1", "1", "0", "0", "0", "2"}
            << QStringList{"10,00", "5,50", "null", "null", "null", "0,50"} << "16,00";
        QTest::newRow("acht Zeilen") << QStringList{"3,8,15,22,30,41"}
                                     << QStringList{"7,00", "", "", "", "", "", "99,00", "x"}
                                     << QStringList{"1", "0", "0", "0", "0", "0"}
                                     << QStringList{"7,00", "null", "null", "null", "null", "null"} << "7,00";
    }
    void quoten() {
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, quoten);
        QFETCH(QStringList, anzahl);
        QFETCH(QStringList, gewinn);
        QFETCH(QString, gesamt);
        const QString pfad = schein(QStringLiteral("quoten.txt"), zeilen);
        const QString q = datei(QStringLiteral("q.quo"), (quoten.join("\r\n") + "\r\n").toLatin1());
        const Lauf l = lauf(
            {"auswerten", pfad, "--gewinnreihe", "3,8,15,22,30,41", "--zs", "12", "--quoten", q, "--json"});
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(texte(o["raenge"].toArray(), "anzahl"), anzahl);
        QCOMPARE(texte(o["raenge"].toArray(), "gewinn"), gewinn);
        QCOMPARE(o["gesamt"].toString(), gesamt);
    }

    // The odds of the matchday's date are taken from its folder unless --quoten names others.
    void datierteQuoten_data() {
        QTest::addColumn<bool>("datiert");
        QTest::addColumn<bool>("eigene");
        QTest::addColumn<QString>("gewinn");
        QTest::addColumn<QString>("kopf");
        QTest::newRow("datierte Datei") << true << false << "100,00"
                                        << "Quoten:       25.01.2024.quo";
        QTest::newRow("keine") << false << false << "null"
                               << "Quoten:       keine";
        QTest::newRow("--quoten vor der datierten") << true << true << "7,00"
                                                    << "Quoten:       eigene.quo";
    }
    void datierteQuoten() {
        QFETCH(bool, datiert);
        QFETCH(bool, eigene);
        QFETCH(QString, gewinn);
        QFETCH(QString, kopf);
        QTemporaryDir tag;
        // 25.01.2024 is day 45316; the draws give 1 2 3 4 5 6 and ZS 7.
        Satz s;
        s.datum(45316);
        s.ergebnisse(QStringLiteral("1=2:2 2=2:2 3=2:2 4=1:1 5=1:1 6=1:1 7=0:0 *=3:0"));
        const QString sp = dateiSchreiben(tag.filePath(QStringLiteral("spieltag.sp45")), s.b);
        if (datiert)
            dateiSchreiben(tag.filePath(QStringLiteral("25.01.2024.quo")), "100,00\r\n\r\n\r\n\r\n\r\n\r\n");
        QStringList optionen;
        if (eigene)
            optionen << "--quoten" << datei(QStringLiteral("eigene.quo"), "7,00\r\n\r\n\r\n\r\n\r\n\r\n");
        const QString pfad = schein(QStringLiteral("datiert.txt"), {"1,2,3,4,5,6"});
        const Lauf l = lauf(QStringList{"auswerten", pfad, "--spieltag", sp, "--json"} + optionen);
        QCOMPARE(l.code, 0);
        QCOMPARE(texte(json(l)["raenge"].toArray(), "gewinn").first(), gewinn);
        const Lauf t = lauf(QStringList{"auswerten", pfad, "--spieltag", sp} + optionen);
        QVERIFY(QString::fromUtf8(t.aus).split(u'\n').contains(kopf));
    }

    // The derivation from the results, the expected rows worked out by hand.
    void gewinnreiheAusSpieltag_data() {
        QTest::addColumn<QString>("ergebnisse");
        QTest::addColumn<QList<int>>("zahlenErwartet");
        QTest::addColumn<int>("zs");
        QTest::newRow("ohne Ergebnisse: alles 0 : 0") << "" << QList<int>{1, 2, 3, 4, 5, 6} << 7;
        QTest::newRow("Remis nach Toren")
            << "20=3:3 5=2:2 30=2:2 2=1:1 9=1:1 44=1:1 12=0:0 *=3:0" << QList<int>{20, 5, 30, 2, 9, 44} << 12;
        QTest::newRow("knappe nach Torsumme")
            << "11=1:1 12=1:1 13=1:1 14=1:1 15=1:1 3=2:1 1=1:2 40=3:2 7=1:0 *=4:0"
            << QList<int>{11, 12, 13, 14, 15, 40} << 1;
        QTest::newRow("weniger als sieben") << "5=1:1 9=0:1 *=3:0" << QList<int>{5, 9} << 0;
        QTest::newRow("9 : 10 ist knapp") << "4=9:10 8=2:10 *=3:0" << QList<int>{4} << 0;
        QTest::newRow("keine zählt") << "*=3:0" << QList<int>{} << 0;
        // Counts below 0 never rank, as in the window: goals are counted down to 0 only.
        QTest::newRow("negative Tore") << "7=-3:-3 20=-2:-1 12=1:1 *=3:0" << QList<int>{12} << 0;
        QTest::newRow("Beispielspieltag")
            << "3=3:3 8=2:2 15=2:2 22=1:1 30=1:1 41=1:1 12=0:0 27=0:0 44=0:0 *=2:0"
            << QList<int>{3, 8, 15, 22, 30, 41} << 12;
    }
    void gewinnreiheAusSpieltag() {
        QFETCH(QString, ergebnisse);
        QFETCH(QList<int>, zahlenErwartet);
        QFETCH(int, zs);
        const QString sp = spieltag(QStringLiteral("g.sp45"), ergebnisse);
        const Lauf l = lauf({"gewinnreihe", sp, "--json"});
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(o["datum"].toString(), QStringLiteral("18.09.2021"));
        QCOMPARE(zahlen(o["zahlen"].toArray()), zahlenErwartet);
        QCOMPARE(o["zs"].isNull() ? 0 : o["zs"].toInt(), zs);
        // The evaluation takes the same row.
        const Lauf a = lauf({"auswerten", Schein, "--spieltag", sp, "--json"});
        QCOMPARE(a.code, 0);
        QCOMPARE(json(a)["gewinnreihe"].toObject(), (QJsonObject{{"zahlen", o["zahlen"]}, {"zs", o["zs"]}}));
    }

    // A count below 0 is shown with its sign, as the pairing frame shows it.
    void negativeToreMitVorzeichen() {
        const Lauf l =
            lauf({"spieltag", spieltag(QStringLiteral("minus.sp45"), "7=-3:-3 20=-2:1 *=3:0"), "--json"});
        QCOMPARE(l.code, 0);
        const QStringList ergebnisse = texte(json(l)["paarungen"].toArray(), QStringLiteral("ergebnis"));
        QCOMPARE(ergebnisse.at(6), QStringLiteral("-3 : -3"));
        QCOMPARE(ergebnisse.at(19), QStringLiteral("-2 : 1"));
        QCOMPARE(ergebnisse.at(0), QStringLiteral("3 : 0"));
    }

    void gewinnreiheText() {
        const Lauf l = lauf({"gewinnreihe", Spieltag});
        QCOMPARE(l.code, 0);
        QCOMPARE(QString::fromUtf8(l.aus),
                 QStringLiteral("Spieltag vom 18.09.2021\n"
                                "Gewinnreihe: 3 8 15 22 30 41  ZS 12\n"
                                "\n"
                                "Box  Nr.  Paarung                              Ergebnis\n"
                                "1      3  VfR Südstadt - FV Lindenau           3 : 3\n"
                                "2      8  Eintracht Felsbrunn - TuS Wiesental  2 : 2\n"
                                "3     15  TuS Rotenfels - SV Buchenland        2 : 2\n"
                                "4     22  SC Kupferhütte - TuS Schwanensee     1 : 1\n"
                                "5     30  FK Eisenberg - SK Blautal            1 : 1\n"
                                "6     41  SC Moorbrand - TuS Quellental        1 : 1\n"
                                "ZS    12  SV Brückenau - TSV Hohenmark         0 : 0\n"));
    }

    void spieltagBeispiel() {
        const Lauf t = lauf({"spieltag", Spieltag});
        QCOMPARE(t.code, 0);
        const QStringList zeilen = QString::fromUtf8(t.aus).split(u'\n');
        QCOMPARE(zeilen.size(), 2 + 1 + 45 + 1);
        QCOMPARE(zeilen[0], QStringLiteral("Spieltag vom 18.09.2021"));
        QCOMPARE(zeilen[2],
                 QStringLiteral("Nr.  Anstoß      Paarung                                  Tendenz  "
                                "Ergebnis"));
        QCOMPARE(zeilen[3],
                 QStringLiteral("  1  Fr.: 20:30  SV Nordheim - FC Talbach                 1        "
                                "2 : 0"));
        QCOMPARE(zeilen[47], QStringLiteral(" 45  So.: 18:00  FC Lehmgrube - SC Schilfmoor             1"));

        const Lauf j = lauf({"spieltag", Spieltag, "--json"});
        QCOMPARE(j.code, 0);
        const QJsonObject o = json(j);
        QCOMPARE(o["datum"].toString(), QStringLiteral("18.09.2021"));
        const QJsonArray p = o["paarungen"].toArray();
        QCOMPARE(p.size(), 45);
        QCOMPARE(p[0].toObject(), (QJsonObject{{"nr", 1},
                                               {"anstoss", "Fr.: 20:30"},
                                               {"heim", "SV Nordheim"},
                                               {"gast", "FC Talbach"},
                                               {"tendenz", "1"},
                                               {"ergebnis", "2 : 0"}}));
        QCOMPARE(p[2]["heim"].toString(), QStringLiteral("VfR Südstadt"));
        QCOMPARE(p[44]["ergebnis"].toString(), QString());
        QCOMPARE(p[44]["nr"].toInt(), 45);
    }

    // A pairing without kick-off, names or result shows empty texts; 10 on one side is no result.
    void spieltagLeer() {
        Satz s;
        s.datum(44457);
        s.ergebnisse(QStringLiteral("2=2:10 3=0:0"));
        s.heim(3, "\xD6lfeld");
        s.tendenz(3, "1/0");
        s.anstoss(3, 44457.5);
        const Lauf l = lauf({"spieltag", datei(QStringLiteral("leer.sp45"), s.b), "--json"});
        QCOMPARE(l.code, 0);
        const QJsonArray p = json(l)["paarungen"].toArray();
        QCOMPARE(
            p[0].toObject(),
            (QJsonObject{
                {"nr", 1}, {"anstoss", ""}, {"heim", ""}, {"gast", ""}, {"tendenz", ""}, {"ergebnis", ""}}));
        QCOMPARE(p[1]["ergebnis"].toString(), QString());
        QCOMPARE(p[2]["ergebnis"].toString(), QStringLiteral("0 : 0"));
        QCOMPARE(p[2]["heim"].toString(), QStringLiteral("Ölfeld")); // Windows-1252 in the file
        QCOMPARE(p[2]["tendenz"].toString(), QStringLiteral("1/0"));
        QCOMPARE(p[2]["anstoss"].toString(), QStringLiteral("Sa.: 12:00"));
    }

    // The sample matchday is what its generator writes.
    void beispielErzeugt() {
        const QString ziel = ordner.filePath(QStringLiteral("erzeugt.sp45"));
        const Lauf l = starten(QStringLiteral(SPIELTAGBEISPIEL), {ziel});
        QCOMPARE(l.code, 0);
        QCOMPARE(dateiLesen(ziel), dateiLesen(Spieltag));
    }

    // An empty winning row evaluates nothing: the rows stay as read, the ranks empty.
    void leereGewinnreihe_data() {
        QTest::addColumn<QStringList>("quelle");
        QTest::newRow("nichts getippt") << QStringList{"--gewinnreihe", ""};
        QTest::newRow("nur ZS") << QStringList{"--gewinnreihe", "", "--zs", "12"};
        QTest::newRow("Spieltag ohne Rang") << QStringList{"--spieltag", "*=3:0"};
    }
    void leereGewinnreihe() {
        QFETCH(QStringList, quelle);
        if (quelle[0] == u"--spieltag")
            quelle[1] = spieltag(QStringLiteral("ohne.sp45"), quelle[1]);
        const QString pfad = schein(QStringLiteral("leer.txt"), {"3,8,15,22,30,41", "1,2,3,4,5,6,7,8"});
        const Lauf l = lauf(QStringList{"auswerten", pfad, "--json"} + quelle);
        QCOMPARE(l.code, 0);
        const QJsonObject o = json(l);
        QCOMPARE(o["gewinnreihe"]["zahlen"].toArray(), QJsonArray());
        QCOMPARE(texte(o["reihen"].toArray(), "gkl"), (QStringList{"", "7"}));
        QCOMPARE(texte(o["reihen"].toArray(), "schluessel"), (QStringList{"", "8"}));
        QCOMPARE(texte(o["raenge"].toArray(), "anzahl"), (QStringList{"0", "0", "0", "0", "0", "0"}));
        QCOMPARE(texte(o["raenge"].toArray(), "gewinn"),
                 (QStringList{"null", "null", "null", "null", "null", "null"}));
        QCOMPARE(o["gesamt"].toString(), QStringLiteral("0,00"));
        const Lauf t = lauf(QStringList{"auswerten", pfad} + quelle);
        QCOMPARE(t.code, 0);
        QVERIFY(t.aus.endsWith("\n\nDie Gewinnreihe ist leer: es wurde nichts ausgewertet.\n"));
    }

    // The output goes out in blocks: whatever their size, the bytes are the same, and a line's
    // blanks are dropped at its end also when a block ends among them. Lines of cells wider in
    // bytes than in characters, and lines longer than the room of one write, take the long way.
    void bloecke_data() {
        QTest::addColumn<int>("block");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("optionen");
        QTest::addColumn<QByteArray>("erwartet");
        const QByteArray kopf = "Gewinnreihe:  leer (eingegeben)\nQuoten:       keine\n\n";
        const QByteArray leer = "\nDie Gewinnreihe ist leer: es wurde nichts ausgewertet.\n";
        const QByteArray kurz = "1,2\r\n10,11,12,13,14\r\n7,,8\r\n";
        const QByteArray lang = "1,2\r\n3," + QByteArray(2000, 'x') + "\r\n";
        for (const int block : {1, 2, 5, 64, 1025, 1 << 16}) {
            QTest::addRow("Text, Block %d", block) << block << kurz << QStringList{"--gewinnreihe", ""}
                                                   << "Spielschein:  bloecke.txt, 3 Reihen\n" + kopf +
                                                          "Reihe   1   2   3   4   5  6  GKl.\n"
                                                          "    1   1   2\n"
                                                          "    2  10  11  12  13  14\n"
                                                          "    3   7       8\n" +
                                                          leer;
            QTest::addRow("JSON, Block %d", block)
                << block << kurz << QStringList{"--gewinnreihe", "1,2,10,11", "--json"}
                << QByteArray("{\"gewinnreihe\":{\"zahlen\":[1,2,10,11],\"zs\":null},\"reihen\":["
                              "{\"reihe\":\"1\",\"zahlen\":[\"1\",\"2\",\"\",\"\",\"\",\"\"],"
                              "\"gkl\":\"2\",\"schluessel\":\"12\"},"
                              "{\"reihe\":\"2\",\"zahlen\":[\"10\",\"11\",\"12\",\"13\",\"14\",\"\"],"
                              "\"gkl\":\"2\",\"schluessel\":\"12\"},"
                              "{\"reihe\":\"3\",\"zahlen\":[\"7\",\" \",\"8\",\"\",\"\",\"\"],"
                              "\"gkl\":\"0\",\"schluessel\":\"10\"}],\"raenge\":["
                              "{\"anzahl\":0,\"gewinn\":null,\"gkl\":\"6 Ri.\"},"
                              "{\"anzahl\":0,\"gewinn\":null,\"gkl\":\"5 + ZS\"},"
                              "{\"anzahl\":0,\"gewinn\":null,\"gkl\":\"5 Ri.\"},"
                              "{\"anzahl\":0,\"gewinn\":null,\"gkl\":\"4 Ri.\"},"
                              "{\"anzahl\":0,\"gewinn\":null,\"gkl\":\"3 + ZS\"},"
                              "{\"anzahl\":0,\"gewinn\":null,\"gkl\":\"3 Ri.\"}],\"gesamt\":\"0,00\"}\n");
            QTest::addRow("Umlaut, Block %d", block)
                << block << QByteArray("1,\xe4\r\n22,3\r\n") << QStringList{"--gewinnreihe", ""}
                << "Spielschein:  bloecke.txt, 2 Reihen\n" + kopf +
                       "Reihe   1  2  3  4  5  6  GKl.\n"
                       "    1   1  \xc3\xa4\n"
                       "    2  22  3\n" +
                       leer;
            QTest::addRow("lange Zelle, Block %d", block)
                << block << lang << QStringList{"--gewinnreihe", ""}
                << "Spielschein:  bloecke.txt, 2 Reihen\n" + kopf + "Reihe  1  " + QByteArray(1999, ' ') +
                       "2  3  4  5  6  GKl.\n"
                       "    1  1  " +
                       QByteArray(1999, ' ') + "2\n    2  3  " + QByteArray(2000, 'x') + "\n" + leer;
        }
    }
    void bloecke() {
        QFETCH(int, block);
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, optionen);
        QFETCH(QByteArray, erwartet);
        const QString pfad = datei(QStringLiteral("bloecke.txt"), inhalt);
        QByteArray aus;
        QByteArray fehler;
        cli::SpeicherAusgabe speicher(aus, block);
        QCOMPARE(
            cli::Ausfuehren(QStringList{"remisator-cli", "auswerten", pfad} + optionen, speicher, fehler), 0);
        QCOMPARE(fehler, QByteArray());
        QCOMPARE(aus, erwartet);
    }

    // Keys and types exactly as documented, for every command.
    void jsonForm_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::newRow("auswerten") << QStringList{"auswerten", Schein, "--spieltag", Spieltag, "--json"};
        QTest::newRow("auswerten leer") << QStringList{"auswerten", Schein, "--gewinnreihe", "", "--json"};
        QTest::newRow("gewinnreihe") << QStringList{"gewinnreihe", Spieltag, "--json"};
        QTest::newRow("spieltag") << QStringList{"spieltag", Spieltag, "--json"};
        QTest::newRow("system") << QStringList{"system", "9/12", "--json"};
    }
    void jsonForm() {
        QFETCH(QStringList, argumente);
        const Lauf l = lauf(argumente);
        QCOMPARE(l.code, 0);
        QVERIFY(l.aus.endsWith("}\n"));
        QJsonParseError fehler;
        const QJsonDocument d = QJsonDocument::fromJson(l.aus, &fehler);
        QCOMPARE(fehler.error, QJsonParseError::NoError);
        QVERIFY(d.isObject());
        const QJsonObject o = d.object();
        const QString befehl = argumente[0];
        const auto ganzeZahlen = [](const QJsonValue& v) {
            return v.isArray() && std::all_of(v.toArray().begin(), v.toArray().end(), ganzzahl);
        };
        const auto gewinnreiheForm = [&](const QJsonObject& g) {
            QVERIFY(ganzeZahlen(g["zahlen"]));
            QVERIFY(ganzzahl(g["zs"]) || g["zs"].isNull());
        };
        if (befehl == u"auswerten") {
            QCOMPARE(schluessel(o), sortiert({"gewinnreihe", "reihen", "raenge", "gesamt"}));
            QCOMPARE(schluessel(o["gewinnreihe"].toObject()), sortiert({"zahlen", "zs"}));
            gewinnreiheForm(o["gewinnreihe"].toObject());
            QVERIFY(o["reihen"].isArray());
            QCOMPARE(o["reihen"].toArray().size(), 12);
            for (const QJsonValue& r : o["reihen"].toArray()) {
                QCOMPARE(schluessel(r.toObject()), sortiert({"reihe", "zahlen", "gkl", "schluessel"}));
                QVERIFY(r["reihe"].isString() && r["gkl"].isString() && r["schluessel"].isString());
                QCOMPARE(r["zahlen"].toArray().size(), 6);
                for (const QJsonValue& z : r["zahlen"].toArray())
                    QVERIFY(z.isString());
            }
            QCOMPARE(o["raenge"].toArray().size(), 6);
            for (const QJsonValue& r : o["raenge"].toArray()) {
                QCOMPARE(schluessel(r.toObject()), sortiert({"gkl", "anzahl", "gewinn"}));
                QVERIFY(r["gkl"].isString() && ganzzahl(r["anzahl"]));
                QVERIFY(r["gewinn"].isString() || r["gewinn"].isNull());
            }
            QVERIFY(o["gesamt"].isString());
        } else if (befehl == u"gewinnreihe") {
            QCOMPARE(schluessel(o), sortiert({"datum", "zahlen", "zs"}));
            QVERIFY(o["datum"].isString());
            gewinnreiheForm(o);
        } else if (befehl == u"spieltag") {
            QCOMPARE(schluessel(o), sortiert({"datum", "paarungen"}));
            QVERIFY(o["datum"].isString());
            QCOMPARE(o["paarungen"].toArray().size(), 45);
            for (const QJsonValue& p : o["paarungen"].toArray()) {
                QCOMPARE(schluessel(p.toObject()),
                         sortiert({"nr", "anstoss", "heim", "gast", "tendenz", "ergebnis"}));
                QVERIFY(ganzzahl(p["nr"]));
                for (const char* k : {"anstoss", "heim", "gast", "tendenz", "ergebnis"})
                    QVERIFY(p[QLatin1StringView(k)].isString());
            }
        } else {
            QCOMPARE(schluessel(o), sortiert({"system", "anzahl", "reihen"}));
            QVERIFY(o["system"].isString() && ganzzahl(o["anzahl"]));
            for (const QJsonValue& r : o["reihen"].toArray()) {
                QVERIFY(ganzeZahlen(r));
                QCOMPARE(r.toArray().size(), 6);
            }
        }
    }

    // The text of "system" is a slip: read back by the slip reader it gives the rows of --json.
    void system_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("zahlenArg");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("reihen");
        QTest::addColumn<QString>("erste");
        QTest::addColumn<QString>("letzte");
        const QStringList keine;
        const QString start = QStringLiteral("1 2 3 4 5 6");
        QTest::newRow("007") << "007" << QStringList{"45", "1", "5", "9", "13", "17", "21"} << 7 << 7
                             << "1 5 9 13 17 21"
                             << "5 9 13 17 21 45";
        QTest::newRow("008") << "008" << keine << 8 << 28 << start << "3 4 5 6 7 8";
        QTest::newRow("009") << "009" << keine << 9 << 84 << start << "4 5 6 7 8 9";
        QTest::newRow("010") << "010" << keine << 10 << 210 << start << "5 6 7 8 9 10";
        QTest::newRow("011") << "011" << keine << 11 << 462 << start << "6 7 8 9 10 11";
        QTest::newRow("012") << "012" << keine << 12 << 924 << start << "7 8 9 10 11 12";
        QTest::newRow("013") << "013" << keine << 13 << 1716 << start << "8 9 10 11 12 13";
        QTest::newRow("9/12") << "9/12" << QStringList{"3", "7", "12", "18", "22", "30", "31", "40", "45"}
                              << 9 << 12 << "3 7 12 18 22 30"
                              << "12 18 22 30 31 40";
        QTest::newRow("9/12 ungeordnet")
            << "9/12" << QStringList{"45", "40", "31", "30", "22", "18", "12", "7", "3"} << 9 << 12
            << "3 7 12 18 22 30"
            << "12 18 22 30 31 40";
        QTest::newRow("12/22") << "12/22" << keine << 12 << 22 << start << "7 8 9 10 11 12";
        QTest::newRow("10/30") << "10/30" << keine << 10 << 30 << start << "5 6 7 8 9 10";
        QTest::newRow("11/66") << "11/66" << keine << 11 << 66 << "1 2 3 4 6 11"
                               << "6 7 8 9 10 11";
        QTest::newRow("22/77") << "22/77" << keine << 22 << 77 << start << "13 14 16 18 20 21";
        QTest::newRow("26/130") << "26/130" << keine << 26 << 130 << start << "15 16 17 20 22 26";
        QTest::newRow("12/132") << "12/132" << keine << 12 << 132 << start << "7 8 9 10 11 12";
    }
    void system() {
        QFETCH(QString, name);
        QFETCH(QStringList, zahlenArg);
        QFETCH(int, anzahl);
        QFETCH(int, reihen);
        QFETCH(QString, erste);
        QFETCH(QString, letzte);
        const Lauf t = lauf(QStringList{"system", name} + zahlenArg);
        QCOMPARE(t.code, 0);
        QVERIFY(t.aus.startsWith((erste.split(u' ').join(u',') + QStringLiteral("\r\n")).toLatin1()));
        const QString pfad = datei(QStringLiteral("system.txt"), t.aus);
        const std::optional<core::Spielschein> s =
            core::SpielscheinEinlesen(pfad, core::Zeilentabelle(9), testhilfe::FesteBreiten());
        QVERIFY(s);
        QCOMPARE(s->zeilen, reihen);

        const Lauf j = lauf(QStringList{"system", name, "--json"} + zahlenArg);
        QCOMPARE(j.code, 0);
        const QJsonObject o = json(j);
        QCOMPARE(o["system"].toString(), name);
        const QJsonArray jsonReihen = o["reihen"].toArray();
        QCOMPARE(jsonReihen.size(), reihen);
        QCOMPARE(texte(jsonReihen.last().toArray()).join(u' '), letzte);
        // The rows of the slip as the reader sees them: ascending, all different.
        QCOMPARE(o["anzahl"].toInt(), anzahl);
        QSet<QString> verschieden;
        for (int r = 1; r <= reihen; ++r) {
            QStringList zeile;
            for (int c = 1; c <= 6; ++c)
                zeile.append(s->tabelle.text(r, c));
            QCOMPARE(zeile, texte(jsonReihen[r - 1].toArray()));
            for (int c = 1; c < 6; ++c)
                QVERIFY(zeile[c - 1].toInt() < zeile[c].toInt());
            verschieden.insert(zeile.join(u','));
        }
        QCOMPARE(int(verschieden.size()), reihen);
    }

    void hilfeUndVersion_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("anfang");
        QTest::newRow("--help") << "--help"
                                << "remisator-cli – Auswahlwette auf der Kommandozeile\n\nAufruf:\n";
        QTest::newRow("-h") << "-h"
                            << "remisator-cli – Auswahlwette auf der Kommandozeile\n\nAufruf:\n";
        QTest::newRow("--version") << "--version"
                                   << "remisator-cli 1.3.0.0\n";
    }
    void hilfeUndVersion() {
        QFETCH(QString, option);
        QFETCH(QString, anfang);
        const Lauf l = prozess({option});
        QCOMPARE(l.code, 0);
        QCOMPARE(l.fehler, QByteArray());
        QVERIFY2(QString::fromUtf8(l.aus).startsWith(anfang), l.aus.constData());
    }

    // The help, and the usage after a usage error, to the byte: both are laid out from the commands.
    void hilfeText_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text"); // stdout, then stderr
        const QString aufruf = QStringLiteral(
            "Aufruf:\n"
            "  remisator-cli auswerten SCHEIN (--spieltag DATEI.sp45 | --gewinnreihe N,N,N,N,N,N [--zs N])\n"
            "            [--quoten DATEI.quo] [--nach-rang] [--json]\n"
            "  remisator-cli gewinnreihe DATEI.sp45 [--json]\n"
            "  remisator-cli spieltag DATEI.sp45 [--json]\n"
            "  remisator-cli system NAME [ZAHL ...] [--json]\n"
            "  remisator-cli system bauen (ZAHL ... | --anzahl V) --garantie T/M [--bank N,...]\n"
            "            [--hoechstens R] [--zeit SEKUNDEN] [--saat N] [--json]\n"
            "  remisator-cli system pruefen (NAME | --schein DATEI) [ZAHL ...] [--json]\n"
            "  remisator-cli herunterladen TT.MM.JJJJ [--json]\n"
            "  remisator-cli statistik SCHEIN --ordner ORDNER [--einsatz BETRAG]\n"
            "            [--von TT.MM.JJJJ] [--bis TT.MM.JJJJ] [--letzte N] [--json]\n"
            "  remisator-cli scheine SCHEIN... (--spieltag DATEI.sp45 | --gewinnreihe N,N,N,N,N,N [--zs N])\n"
            "            [--quoten DATEI.quo] [--json]\n"
            "  remisator-cli --help | --version\n");
        const QString befehle = QStringLiteral(
            "Befehle:\n"
            "  auswerten    prüft jede Tippreihe des Spielscheins gegen die Gewinnreihe: Gewinnklasse je\n"
            "               Reihe, Anzahl und Gewinn je Rang und der Gesamtgewinn\n"
            "  gewinnreihe  die Gewinnreihe, die aus den Ergebnissen des Spieltags folgt\n"
            "  spieltag     die 45 Paarungen des Spieltags mit Anstoß, Tendenz und Ergebnis\n"
            "  system       die Reihen eines Systems als Spielschein; ohne Zahlen die Platzhalter 1..n,\n"
            "               sonst genau so viele verschiedene Zahlen 1..45, wie das System braucht\n"
            "               Systeme: 007, 008, 009, 010, 011, 012, 013, 9/12, 12/22, 10/30, 11/66, 22/77, "
            "26/130, 12/132\n"
            "  system bauen baut ein System über die Zahlen mit der Garantie, prüft es vollständig\n"
            "               und vergleicht es mit dem besten bekannten Wert\n"
            "  system pruefen\n"
            "               prüft, was ein System des Katalogs, ein eigenes System (Datei) oder\n"
            "               die Reihen eines Spielscheins garantieren: sichere Richtige und Ränge\n"
            "               für 0 bis 6 Gewinnzahlen unter den Zahlen\n"
            "  herunterladen\n"
            "               holt den Spieltag, der an diesem Tag beginnt, von der Seite des Herausgebers\n"
            "               in den Spieltag-Ordner, wie \"Spieltag abrufen\", und nennt die Datei\n"
            "  statistik    prüft den Spielschein gegen jeden Spieltag (*.sp45) des Ordners, jeden mit\n"
            "               den Quoten TT.MM.JJJJ.quo daneben, wenn es sie gibt; zählt, wie oft jede Zahl\n"
            "               Gewinnzahl und Zusatzzahl war und seit wie vielen Spieltagen sie fehlt; mit\n"
            "               --einsatz Einsatz, Netto und Bilanz je Spieltag und die Rendite\n"
            "  scheine      prüft mehrere Spielscheine gegen eine Gewinnreihe wie \"auswerten\": Anzahl\n"
            "               und Gewinn je Rang und Schein\n");
        const QString optionen = QStringLiteral(
            "Optionen:\n"
            "  --spieltag DATEI     Gewinnreihe aus dem Spieltag; die Quoten aus TT.MM.JJJJ.quo im\n"
            "                       Ordner des Spieltags, wenn es sie gibt\n"
            "  --gewinnreihe ZAHLEN bis zu sechs Gewinnzahlen, durch Kommas getrennt, wie in die\n"
            "                       Boxen 1 bis 6 getippt\n"
            "  --zs ZAHL            das Zusatzspiel, wie in die Box ZS getippt\n"
            "  --quoten DATEI       die Quoten aus dieser Datei\n"
            "  --nach-rang          die Reihen nach der Auswertung nach Gewinnklasse sortieren\n"
            "  --anzahl V           die Zahlen 1 bis V für \"system bauen\"\n"
            "  --garantie T/M       mindestens T Richtige, wenn M Gewinnzahlen unter den Zahlen sind\n"
            "  --bank N,...         Bankzahlen, die in jeder Reihe stehen\n"
            "  --hoechstens R       höchstens R Reihen\n"
            "  --zeit SEKUNDEN      Zeitgrenze der Suche (10 s)\n"
            "  --saat N             Startwert der Suche; derselbe gibt dieselben Reihen\n"
            "  --schein DATEI       die Tippreihen dieses Spielscheins für \"system pruefen\"\n"
            "  --ordner ORDNER      der Ordner mit den Spieltagen für \"statistik\"\n"
            "  --einsatz BETRAG     der Einsatz je Reihe (0,50), für Einsatz, Netto und Bilanz\n"
            "  --von TT.MM.JJJJ     nur Spieltage ab diesem Tag\n"
            "  --bis TT.MM.JJJJ     nur Spieltage bis zu diesem Tag\n"
            "  --letzte N           nur die letzten N Spieltage\n"
            "  --json               Ausgabe als JSON (UTF-8) für Skripte\n"
            "  -h, --help           diese Hilfe\n"
            "  --version            die Version\n");
        QTest::newRow("--help")
            << QStringList{"--help"} << 0
            << "remisator-cli – Auswahlwette auf der Kommandozeile\n\n" + aufruf + u'\n' + befehle + u'\n' +
                   optionen +
                   "\nRückgabewerte: 0 fertig, 1 falscher Aufruf, 2 Fehler in den Daten oder "
                   "Spieltag nicht\nverfügbar.\n";
        QTest::newRow("Verwendungsfehler")
            << QStringList{} << 1
            << "remisator-cli: Es fehlt der Befehl.\n\n" + aufruf + "Mehr mit: remisator-cli --help\n";
    }
    void hilfeText() {
        QFETCH(QStringList, argumente);
        QFETCH(int, code);
        QFETCH(QString, text);
        const Lauf l = lauf(argumente);
        QCOMPARE(l.code, code);
        QCOMPARE(QString::fromUtf8(l.aus + l.fehler), text);
    }

    // The executable writes what the commands give, stdout and stderr apart, and ends with their code.
    void ausfuehrbar_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("code");
        QTest::newRow("Verwendungsfehler") << QStringList{"pruefen"} << 1;
        QTest::newRow("Datenfehler") << QStringList{"gewinnreihe", "/dev/zero"} << 2;
        QTest::newRow("JSON") << QStringList{"system", "9/12", "--json"} << 0;
    }
    void ausfuehrbar() {
        QFETCH(QStringList, argumente);
        QFETCH(int, code);
        const Lauf p = prozess(argumente);
        const Lauf l = lauf(argumente);
        QCOMPARE(p.code, code);
        QVERIFY(code == 0 ? !p.aus.isEmpty() && p.fehler.isEmpty() : p.aus.isEmpty() && !p.fehler.isEmpty());
        QCOMPARE(p.aus, l.aus);
        QCOMPARE(p.fehler, l.fehler);
    }

    // Output that cannot be written is a data error, not a silent success.
    void ausgabeVoll() {
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(QStringLiteral(REMISATOR_CLI), {QStringLiteral("system"), QStringLiteral("013")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        QCOMPARE(p.readAllStandardError(), QByteArray("Die Ausgabe kann nicht geschrieben werden.\n"));
    }

    // A usage error: a short German message and the usage on stderr, nothing on stdout, exit 1.
    void verwendungsfehler_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        const QStringList a = {"auswerten", Schein};
        QTest::newRow("kein Befehl") << QStringList() << "Es fehlt der Befehl.";
        QTest::newRow("unbekannter Befehl") << QStringList{"pruefen"} << "Unbekannter Befehl \"pruefen\".";
        QTest::newRow("kein Schein") << QStringList{"auswerten", "--gewinnreihe", "1"}
                                     << "Dem Befehl \"auswerten\" fehlt der Spielschein.";
        QTest::newRow("zwei Scheine")
            << QStringList{"auswerten", Schein, Schein, "--gewinnreihe", "1"}
            << QStringLiteral("Der Befehl \"auswerten\" nimmt nur eine Datei; \"%1\" ist "
                              "zu viel.")
                   .arg(Schein);
        QTest::newRow("keine Gewinnreihe")
            << a << "\"auswerten\" nimmt die Gewinnreihe entweder aus --spieltag oder aus --gewinnreihe.";
        QTest::newRow("beide Quellen")
            << a + QStringList{"--spieltag", Spieltag, "--gewinnreihe", "1"}
            << "\"auswerten\" nimmt die Gewinnreihe entweder aus --spieltag oder aus --gewinnreihe.";
        QTest::newRow("--zs mit Spieltag")
            << a + QStringList{"--spieltag", Spieltag, "--zs", "3"}
            << "--zs gilt nur mit --gewinnreihe; mit --spieltag folgt das Zusatzspiel aus den Ergebnissen.";
        QTest::newRow("drei Ziffern") << a + QStringList{"--gewinnreihe", "1,2,100"}
                                      << "\"100\" passt nicht in die Box 3: sie nimmt nur bis zu 2 Ziffern.";
        QTest::newRow("Minus") << a + QStringList{"--gewinnreihe", "-1"}
                               << "\"-1\" passt nicht in die Box 1: sie nimmt nur bis zu 2 Ziffern.";
        QTest::newRow("Blank") << a + QStringList{"--gewinnreihe", "1, 2"}
                               << "\" 2\" passt nicht in die Box 2: sie nimmt nur bis zu 2 Ziffern.";
        QTest::newRow("Buchstabe") << a + QStringList{"--gewinnreihe", "x"}
                                   << "\"x\" passt nicht in die Box 1: sie nimmt nur bis zu 2 Ziffern.";
        QTest::newRow("sieben Zahlen") << a + QStringList{"--gewinnreihe", "1,2,3,4,5,6,7"}
                                       << "--gewinnreihe nimmt höchstens sechs Zahlen, angegeben sind 7.";
        QTest::newRow("ZS dreistellig")
            << a + QStringList{"--gewinnreihe", "1", "--zs", "123"}
            << "\"123\" passt nicht in die Box ZS: sie nimmt nur bis zu 2 Ziffern.";
        QTest::newRow("Wert fehlt") << a + QStringList{"--gewinnreihe"}
                                    << "Nach --gewinnreihe fehlt der Wert.";
        QTest::newRow("unbekannte Option")
            << a + QStringList{"--gewinnreihe", "1", "--sofort"} << "Unbekannte Option \"--sofort\".";
        QTest::newRow("fremde Option") << QStringList{"spieltag", Spieltag, "--nach-rang"}
                                       << "Der Befehl \"spieltag\" kennt die Option --nach-rang nicht.";
        QTest::newRow("doppelte Option") << a + QStringList{"--gewinnreihe", "1", "--gewinnreihe", "2"}
                                         << "Die Option --gewinnreihe ist mehrfach angegeben.";
        QTest::newRow("gewinnreihe ohne Datei")
            << QStringList{"gewinnreihe"} << "Dem Befehl \"gewinnreihe\" fehlt die Spieltag-Datei.";
        QTest::newRow("System ohne Namen")
            << QStringList{"system"} << "Dem Befehl \"system\" fehlt der Name des Systems.";
        QTest::newRow("unbekanntes System")
            << QStringList{"system", "9/13"} << "Unbekanntes System \"9/13\".";
    }
    void verwendungsfehler() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const Lauf l = lauf(argumente);
        QCOMPARE(l.code, 1);
        QCOMPARE(l.aus, QByteArray());
        const QStringList zeilen = QString::fromUtf8(l.fehler).split(u'\n');
        QCOMPARE(zeilen[0], QStringLiteral("remisator-cli: ") + meldung);
        QVERIFY(zeilen.contains(QStringLiteral("Aufruf:")));
    }

    // A data error: the program's message on stderr, nothing on stdout, exit 2.
    void datenfehler_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Schein fehlt")
            << QStringList{"auswerten", "{t}/fehlt.txt", "--gewinnreihe", "1"} << testhilfe::dateiFehlt("{t}/fehlt.txt");
        QTest::newRow("Spieltag fehlt") << QStringList{"auswerten", Schein, "--spieltag", "{t}/fehlt.sp45"}
                                        << testhilfe::dateiFehlt("{t}/fehlt.sp45");
        QTest::newRow("Quoten fehlen")
            << QStringList{"auswerten", Schein, "--gewinnreihe", "1", "--quoten", "{t}/fehlt.quo"}
            << testhilfe::dateiFehlt("{t}/fehlt.quo");
        QTest::newRow("gewinnreihe: Datei fehlt")
            << QStringList{"gewinnreihe", "{t}/fehlt.sp45"} << testhilfe::dateiFehlt("{t}/fehlt.sp45");
        QTest::newRow("Ordner")
            << QStringList{"spieltag", "{t}"}
            << "Die Datei \"{t}\" kann nicht gelesen werden.\n\nDer Name bezeichnet einen Ordner.";
        QTest::newRow("Gerät") << QStringList{"auswerten", "/dev/zero", "--gewinnreihe", "1"}
                               << "Die Datei \"/dev/zero\" kann nicht gelesen werden.\n\n"
                                  "Sie ist keine gewöhnliche Datei.";
        QTest::newRow("kurzer Spieltag") << QStringList{"gewinnreihe", "{t}/kurz.sp45"}
                                         << "Die Datei \"{t}/kurz.sp45\" enthält keinen Spieltag.\n\n"
                                            "Sie ist 100 Bytes groß, ein Spieltag umfasst 3.792 Bytes.";
        QTest::newRow("leerer Spieltag") << QStringList{"auswerten", Schein, "--spieltag", "{t}/leer.sp45"}
                                         << "Die Datei \"{t}/leer.sp45\" enthält keinen Spieltag.\n\n"
                                            "Sie ist 0 Bytes groß, ein Spieltag umfasst 3.792 Bytes.";
        QTest::newRow("keine ganze Zahl") << QStringList{"auswerten", "{t}/abc.txt", "--gewinnreihe", "3,8"}
                                          << "''abc'' ist kein gültiger Integer-Wert";
        QTest::newRow("zu große Zahl") << QStringList{"auswerten", "{t}/gross.txt", "--gewinnreihe", "3,8"}
                                       << "''99999999999'' ist kein gültiger Integer-Wert";
        QTest::newRow("Quoten zu kurz")
            << QStringList{"auswerten", Schein, "--gewinnreihe", "1", "--quoten", "{t}/drei.quo"}
            << "Listenindex überschreitet das Maximum (3)";
        QTest::newRow("Quote mit zwei Kommas")
            << QStringList{"auswerten", Schein, "--spieltag", Spieltag, "--quoten", "{t}/kommas.quo"}
            << "'1,2,3' ist kein gültiger Gleitkommawert";
        QTest::newRow("System: zu wenige")
            << QStringList{"system", "9/12", "1", "2", "3", "4", "5", "6", "7", "8"}
            << "Das System 9/12 braucht 9 verschiedene Zahlen von 1 bis 45, "
               "angegeben sind 8.";
        QTest::newRow("System: 46") << QStringList{"system", "007", "1", "2", "3", "4", "5", "6", "46"}
                                    << "Die Zahl 46 liegt nicht zwischen 1 und 45.";
        QTest::newRow("System: 0") << QStringList{"system", "007", "0", "2", "3", "4", "5", "6", "7"}
                                   << "Die Zahl 0 liegt nicht zwischen 1 und 45.";
        QTest::newRow("System: doppelt") << QStringList{"system", "007", "1", "2", "3", "7", "5", "6", "7"}
                                         << "Die Zahl 7 ist mehrfach angegeben.";
        QTest::newRow("System: keine Zahl") << QStringList{"system", "007", "1", "2", "3", "4", "5", "6", "x"}
                                            << "''x'' ist kein gültiger Integer-Wert";
    }
    void datenfehler() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const QString t = ordner.path();
        datei(QStringLiteral("kurz.sp45"), QByteArray(100, '\x0A'));
        datei(QStringLiteral("leer.sp45"), QByteArray());
        schein(QStringLiteral("abc.txt"), {"3,8,15,22,30,41", "3,8,abc,22,30,41"});
        schein(QStringLiteral("gross.txt"), {"3,8,15,22,30,99999999999"});
        datei(QStringLiteral("drei.quo"), "1,00\r\n2,00\r\n3,00\r\n");
        datei(QStringLiteral("kommas.quo"), "1,2,3\r\n\r\n\r\n\r\n\r\n\r\n");
        for (QString& a : argumente)
            a.replace(QStringLiteral("{t}"), t);
        const Lauf l = lauf(argumente);
        QCOMPARE(QString::fromUtf8(l.fehler), meldung.replace(QStringLiteral("{t}"), t) + u'\n');
        QCOMPARE(l.aus, QByteArray());
        QCOMPARE(l.code, 2);
    }

    // Names come back byte for byte; valid UTF-8 is plain text, other bytes show as U+FFFD.
    void systemnamen_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("gezeigt");
        const QString f = QString(QChar::ReplacementCharacter);
        QTest::newRow("ASCII") << QByteArray("a/b.sp45") << "a/b.sp45";
        QTest::newRow("UTF-8") << QByteArray("\xC5\x81\xC3\xB3"
                                             "d\xC5\xBA.txt")
                               << QStringLiteral("Łódź.txt");
        QTest::newRow("vier Bytes") << QByteArray("\xF0\x9F\x98\x80") << QString::fromUcs4(U"\U0001F600", 1);
        QTest::newRow("Latin-1") << QByteArray("Caf\xE9.txt") << "Caf" + f + ".txt";
        QTest::newRow("abgeschnitten") << QByteArray("a\xC3") << "a" + f;
        QTest::newRow("überlang") << QByteArray("\xC0\xAF") << f + f;
        QTest::newRow("Surrogat") << QByteArray("\xED\xA0\x80") << f + f + f;
        QTest::newRow("über U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << f + f + f + f;
    }
    void systemnamen() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, gezeigt);
        const QString name = core::NameAusBytes(bytes);
        QCOMPARE(core::NameAlsBytes(name), bytes);
        QCOMPARE(core::NameZumZeigen(name), gezeigt);
    }

    // Files under names that are not UTF-8 are read, and named in the output as well as they can be.
    void dateinamenDesSystems() {
        const QByteArray wurzel = QFile::encodeName(ordner.path());
        const RoheDateien fremd(wurzel + "/ordner-\xE4");
        const auto roh = [&](const QByteArray& pfad, const QByteArray& inhalt) {
            const int fd = ::open(pfad.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            QVERIFY(fd >= 0);
            fremd.dateien.append(pfad);
            QCOMPARE(::write(fd, inhalt.constData(), std::size_t(inhalt.size())), ssize_t(inhalt.size()));
            ::close(fd);
        };
        roh(fremd.ordner + "/tag-\xE9.sp45", dateiLesen(Spieltag));
        roh(fremd.ordner + "/18.09.2021.quo", dateiLesen(Beispiele + QStringLiteral("/18.09.2021.quo")));
        roh(fremd.ordner + "/schein-\xFC.txt", "3,8,15,22,30,41\r\n");
        const Lauf l = lauf({"auswerten", core::NameAusBytes(fremd.ordner + "/schein-\xFC.txt"), "--spieltag",
                             core::NameAusBytes(fremd.ordner + "/tag-\xE9.sp45")});
        QCOMPARE(l.fehler, QByteArray());
        const QStringList zeilen = QString::fromUtf8(l.aus).split(u'\n');
        QCOMPARE(zeilen.at(0), QStringLiteral("Spielschein:  schein-\uFFFD.txt, 1 Reihen"));
        QCOMPARE(zeilen.at(2), QStringLiteral("Quoten:       18.09.2021.quo"));
        QVERIFY(zeilen.contains(QStringLiteral("Gesamtgewinn: 152.345,60")));

        // The program itself, given the bytes by a shell.
        QProcess p;
        p.start(QStringLiteral("/bin/sh"),
                {"-c", "exec \"$0\" spieltag \"$(printf '%s/ordner-\\344/tag-\\351.sp45' \"$1\")\"",
                 QStringLiteral(REMISATOR_CLI), ordner.path()});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.readAllStandardError(), QByteArray());
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().startsWith("Spieltag vom 18.09.2021\n"));
    }

    // A file that cannot be opened is reported with the system's reason.
    void grundDesSystems() {
        const QByteArray wurzel = QFile::encodeName(ordner.path());
        const QString t = ordner.path();
        QVERIFY(::symlink("schleife", (wurzel + "/schleife").constData()) == 0 || errno == EEXIST);
        const Lauf schleife = lauf({"gewinnreihe", t + QStringLiteral("/schleife")});
        QCOMPARE(schleife.code, 2);
        QCOMPARE(QString::fromUtf8(schleife.fehler),
                 QStringLiteral("Die Datei \"%1/schleife\" kann nicht gelesen werden.\n\n"
                                "Zu viele Ebenen symbolischer Verknüpfungen.\n")
                     .arg(t));
        const Lauf weg = lauf({"spieltag", core::NameAusBytes(wurzel + "/weg-\xE9.sp45")});
        QCOMPARE(weg.code, 2);
        QCOMPARE(QString::fromUtf8(weg.fehler),
                 QStringLiteral("Die Datei \"%1/weg-\uFFFD.sp45\" kann nicht gelesen "
                                "werden.\n\nDie Datei oder der Ordner existiert nicht.\n")
                     .arg(t));
    }

    // Whatever the files hold, the program ends, with a result or a data error.
    void unsinn_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QByteArray>("inhalt");
        QRandomGenerator zufall(20210918);
        QByteArray rauschen(20000, '\0');
        for (char& c : rauschen)
            c = char(zufall.bounded(256));
        QByteArray ziffern(200000, ',');
        for (qsizetype i = 0; i < ziffern.size(); i += 3)
            ziffern[i] = char('0' + zufall.bounded(10));
        for (const char* befehl : {"auswerten", "gewinnreihe", "spieltag"}) {
            QTest::newRow(befehl) << befehl << rauschen;
            QTest::addRow("%s: Satz", befehl) << befehl << Satz::zufaellig(7).b;
            QTest::addRow("%s: zwei Sätze und Rest", befehl) << befehl << Satz::zufaellig(8).b + rauschen;
        }
        QTest::newRow("lange Zeile") << "auswerten" << ziffern;
        QTest::newRow("UTF-16") << "auswerten"
                                << QByteArray("\xFF\xFE"
                                              "3\0,\0"
                                              "8\0\r\0\n\0",
                                              12);
        QTest::newRow("leer") << "auswerten" << QByteArray();
        QTest::newRow("Leerzeilen") << "auswerten" << QByteArray("\r\n\n\r\r\n");
    }
    void unsinn() {
        QFETCH(QString, befehl);
        QFETCH(QByteArray, inhalt);
        const QString pfad = datei(QStringLiteral("unsinn"), inhalt);
        const QStringList argumente =
            befehl == u"auswerten" ? QStringList{"auswerten", pfad, "--gewinnreihe", "3,8,15", "--json"}
                                   : QStringList{befehl, pfad, "--json"};
        const Lauf l = lauf(argumente);
        QVERIFY2(l.code == 0 || l.code == 2, qPrintable(QString::number(l.code)));
        if (l.code == 0)
            QVERIFY(QJsonDocument::fromJson(l.aus).isObject());
        else
            QVERIFY(l.aus.isEmpty() && !l.fehler.isEmpty());
    }
};

REMISATOR_CORE_TEST_MAIN(TstCli)
#include "tst_cli.moc"
