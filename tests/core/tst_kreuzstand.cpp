#include "core/systeme/Kreuzstand.h"
#include "core/systeme/ZufallsReihenfolge.h"
#include "support/TestMain.h"

#include <algorithm>

using core::Kreuzstand;

namespace {

QList<int> zahlenVon(const core::Zahlenmenge& menge) {
    QList<int> zahlen;
    for (int n = 0; n <= 47; ++n)
        if (menge.enthaelt(n))
            zahlen.append(n);
    return zahlen;
}

core::Kreuzmuster musterAus(const QString& text) {
    core::Kreuzmuster m;
    const QStringList teile = text.split(u'/');
    for (const QString& n : teile[0].split(u',', Qt::SkipEmptyParts))
        m.Zahlen.hinzufuegen(n.toInt());
    for (const QString& e : teile[1].split(u',', Qt::SkipEmptyParts))
        m.Systeme[std::size_t(e.toInt())] = true;
    return m;
}

// Runs the steps on a new board: a tag is one click, "X" clears, "Z<seed>" fills at random and
// "M<numbers>/<systems>" loads that pattern. Counts what was refused for want of a system.
int ablaufen(Kreuzstand& k, const QString& schritte) {
    int abgelehnt = 0;
    for (const QString& s : schritte.split(u' ', Qt::SkipEmptyParts)) {
        if (s == u"X")
            k.leeren();
        else if (s.startsWith(u'Z'))
            abgelehnt += k.zufallFuellen(s.mid(1).toUInt()) ? 0 : 1;
        else if (s.startsWith(u'M'))
            abgelehnt += k.musterLaden(musterAus(s.mid(1)));
        else
            abgelehnt += k.KreuzVerwerten(s.toInt()) ? 0 : 1;
    }
    return abgelehnt;
}

QString farbe(Kreuzstand::Farbe f) {
    return f == Kreuzstand::Farbe::Rot     ? QStringLiteral("rot")
           : f == Kreuzstand::Farbe::Gruen ? QStringLiteral("grün")
                                           : QStringLiteral("ohne");
}

} // namespace

