#include "core/systeme/Kreuzmuster.h"
#include "core/systeme/ZufallsReihenfolge.h"
#include "support/Dateigrenze.h"
#include "support/Hauptfensterhilfe.h"
#include "support/TestMain.h"
#include "support/Testdateien.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/kreuzbrett/KreuzBereich.h"
#include "ui/kreuzbrett/KreuzBrett.h"
#include "ui/kreuzbrett/SpielscheinBild.h"
#include "ui/kreuzbrett/TKreuz.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QToolButton>

#include <algorithm>
#include <map>
#include <set>

using testhilfe::FakeUmgebung;
using testhilfe::Hauptfensterhilfe;
namespace namen = ui::namen;

namespace {

const QString OhneSystem = QStringLiteral("Bitte wählen Sie zunächst ein System.");
const QColor Rot(0xFF, 0x00, 0x00);
const QColor Gruen(0x00, 0x80, 0x00);

// The place of a cross as the slip prints it: numbers in five rows of nine, the full systems
// 101..107 in one row and the partial systems 108..114 in another.
QPoint kreuzOrt(int tag) {
    if (tag <= 45) {
        const int oben[5] = {21, 50, 79, 107, 135};
        return {26 * ((tag - 1) % 9 + 1), oben[(tag - 1) / 9]};
    }
    const int e = tag - 100;
    return {26 + 26 * ((e - 1) % 7 + 1), e <= 7 ? 192 : 304};
}

// The order of the random tip; the order itself is tested beside the core's shuffle.
QList<int> gezogen(std::uint32_t seed) {
    const std::array<int, 45> folge = core::ZufallsReihenfolge(seed);
    return QList<int>(folge.begin(), folge.end());
}

QList<int> aufsteigend(QList<int> zahlen) {
    std::sort(zahlen.begin(), zahlen.end());
    return zahlen;
}

QList<int> bis(int von, int n) {
    QList<int> zahlen;
    for (int i = 0; i < n; ++i)
        zahlen.append(von + i);
    return zahlen;
}

QString zellen(const core::Zeilentabelle& t, int r, int von = 1, int bis = 6) {
    QStringList texte;
    for (int c = von; c <= bis; ++c)
        texte.append(t.text(r, c));
    return texte.join(u' ');
}

QStringList alleZellen(const core::Zeilentabelle& t) {
    QStringList texte;
    for (int r = 0; r < t.zeilen(); ++r)
        texte.append(zellen(t, r, 0, t.spalten() - 1));
    return texte;
}

// Row labels in the grid's font (Tahoma shown as DejaVu Sans of 11 pixels: a digit 7 pixels wide,
// a blank 3): in the column of 37 pixels the padding aims at 26, round((26 - 7) / 6) = 3 blanks
// before one digit, 2 before two, 1 before three and none before four; in one of 70 pixels it aims
// at 49, 7 blanks before one digit.
QString etikett(int r, int blanks) {
    return QString(blanks, u' ') + QString::number(r);
}

QByteArray musterBytes(const QList<int>& zahlen, const QList<int>& systeme, char wert = 1) {
    QByteArray bytes(59, '\0');
    for (int n : zahlen)
        bytes[n - 1] = wert;
    for (int e : systeme)
        bytes[44 + e] = wert;
    return bytes;
}

void schreibe(const QString& pfad, const QByteArray& bytes) {
    testhilfe::dateiSchreiben(pfad, bytes);
}

QByteArray inhalt(const QString& pfad) {
    return testhilfe::dateiLesen(pfad);
}

// The main window with its cross board, driven by the mouse.
struct Brett {
    Hauptfensterhilfe h;
    ui::KreuzBrett* brett = nullptr;
    QLabel* PZ = nullptr;
    QToolButton* BVoll = nullptr;
    QToolButton* BQOpen = nullptr;
    QToolButton* BQSave = nullptr;
    ui::ZeilenGitter* G1 = nullptr;
    QLabel* LReihen = nullptr;

