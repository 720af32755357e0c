#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Zeilentabelle.h"
#include "core/text/Editortabelle.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"

using testhilfe::spalte;

namespace {

// Every character 6 pixels wide, so that the padding is known: round(28 - 6) / 12 = 2 blanks for
// a one-digit label of width 40.
struct FesteBreite : core::Textmass {
    int breite(QStringView text) const override { return int(text.size()) * 6; }
    bool ziffernGleichBreit() const override { return true; }
};

// Rows 1.. as lists of their six cells.
QList<QStringList> reihen(const core::Zeilentabelle& t) {
    QList<QStringList> r;
    for (int z = 1; z < t.zeilen(); ++z) {
        QStringList zellen;
        for (int c = 1; c <= 6; ++c)
            zellen.append(t.text(z, c));
        r.append(zellen);
    }
    return r;
}

} // namespace

class TstEditortabelle : public QObject {
    Q_OBJECT
private slots:
    void auslesen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("erwartet");
        QTest::addColumn<int>("uebersprungen");
        const QStringList reihe{"3", "8", "15", "22", "30", "41"};
        QTest::newRow("Tab") << "1\t2\t3\t4\t5\t6" << QList<QStringList>{{"1", "2", "3", "4", "5", "6"}} << 0;
        QTest::newRow("CR, LF und CR LF") << "1,2,3,4,5,6\r7,8,9,10,11,12\n13,14,15,16,17,18\r\n"
                                          << QList<QStringList>{{"1", "2", "3", "4", "5", "6"},
                                                                {"7", "8", "9", "10", "11", "12"},
                                                                {"13", "14", "15", "16", "17", "18"}}
                                          << 0;
        QTest::newRow("Komma und Leerzeichen") << "3, 8, 15, 22, 30, 41" << QList<QStringList>{reihe} << 0;
        QTest::newRow("Semikolon mit Leerzeichen")
            << "3 ;8 ; 15;22 ;30; 41\n3; 8; 15; 22; 30; 41" << QList<QStringList>{reihe, reihe} << 0;
        QTest::newRow("Tabs und Leerzeichen") << "3 \t8\t 15  22\t\t30 41" << QList<QStringList>{reihe} << 0;
        QTest::newRow("Semikolon der ersten Zeile gilt")
            << "1;2;3;4;5;6\n7 8 9;10 11 12"
            << QList<QStringList>{{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}} << 0;
        QTest::newRow("Anführung, führende Nullen, Leerzeilen")
            << "\x01  \"3\",08,15,22,30,041 \x1f\n\n  \n3,8,15,22,30,41" << QList<QStringList>{reihe, reihe}
            << 0;
        QTest::newRow("Kopfzeile und Nummernspalte")
            << "Reihe;Z1;Z2;Z3;Z4;Z5;Z6\n1;3;8;15;22;30;41\n2;1;2;3;4;5;6" << QList<QStringList>{} << 3;
        QTest::newRow("keine Tippreihen")
            << "1,2,3,4,5\n1,2,3,4,5,6,7\n1,1,2,3,4,5\n0,1,2,3,4,5\n1,2,3,4,5,46\na,2,3,4,5,6\n"
               "1,2,3,4,5,\n-1,2,3,4,5,6\n3,8,15,22,30,41"
            << QList<QStringList>{reihe} << 8;
    }

    void auslesen() {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, erwartet);
        QFETCH(int, uebersprungen);
        const core::Auslesung a = core::TippreihenAuslesen(text, FesteBreite());
        QVERIFY(!a.ersteZeileZuKurz);
        QCOMPARE(a.reihen, int(erwartet.size()));
        QCOMPARE(a.uebersprungen, uebersprungen);
        const core::Zeilentabelle& t = a.tabelle;
        QCOMPARE(t.zeilen(), a.reihen + 1);
        QCOMPARE(reihen(t), erwartet);
        QStringList nummern;
        for (int r = 1; r <= a.reihen; ++r)
            nummern.append("  " + QString::number(r));
        QCOMPARE(spalte(t, 0), nummern);
        QCOMPARE(t.text(0, 0), QStringLiteral("Reihe")); // 28 - 30 leaves no room for a blank
        QCOMPARE(t.text(0, 1), QStringLiteral(" 1"));    // round((18 - 6) / 12) = 1
        QCOMPARE(t.text(0, 6), QStringLiteral(" 6"));
    }

    void zuKurzeErsteZeile_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("sechs Zeichen") << "1,2,30\n4,5,6,7,8,9";
        QTest::newRow("getrimmt sechs") << "   1,2,30   \n4,5,6,7,8,9";
        QTest::newRow("leere erste Zeile") << "\n1,2,3,4,5,6\n7,8,9,10,11,12";
        QTest::newRow("nur Leerzeichen") << "        ";
    }

    void zuKurzeErsteZeile() {
        QFETCH(QString, text);
        const core::Auslesung a = core::TippreihenAuslesen(text, FesteBreite());
        QVERIFY(a.ersteZeileZuKurz);
        QCOMPARE(a.reihen, 0);
        QCOMPARE(a.uebersprungen, 0);
    }

    void trenner_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QChar>("trenner");
        QTest::newRow("Semikolon nach Leerzeichen") << "1,2 ;3\t4 5" << QChar(u';');
        QTest::newRow("Tab und Leerzeichen") << "1,2\t3 4" << QChar(u',');
        QTest::newRow("keiner") << "123456" << QChar(u',');
    }

    void trenner() {
        QFETCH(QString, zeile);
        QFETCH(QChar, trenner);
        QCOMPARE(core::TrennerSuchen(zeile), trenner);
    }

    void trimmen() {
        QCOMPARE(core::ZeileTrimmen(QString::fromUtf8("\0 \t a b \r\x1f", 10)).toString(),
                 QStringLiteral("a b"));
        QCOMPARE(core::ZeileTrimmen(u"\u00a0x\x7f").toString(),
                 QStringLiteral("\u00a0x\x7f")); // codes above 32 stay
        QVERIFY(core::ZeileTrimmen(u" \t ").isEmpty());
    }

    void uebertragen_data() {
        QTest::addColumn<int>("zielZeilen");
        QTest::newRow("weniger Reihen") << 500;
        QTest::newRow("mehr Reihen") << 2;
    }

    void uebertragen() {
        // Columns 0..6 of the source, texts included; the target's result columns stay.
        QFETCH(int, zielZeilen);
        const core::Zeilentabelle quelle = testhilfe::tabelleAus(
            {{"1", "2", "3", "4", "5", "6"}, {"abc", " ", "x y", "", "", "45"}, {"7"}}, 7);
        core::Zeilentabelle ziel(9, zielZeilen);
        ziel.setText(0, 7, u"GKl.");
        for (int r = 1; r < zielZeilen; ++r) {
            ziel.setText(r, 1, u"zzz");
            ziel.setText(r, 7, u"6 Ri.");
            ziel.setText(r, 8, u"1");
        }
        core::ReihenUebertragen(quelle, ziel);
        QCOMPARE(ziel.zeilen(), 4);
        for (int c = 0; c <= 6; ++c)
            QCOMPARE(spalte(ziel, c), spalte(quelle, c));
        QCOMPARE(ziel.text(0, 7), QStringLiteral("GKl."));
        for (int r = 1; r < 4; ++r) {
            const bool alt = r < zielZeilen;
            QCOMPARE(ziel.text(r, 7), alt ? QStringLiteral("6 Ri.") : QString());
            QCOMPARE(ziel.text(r, 8), alt ? QStringLiteral("1") : QString());
        }
    }
};

REMISATOR_CORE_TEST_MAIN(TstEditortabelle)
#include "tst_editortabelle.moc"