// The rules of the cross board, without a window.
class TstKreuzstand : public QObject {
    Q_OBJECT
private slots:
    void ablauf_data() {
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<int>("system");
        QTest::addColumn<QList<int>>("zahlen");
        QTest::addColumn<int>("zaehler");
        QTest::addColumn<QString>("farbe");
        QTest::addColumn<bool>("komplett");
        QTest::addColumn<int>("abgelehnt");
        const QList<int> acht = {1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("Anfang") << "" << 0 << QList<int>{} << 19 << "ohne" << false << 0;
        QTest::newRow("9/12 mit acht") << "108 1 2 3 4 5 6 7 8" << 8 << acht << 1 << "rot" << false << 0;
        QTest::newRow("9/12 mit neun")
            << "108 1 2 3 4 5 6 7 8 9" << 8 << acht + QList<int>{9} << 0 << "grün" << true << 0;
        QTest::newRow("9/12 mit zehn")
            << "108 1 2 3 4 5 6 7 8 9 10" << 8 << acht + QList<int>{9, 10} << -1 << "rot" << false << 0;
        QTest::newRow("Zahl wieder abgewählt")
            << "108 1 2 3 4 5 6 7 8 9 9" << 8 << acht << 1 << "rot" << false << 0;
        QTest::newRow("Zahl ohne System") << "5" << 0 << QList<int>{} << 19 << "ohne" << false << 1;
        QTest::newRow("anderes System, gleiche Zahlen")
            << "108 1 2 3 4 5 6 7 8 102" << 2 << acht << 0 << "grün" << true << 0;
        QTest::newRow("System abgewählt")
            << "101 1 2 3 4 5 6 7 101" << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7} << 0 << "ohne" << false << 0;
        QTest::newRow("abgewählt, dann Zahl")
            << "101 1 2 3 101 9" << 0 << QList<int>{1, 2, 3} << 4 << "ohne" << false << 1;
        QTest::newRow("gelöscht mit System")
            << "110 1 2 3 X" << 10 << QList<int>{} << 10 << "rot" << false << 0;
        QTest::newRow("gelöscht ohne System")
            << "110 1 2 3 110 X" << 0 << QList<int>{} << 7 << "ohne" << false << 0;
        QTest::newRow("keine Kreuze") << "0 46 100 115 -3" << 0 << QList<int>{} << 19 << "ohne" << false << 0;
        QTest::newRow("Zufall ohne System") << "Z5" << 0 << QList<int>{} << 19 << "ohne" << false << 1;
        QTest::newRow("Muster: erstes System")
            << "104 1 2 M5,6,45/9,3,14" << 3 << QList<int>{5, 6, 45} << 6 << "rot" << false << 0;
        QTest::newRow("Muster: gewähltes bleibt")
            << "113 M7,8,9/13" << 13 << QList<int>{7, 8, 9} << 23 << "rot" << false << 0;
        QTest::newRow("Muster ohne System") << "M8,9,10/" << 0 << QList<int>{} << 19 << "ohne" << false << 3;
    }
    void ablauf() {
        QFETCH(QString, schritte);
        QFETCH(int, system);
        QFETCH(QList<int>, zahlen);
        QFETCH(int, zaehler);
        QFETCH(QString, farbe);
        QFETCH(bool, komplett);
        QFETCH(int, abgelehnt);
        Kreuzstand k;
        QCOMPARE(ablaufen(k, schritte), abgelehnt);
        QCOMPARE(k.SystemNr(), system);
        QCOMPARE(zahlenVon(k.Kreuze()), zahlen);
        QCOMPARE(k.KreuzAnzahl(), zahlen.size());
        QCOMPARE(k.Zaehler(), zaehler);
        QCOMPARE(::farbe(k.Zaehlerfarbe()), farbe);
        QCOMPARE(k.KreuzeKomplett(), komplett);
    }

    // A partial tip keeps its crosses and is filled up in the drawn order; a complete or overfull
    // one gives way to a new tip.
    void zufall_data() {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<bool>("neu");
        QTest::newRow("007 mit drei") << "101 4 23 45" << 2024U << false;
        QTest::newRow("007 voll") << "101 1 2 3 4 5 6 7" << 777U << true;
        QTest::newRow("007 mit neun") << "101 20 21 22 23 24 25 26 27 28" << 99U << true;
    }
    void zufall() {
        QFETCH(QString, vorher);
        QFETCH(std::uint32_t, seed);
        QFETCH(bool, neu);
        Kreuzstand k;
        ablaufen(k, vorher);
        QList<int> erwartet = neu ? QList<int>{} : zahlenVon(k.Kreuze());
        for (const int n : core::ZufallsReihenfolge(seed))
            if (erwartet.size() < 7 && !erwartet.contains(n))
                erwartet.append(n);
        std::sort(erwartet.begin(), erwartet.end());
        QVERIFY(k.zufallFuellen(seed));
        QCOMPARE(zahlenVon(k.Kreuze()), erwartet);
        QVERIFY(k.KreuzeKomplett());
        QCOMPARE(k.Zaehler(), 0);
    }

    void musterHaeltDenStand() {
        Kreuzstand k;
        ablaufen(k, QStringLiteral("109 3 9 10 44"));
        const core::Kreuzmuster m = k.muster();
        QCOMPARE(zahlenVon(m.Zahlen), (QList<int>{3, 9, 10, 44}));
        for (int e = 0; e <= 14; ++e)
            QCOMPARE(m.Systeme[std::size_t(e)], e == 9);
        Kreuzstand leer;
        QCOMPARE(leer.muster(), core::Kreuzmuster());
    }
};

REMISATOR_CORE_TEST_MAIN(TstKreuzstand)
#include "tst_kreuzstand.moc"