    Brett() {
        h.starten();
        brett = h.finde<ui::KreuzBrett>(namen::PKreuz);
        PZ = h.finde<QLabel>(namen::PZ);
        BVoll = h.finde<QToolButton>(namen::BVoll);
        BQOpen = h.finde<QToolButton>(namen::BQOpen);
        BQSave = h.finde<QToolButton>(namen::BQSave);
        G1 = h.finde<ui::ZeilenGitter>(namen::PFoto, namen::G1);
        LReihen = h.finde<QLabel>(namen::PFoto, namen::LReihen);
    }
    ui::TKreuz* kreuz(int tag) const {
        return h.finde<ui::TKreuz>(qPrintable(QString::fromLatin1(namen::VKreuz) + QString::number(tag)));
    }
    // As a user clicks a field: on the board while its cross is hidden, on the "X" while shown.
    void klicke(int tag) const {
        if (kreuz(tag)->isHidden())
            QTest::mouseClick(brett, Qt::LeftButton, {}, kreuzOrt(tag) + QPoint(4, 10));
        else
            QTest::mouseClick(kreuz(tag), Qt::LeftButton);
    }
    void klicke(const QList<int>& tags) const {
        for (int t : tags)
            klicke(t);
    }
    void druecke(const char* knopf) const { QTest::mouseClick(h.finde<QToolButton>(knopf), Qt::LeftButton); }
    QList<int> sichtbar(int von, int bis) const {
        QList<int> tags;
        for (int t = von; t <= bis; ++t)
            if (!kreuz(t)->isHidden())
                tags.append(t);
        return tags;
    }
    QList<int> angekreuzt() const {
        QList<int> zahlen;
        for (int n = 0; n <= 47; ++n)
            if (brett->stand().Kreuze().enthaelt(n))
                zahlen.append(n);
        return zahlen;
    }
    QColor farbe() const { return PZ->property("Farbe").value<QColor>(); }
    QString muster() const { return h.ordner.DataRoot + QStringLiteral("struktur.qui"); }
    FakeUmgebung& umgebung() { return h.umgebung; }
};

} // namespace

class TstKreuzbrett : public QObject {
    Q_OBJECT

    // The board shows system e (0 = none) and exactly these numbers, and its state says the same.
    static void stand(const Brett& b, int system, const QList<int>& zahlen) {
        QCOMPARE(b.brett->stand().SystemNr(), system);
        QCOMPARE(b.sichtbar(101, 114), system ? QList<int>{100 + system} : QList<int>{});
        QCOMPARE(b.sichtbar(1, 45), aufsteigend(zahlen));
        QCOMPARE(b.angekreuzt(), aufsteigend(zahlen));
        QCOMPARE(b.brett->stand().KreuzAnzahl(), zahlen.size());
    }
    static void zaehler(const Brett& b, const QString& text, const QColor& farbe, bool komplett) {
        QCOMPARE(b.PZ->text(), text);
        QCOMPARE(b.farbe(), farbe);
        QCOMPARE(b.brett->stand().KreuzeKomplett(), komplett);
        QCOMPARE(b.BVoll->isEnabled(), komplett);
    }

private slots:
    void zaehlerNachKreuzen_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("kreuze");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("komplett");
        QTest::newRow("9/12, acht Kreuze") << 108 << 8 << "1" << false;
        QTest::newRow("9/12, neun Kreuze") << 108 << 9 << "0" << true;
        QTest::newRow("9/12, zehn Kreuze") << 108 << 10 << "-1" << false;
        QTest::newRow("007 ohne Kreuz") << 101 << 0 << "7" << false;
        QTest::newRow("26/130 voll") << 113 << 26 << "0" << true;
        QTest::newRow("12/132 mit 30") << 114 << 30 << "-18" << false;
    }
    void zaehlerNachKreuzen() {
        QFETCH(int, tag);
        QFETCH(int, kreuze);
        QFETCH(QString, text);
        QFETCH(bool, komplett);
        Brett b;
        zaehler(b, QStringLiteral("19"), QColor(), false);
        b.klicke(tag);
        const QList<int> zahlen = bis(10, kreuze);
        b.klicke(zahlen);
        stand(b, tag - 100, zahlen);
        zaehler(b, text, komplett ? Gruen : Rot, komplett);
        QVERIFY(b.umgebung().meldungen.empty());
        // A disabled "System abwickeln" writes nothing.
        if (!komplett) {
            QTest::mouseClick(b.BVoll, Qt::LeftButton);
            QCOMPARE(b.G1->model()->rowCount(), 29);
            QCOMPARE(b.LReihen->text(), QStringLiteral("0"));
        }
    }

    void zaehlerFarbeSichtbar() {
        Brett b;
        const QPoint innen(14 + 3, 247 + 3); // inside the counter's bevel, away from its digits
        const QColor papier = ui::SpielscheinBild::zeichnen().toImage().pixelColor(innen);
        QVERIFY(papier != Rot && papier != Gruen);
        QCOMPARE(b.brett->grab().toImage().pixelColor(innen), papier);
        b.klicke(101);
        QCOMPARE(b.brett->grab().toImage().pixelColor(innen), Rot);
        b.klicke(bis(1, 7));
        QCOMPARE(b.brett->grab().toImage().pixelColor(innen), Gruen);
        b.klicke(101);
        QCOMPARE(b.brett->grab().toImage().pixelColor(innen), papier);
    }

    void systemWechseln() {
        Brett b;
        const QList<int> acht = {2, 11, 19, 23, 30, 36, 41, 45};
        b.klicke(108);
        b.klicke(acht);
        zaehler(b, QStringLiteral("1"), Rot, false);
        b.klicke(102);
        stand(b, 2, acht);
        zaehler(b, QStringLiteral("0"), Gruen, true);
        b.klicke(113);
        stand(b, 13, acht);
        zaehler(b, QStringLiteral("18"), Rot, false);
    }

    void systemAbwaehlen() {
        Brett b;
        const QList<int> neun = bis(31, 9);
        b.klicke(108);
        b.klicke(neun);
        zaehler(b, QStringLiteral("0"), Gruen, true);
        b.klicke(108); // on its visible "X"
        stand(b, 0, neun);
        zaehler(b, QStringLiteral("0"), QColor(), false);
        // Without a system a number is refused and stays as it was.
        b.klicke(1);
        QVERIFY(b.umgebung().nurMeldung(FakeUmgebung::Art::Information, OhneSystem));
        stand(b, 0, neun);
        b.klicke(110);
        stand(b, 10, neun);
        zaehler(b, QStringLiteral("1"), Rot, false);
    }

    void ohneSystem_data() {
        QTest::addColumn<QString>("wie");
        QTest::newRow("Zahlenfeld") << "feld";
        QTest::newRow("rechte Taste auf Zahlenfeld") << "rechts";
        QTest::newRow("Zufallstipp") << "zufall";
    }
    void ohneSystem() {
        QFETCH(QString, wie);
        Brett b;
        if (wie == u"feld")
            b.klicke(17);
        else if (wie == u"rechts")
            QTest::mousePress(b.brett, Qt::RightButton, {}, QPoint(130, 80));
        else
            b.druecke(namen::Zufall);
        QVERIFY2(b.umgebung().nurMeldung(FakeUmgebung::Art::Information, OhneSystem),
                 qPrintable(b.umgebung().meldungstexte()));
        stand(b, 0, {});
        zaehler(b, QStringLiteral("19"), QColor(), false);
    }

    // Which mouse buttons tick: any on the board, only the left one on a visible "X".
    void maustasten_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<bool>("aufsKreuz");
        QTest::addColumn<QList<int>>("danach");
        QTest::newRow("links aufs Brett") << int(Qt::LeftButton) << false << QList<int>{5, 14};
        QTest::newRow("rechts aufs Brett") << int(Qt::RightButton) << false << QList<int>{5, 14};
        QTest::newRow("Mitte aufs Brett") << int(Qt::MiddleButton) << false << QList<int>{5, 14};
        QTest::newRow("links aufs Kreuz") << int(Qt::LeftButton) << true << QList<int>{5};
        QTest::newRow("rechts aufs Kreuz") << int(Qt::RightButton) << true << QList<int>{5, 14};
    }
    void maustasten() {
        QFETCH(int, taste);
        QFETCH(bool, aufsKreuz);
        QFETCH(QList<int>, danach);
        Brett b;
        b.klicke(114);
        b.klicke(5);
        if (aufsKreuz) {
            b.klicke(14);
            QTest::mouseClick(b.kreuz(14), Qt::MouseButton(taste));
        } else {
            QTest::mouseClick(b.brett, Qt::MouseButton(taste), {}, QPoint(130, 55)); // field 14
        }
        stand(b, 14, danach);
        QVERIFY(b.umgebung().meldungen.empty());
    }

    void trefferflaechen_data() {
        QTest::addColumn<QPoint>("ort");
        QTest::addColumn<int>("tag");
        QTest::newRow("1 links oben") << QPoint(21, 20) << 1;
        QTest::newRow("1 rechts unten") << QPoint(40, 42) << 1;
        QTest::newRow("links neben 1") << QPoint(20, 30) << 0;
        QTest::newRow("über 1") << QPoint(30, 19) << 0;
        QTest::newRow("zwischen 1 und 2") << QPoint(44, 30) << 0;
        QTest::newRow("2 links") << QPoint(47, 30) << 2;
        QTest::newRow("zwischen 1 und 10") << QPoint(30, 45) << 0;
        QTest::newRow("45 rechts unten") << QPoint(248, 156) << 45;
        QTest::newRow("unter 45") << QPoint(248, 157) << 0;
        QTest::newRow("007 Mitte") << QPoint(60, 200) << 101;
        QTest::newRow("013 rechts unten") << QPoint(222, 213) << 107;
        QTest::newRow("zwischen 008 und 009") << QPoint(95, 200) << 0;
        QTest::newRow("9/12 links oben") << QPoint(47, 303) << 108;
        QTest::newRow("12/132 rechts unten") << QPoint(222, 325) << 114;
        QTest::newRow("unter den Teilsystemen") << QPoint(60, 340) << 0;
        QTest::newRow("Zähler") << QPoint(30, 257) << 0;
    }
    void trefferflaechen() {
        QFETCH(QPoint, ort);
        QFETCH(int, tag);
        Brett b;
        b.klicke(112); // 22/77 takes the numbers and differs from every other system
        QTest::mousePress(b.brett, Qt::LeftButton, {}, ort);
        if (tag == 0 || tag > 100)
            stand(b, tag > 100 ? tag - 100 : 12, {});
        else
            stand(b, 12, {tag});
    }

    // At Y 161 only numbers can be hit, from 162 on only full systems; the bands decide even
    // where click areas reach across them.
    void baender() {
        Brett b;
        b.klicke(112);
        for (int y : {157, 161, 162, 190}) {
            for (int x = 0; x < ui::KreuzBrett::Breite; ++x)
                QTest::mousePress(b.brett, Qt::LeftButton, {}, QPoint(x, y));
            stand(b, 12, {});
        }
        QVERIFY(b.umgebung().meldungen.empty());

        std::array<QRect, 59>& f = b.brett->Trefferflaechen;
        f[36] = QRect(QPoint(21, 134), QPoint(40, 230)); // 37 reaching down into the full systems
        f[45] = QRect(QPoint(21, 150), QPoint(60, 213)); // 007 reaching up into the numbers
        f[46] = QRect(QPoint(21, 150), QPoint(80, 218)); // 008 overlapping 007
        f[52] = QRect(QPoint(21, 210), QPoint(60, 325)); // 9/12 reaching up into the full systems
        QTest::mousePress(b.brett, Qt::LeftButton, {}, QPoint(30, 161));
        stand(b, 12, {37});
        QTest::mousePress(b.brett, Qt::LeftButton, {}, QPoint(30, 162));
        stand(b, 1, {37});
        QTest::mousePress(b.brett, Qt::LeftButton, {}, QPoint(70, 218));
        stand(b, 2, {37});
        QTest::mousePress(b.brett, Qt::LeftButton, {}, QPoint(30, 219));
        stand(b, 8, {37});
    }

    void loeschen_data() {
        QTest::addColumn<bool>("mitSystem");
        QTest::newRow("9/12 gewählt") << true;
        QTest::newRow("kein System gewählt") << false;
    }
    void loeschen() {
        QFETCH(bool, mitSystem);
        Brett b;
        b.klicke(108);
        b.klicke(bis(3, 10));
        if (!mitSystem)
            b.klicke(108);
        b.druecke(namen::BKreuzeDel);
        stand(b, mitSystem ? 8 : 0, {});
        zaehler(b, mitSystem ? QStringLiteral("9") : QStringLiteral("-1"), mitSystem ? Rot : QColor(), false);
        QVERIFY(b.umgebung().meldungen.empty());
    }

    void zufallstipp_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QList<int>>("vorher");
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<bool>("neu");
        QTest::newRow("007 leer") << 101 << QList<int>{} << 12345U << true;
        QTest::newRow("007 vollständig") << 101 << QList<int>{1, 2, 3, 4, 5, 6, 7} << 777U << true;
        QTest::newRow("007 mit drei") << 101 << QList<int>{4, 23, 45} << 2024U << false;
        QTest::newRow("007 mit neun") << 101 << bis(20, 9) << 99U << true;
        QTest::newRow("26/130 mit einem") << 113 << QList<int>{13} << 31337U << false;
    }
    void zufallstipp() {
        QFETCH(int, tag);
        QFETCH(QList<int>, vorher);
        QFETCH(std::uint32_t, seed);
        QFETCH(bool, neu);
        Brett b;
        b.klicke(tag);
        b.klicke(vorher);
        b.umgebung().seed = seed;
        const int anzahl = tag == 101 ? 7 : 26;
        // A full or overfull tip starts afresh; a partial one keeps its crosses and is filled up
        // in the drawn order.
        QList<int> erwartet = neu ? QList<int>{} : vorher;
        for (int n : gezogen(seed))
            if (erwartet.size() < anzahl && !erwartet.contains(n))
                erwartet.append(n);
        b.druecke(namen::Zufall);
        stand(b, tag - 100, erwartet);
        zaehler(b, QStringLiteral("0"), Gruen, true);
        QVERIFY(b.umgebung().meldungen.empty());
    }

    void zufallstippJedesMalNeu() {
        Brett b;
        b.klicke(104);
        b.umgebung().seed = 1;
        b.druecke(namen::Zufall);
        const QList<int> erster = b.angekreuzt();
        b.umgebung().seed = 2;
        b.druecke(namen::Zufall);
        QCOMPARE(b.angekreuzt(), aufsteigend(gezogen(2).mid(0, 10)));
        QVERIFY(b.angekreuzt() != erster);
        // the seed of the environment decides: the first seed again gives the first tip again
        b.umgebung().seed = 1;
        b.druecke(namen::Zufall);
        QCOMPARE(b.angekreuzt(), erster);
    }

    void musterSpeichernUndLaden_data() {
        QTest::addColumn<int>("beimLaden"); // the system chosen when the pattern is loaded
        QTest::newRow("010 gewählt") << 104;
        QTest::newRow("kein System gewählt") << 0;
        QTest::newRow("12/22 gewählt") << 109;
    }
    void musterSpeichernUndLaden() {
        QFETCH(int, beimLaden);
        Brett b;
        const QList<int> zehn = {3, 9, 10, 17, 22, 28, 33, 39, 41, 45};
        QVERIFY(!b.BQOpen->isEnabled());
        b.klicke(104);
        b.klicke(zehn);
        QTest::mouseClick(b.BQSave, Qt::LeftButton);
        QCOMPARE(inhalt(b.muster()), musterBytes(zehn, {4}));
        QVERIFY(b.BQOpen->isEnabled());

        b.druecke(namen::BKreuzeDel);
        b.klicke({1, 2});
        if (beimLaden == 0)
            b.klicke(104);
        else if (beimLaden != 104)
            b.klicke(beimLaden);
        QTest::mouseClick(b.BQOpen, Qt::LeftButton);
        stand(b, 4, zehn);
        zaehler(b, QStringLiteral("0"), Gruen, true);
        QVERIFY2(b.umgebung().meldungen.empty(), qPrintable(b.umgebung().meldungstexte()));
    }

    void musterDatei_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("system");
        QTest::addColumn<QList<int>>("zahlen");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("Bytes ungleich 1")
            << musterBytes({5, 6, 45}, {2}, char(0xFF)) << 2 << QList<int>{5, 6, 45} << 0;
        QTest::newRow("das erste System gilt") << musterBytes({1}, {9, 3, 14}) << 3 << QList<int>{1} << 0;
        QTest::newRow("länger als 59 Bytes")
            << musterBytes({44}, {7}) + QByteArray(20, '\1') << 7 << QList<int>{44} << 0;
        QTest::newRow("leeres Muster") << musterBytes({}, {}) << 0 << QList<int>{} << 0;
        QTest::newRow("ohne System") << musterBytes({8, 9, 10}, {}) << 0 << QList<int>{} << 3;
    }
    void musterDatei() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, system);
        QFETCH(QList<int>, zahlen);
        QFETCH(int, meldungen);
        Brett b;
        schreibe(b.muster(), bytes);
        b.BQOpen->setEnabled(true); // as a start with the file present would
        QTest::mouseClick(b.BQOpen, Qt::LeftButton);
        stand(b, system, zahlen);
        const std::vector<FakeUmgebung::Meldung> gezeigt = b.umgebung().nimmMeldungen();
        QCOMPARE(int(gezeigt.size()), meldungen);
        for (const FakeUmgebung::Meldung& m : gezeigt)
            QVERIFY(m.art == FakeUmgebung::Art::Information && m.text == OhneSystem);
    }

    void musterFehlerhaft_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("text"); // %1 = the file
        QTest::newRow("leer") << "0"
                              << "Die Datei \"%1\" enthält kein vollständiges Kreuzmuster (0 von 59 Bytes).";
        QTest::newRow("58 Bytes")
            << "58"
            << "Die Datei \"%1\" enthält kein vollständiges Kreuzmuster (58 von 59 Bytes).";
        QTest::newRow("fehlt") << "fehlt"
                               << "Die Datei \"%1\" kann nicht gelesen werden.\n\n"
                                  "Die Datei oder der Ordner existiert nicht.";
        QTest::newRow("Ordner")
            << "ordner"
            << "Die Datei \"%1\" kann nicht gelesen werden.\n\nDer Name bezeichnet einen Ordner.";
    }
    void musterFehlerhaft() {
        QFETCH(QString, art);
        QFETCH(QString, text);
        Brett b;
        b.BQOpen->setEnabled(true);
        if (art == u"ordner")
            QVERIFY(QDir().mkpath(b.muster()));
        else if (art != u"fehlt")
            schreibe(b.muster(), musterBytes({1, 2, 3}, {1}).left(art.toInt()));
        const QList<int> fuenf = {4, 8, 15, 16, 23};
        b.klicke(108);
        b.klicke(fuenf);
        QTest::mouseClick(b.BQOpen, Qt::LeftButton);
        QVERIFY2(b.umgebung().nurMeldung(FakeUmgebung::Art::Fehler,
                                         text.arg(QDir::toNativeSeparators(b.muster()))),
                 qPrintable(b.umgebung().meldungstexte()));
        stand(b, 8, fuenf);
        zaehler(b, QStringLiteral("4"), Rot, false);
    }

    void musterSchreibenScheitert() {
        Brett b;
        b.klicke(101);
        b.klicke({1, 2});
        QTest::mouseClick(b.BQSave, Qt::LeftButton);
        const QByteArray alt = musterBytes({1, 2}, {1});
        QCOMPARE(inhalt(b.muster()), alt);
        b.klicke(3);
        testhilfe::mitDateigrenze(20, [&] { QTest::mouseClick(b.BQSave, Qt::LeftButton); });
        const std::vector<FakeUmgebung::Meldung> gezeigt = b.umgebung().nimmMeldungen();
        QCOMPARE(int(gezeigt.size()), 1);
        QCOMPARE(gezeigt[0].art, FakeUmgebung::Art::Fehler);
        QVERIFY(gezeigt[0].text.contains(QDir::toNativeSeparators(b.muster())));
        QCOMPARE(inhalt(b.muster()), alt);
    }

    // The arrow keys walk the fields as the slip prints them; Space ticks as a click does.
    void tastatur_data() {
        QTest::addColumn<QString>("tasten"); // l r o u: arrow keys, _: Space
        QTest::addColumn<int>("fokus");
        QTest::addColumn<int>("system");
        QTest::addColumn<QList<int>>("zahlen");
        QTest::newRow("Rand links oben") << "lo" << 1 << 0 << QList<int>{};
        QTest::newRow("Rand rechts") << "rrrrrrrrrr" << 9 << 0 << QList<int>{};
        QTest::newRow("Vollsystem unter den Zahlen") << "uuuuu_" << 101 << 1 << QList<int>{};
        QTest::newRow("Systemzeile beginnt bei 101") << "uuuuul" << 101 << 0 << QList<int>{};
        QTest::newRow("Teilsystem, Rand unten") << "uuuuuuu_" << 108 << 8 << QList<int>{};
        QTest::newRow("System, dann Zahlen") << "uuuuu_o_r_" << 39 << 1 << QList<int>{38, 39};
        QTest::newRow("rechts in der Systemzeile") << "rrrrrrrruuuuuo" << 44 << 0 << QList<int>{};
        QTest::newRow("zweimal Leertaste") << "uuuuu__" << 101 << 0 << QList<int>{};
    }
    void tastatur() {
        QFETCH(QString, tasten);
        QFETCH(int, fokus);
        QFETCH(int, system);
        QFETCH(QList<int>, zahlen);
        Brett b;
        const std::map<QChar, Qt::Key> taste = {{u'l', Qt::Key_Left},
                                                {u'r', Qt::Key_Right},
                                                {u'o', Qt::Key_Up},
                                                {u'u', Qt::Key_Down},
                                                {u'_', Qt::Key_Space}};
        for (const QChar t : tasten)
            QTest::keyClick(b.brett, taste.at(t));
        QCOMPARE(b.brett->fokusKreuz(), fokus);
        stand(b, system, zahlen);
    }

    void leertasteOhneSystem() {
        Brett b;
        QTest::keyClick(b.brett, Qt::Key_Space);
        QVERIFY(b.umgebung().nurMeldung(FakeUmgebung::Art::Information, OhneSystem));
        stand(b, 0, {});
    }

    // The board and the row grid are reached by Tab; the board draws a frame round its field.
    void tabErreichtBrettUndGitter() {
        Brett b;
        b.h.fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(b.h.fenster.get()));
        const QImage ohne = b.brett->grab().toImage();
        std::set<QWidget*> erreicht;
        for (int i = 0; i < 200 && !(erreicht.count(b.brett) && erreicht.count(b.G1)); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            erreicht.insert(QApplication::focusWidget());
        }
        QVERIFY(erreicht.count(b.brett) && erreicht.count(b.G1));
        b.brett->setFocus(Qt::TabFocusReason);
        QVERIFY(b.brett->grab().toImage() != ohne);
    }

    void abwickeln_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QList<int>>("zahlen");
        QTest::addColumn<int>("spalte0"); // width of G1's first column before, 0 = as set up
        QTest::addColumn<QString>("reihen");
        QTest::addColumn<QStringList>("proben");    // "r: n1 n2 n3 n4 n5 n6"
        QTest::addColumn<QStringList>("etiketten"); // the labels of rows 1, 9, 10 and the last
        QTest::newRow("9/12") << 108 << QList<int>{3, 7, 12, 18, 22, 30, 31, 40, 45} << 0 << "12"
                              << QStringList{"1: 3 7 12 18 22 30", "2: 3 7 12 18 31 40",
                                             "12: 12 18 22 30 31 40"}
                              << QStringList{etikett(1, 3), etikett(9, 3), etikett(10, 2), etikett(12, 2)};
        QTest::newRow("007") << 101 << QList<int>{45, 21, 17, 13, 9, 5, 1} << 0 << "7"
                             << QStringList{"1: 1 5 9 13 17 21", "7: 5 9 13 17 21 45"}
                             << QStringList{etikett(1, 3), etikett(7, 3)};
        QTest::newRow("013") << 107 << QList<int>{2, 4, 8, 11, 15, 19, 23, 27, 31, 35, 38, 42, 44} << 0
                             << "1.716"
                             << QStringList{"1: 2 4 8 11 15 19", "2: 2 4 8 11 15 23",
                                            "1716: 27 31 35 38 42 44"}
                             << QStringList{etikett(1, 3), etikett(9, 3), etikett(10, 2), etikett(1716, 0)};
        // A row column widened for a large slip: the labels are padded for the column as designed.
        QTest::newRow("007, breite Spalte 0")
            << 101 << bis(1, 7) << 70 << "7" << QStringList{"1: 1 2 3 4 5 6", "7: 2 3 4 5 6 7"}
            << QStringList{etikett(1, 3), etikett(7, 3)};
    }
    void abwickeln() {
        QFETCH(int, tag);
        QFETCH(QList<int>, zahlen);
        QFETCH(int, spalte0);
        QFETCH(QString, reihen);
        QFETCH(QStringList, proben);
        QFETCH(QStringList, etiketten);
        Brett b;
        QAbstractItemModelTester pruefer(b.G1->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        if (spalte0)
            b.G1->setSpaltenbreite(0, spalte0);
        b.h.finde<QLabel>(namen::PFoto, namen::LDatei)->setText(QStringLiteral("alt.txt"));
        b.klicke(tag);
        b.klicke(zahlen);
        const QString kopf = zellen(b.G1->modell()->tabelle(), 0, 0, 8);
        QTest::mouseClick(b.BVoll, Qt::LeftButton);

        const core::Zeilentabelle& t = b.G1->modell()->tabelle();
        const int n = QString(reihen).remove(u'.').toInt();
        QCOMPARE(b.LReihen->text(), reihen);
        QCOMPARE(b.G1->model()->rowCount(), n);
        QCOMPARE(t.zeilen(), n + 1);
        QCOMPARE(zellen(t, 0, 0, 8), kopf);
        for (const QString& probe : proben) {
            const int r = probe.section(u':', 0, 0).toInt();
            QCOMPARE(zellen(t, r), probe.section(u':', 1).trimmed());
        }
        QStringList gezeigt;
        for (int r : {1, 9, 10, n})
            if (r <= n)
                gezeigt.append(t.text(r, 0));
        QCOMPARE(gezeigt, etiketten);
        for (int r = 1; r <= n; ++r)
            QVERIFY(t.istLeer(r, 7) && t.istLeer(r, 8));
        // The board, the slip's name and the messages stay; a second press gives the same grid.
        stand(b, tag - 100, zahlen);
        QCOMPARE(b.h.finde<QLabel>(namen::PFoto, namen::LDatei)->text(), QStringLiteral("alt.txt"));
        QVERIFY(b.umgebung().meldungen.empty());
        const QStringList vorher = alleZellen(t);
        QTest::mouseClick(b.BVoll, Qt::LeftButton);
        QCOMPARE(alleZellen(b.G1->modell()->tabelle()), vorher);
    }

    void abwickelnNachLangemSchein() {
        Brett b;
        b.G1->modell()->umbauen([](core::Zeilentabelle& t) {
            t.setZeilen(501);
            for (int r = 1; r <= 500; ++r) {
                t.setText(r, 0, QString::number(r));
                for (int c = 1; c <= 6; ++c)
                    t.setText(r, c, QString::number(c + r % 39));
                t.setText(r, 7, r % 2 ? QStringLiteral("3 Ri.") : QStringLiteral("1"));
                t.setText(r, 8, QString::number(r % 2 ? 6 : 11));
            }
        });
        b.klicke(102);
        b.klicke({6, 12, 18, 24, 30, 36, 42, 44});
        QTest::mouseClick(b.BVoll, Qt::LeftButton);
        const core::Zeilentabelle& t = b.G1->modell()->tabelle();
        QCOMPARE(b.G1->model()->rowCount(), 28);
        QCOMPARE(b.LReihen->text(), QStringLiteral("28"));
        QCOMPARE(zellen(t, 1), QStringLiteral("6 12 18 24 30 36"));
        QCOMPARE(zellen(t, 2), QStringLiteral("6 12 18 24 30 42"));
        QCOMPARE(zellen(t, 28), QStringLiteral("18 24 30 36 42 44"));
        for (int r = 1; r <= 28; ++r) {
            QCOMPARE(t.text(r, 7), r % 2 ? QStringLiteral("3 Ri.") : QStringLiteral("1"));
            QCOMPARE(t.text(r, 8), r % 2 ? QStringLiteral("6") : QStringLiteral("11"));
            QCOMPARE(t.text(r, 0), etikett(r, r < 10 ? 3 : 2));
        }
    }

    void alleSysteme_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("reihen");
        QTest::addColumn<int>("jeZahl");    // rows that hold any one ticked number
        QTest::addColumn<QString>("erste"); // placeholders of the first and the last row
        QTest::addColumn<QString>("letzte");
        QTest::newRow("007") << 101 << 7 << 7 << 6 << "1 2 3 4 5 6"
                             << "2 3 4 5 6 7";
        QTest::newRow("008") << 102 << 8 << 28 << 21 << "1 2 3 4 5 6"
                             << "3 4 5 6 7 8";
        QTest::newRow("009") << 103 << 9 << 84 << 56 << "1 2 3 4 5 6"
                             << "4 5 6 7 8 9";
        QTest::newRow("010") << 104 << 10 << 210 << 126 << "1 2 3 4 5 6"
                             << "5 6 7 8 9 10";
        QTest::newRow("011") << 105 << 11 << 462 << 252 << "1 2 3 4 5 6"
                             << "6 7 8 9 10 11";
        QTest::newRow("012") << 106 << 12 << 924 << 462 << "1 2 3 4 5 6"
                             << "7 8 9 10 11 12";
        QTest::newRow("013") << 107 << 13 << 1716 << 792 << "1 2 3 4 5 6"
                             << "8 9 10 11 12 13";
        QTest::newRow("9/12") << 108 << 9 << 12 << 8 << "1 2 3 4 5 6"
                              << "3 4 5 6 7 8";
        QTest::newRow("12/22") << 109 << 12 << 22 << 11 << "1 2 3 4 5 6"
                               << "7 8 9 10 11 12";
        QTest::newRow("10/30") << 110 << 10 << 30 << 18 << "1 2 3 4 5 6"
                               << "5 6 7 8 9 10";
        QTest::newRow("11/66") << 111 << 11 << 66 << 36 << "1 2 3 4 6 11"
                               << "6 7 8 9 10 11";
        QTest::newRow("22/77") << 112 << 22 << 77 << 21 << "1 2 3 4 5 6"
                               << "13 14 16 18 20 21";
        QTest::newRow("26/130") << 113 << 26 << 130 << 30 << "1 2 3 4 5 6"
                                << "15 16 17 20 22 26";
        QTest::newRow("12/132") << 114 << 12 << 132 << 66 << "1 2 3 4 5 6"
                                << "7 8 9 10 11 12";
    }
    void alleSysteme() {
        QFETCH(int, tag);
        QFETCH(int, anzahl);
        QFETCH(int, reihen);
        QFETCH(int, jeZahl);
        QFETCH(QString, erste);
        QFETCH(QString, letzte);
        Brett b;
        b.klicke(tag);
        QList<int> zahlen; // ticked from 45 downwards
        for (int n = 45; n > 45 - anzahl; --n) {
            QVERIFY(!b.BVoll->isEnabled());
            b.klicke(n);
            zahlen.prepend(n);
        }
        QVERIFY(b.BVoll->isEnabled());
        QTest::mouseClick(b.BVoll, Qt::LeftButton);

        const core::Zeilentabelle& t = b.G1->modell()->tabelle();
        QCOMPARE(b.G1->model()->rowCount(), reihen);
        QCOMPARE(b.LReihen->text(), reihen >= 1000 ? QStringLiteral("1.716") : QString::number(reihen));
        // Placeholder k stands for the k-th smallest ticked number.
        const auto belegt = [&](const QString& platzhalter) {
            QStringList texte;
            for (const QString& k : platzhalter.split(u' '))
                texte.append(QString::number(zahlen[k.toInt() - 1]));
            return texte.join(u' ');
        };
        QCOMPARE(zellen(t, 1), belegt(erste));
        QCOMPARE(zellen(t, reihen), belegt(letzte));
        std::set<QList<int>> verschieden;
        std::map<int, int> vorkommen;
        for (int r = 1; r <= reihen; ++r) {
            QList<int> reihe;
            for (int c = 1; c <= 6; ++c)
                reihe.append(t.text(r, c).toInt());
            QVERIFY2(std::is_sorted(reihe.begin(), reihe.end()) &&
                         std::adjacent_find(reihe.begin(), reihe.end()) == reihe.end(),
                     qPrintable(zellen(t, r)));
            for (int n : reihe) {
                QVERIFY(zahlen.contains(n));
                ++vorkommen[n];
            }
            verschieden.insert(reihe);
        }
        QCOMPARE(int(verschieden.size()), reihen);
        QCOMPARE(int(vorkommen.size()), anzahl);
        for (const auto& [n, k] : vorkommen)
            QCOMPARE(k, jeZahl);
    }
};

REMISATOR_TEST_MAIN(TstKreuzbrett)
#include "tst_kreuzbrett.moc"
