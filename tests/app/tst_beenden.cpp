#include "app/Beendensignal.h"
#include "support/Hauptfensterhilfe.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QDialog>
#include <QSignalSpy>
#include <QTimer>

#include <csignal>

using testhilfe::Hauptfensterhilfe;
namespace namen = ui::namen;

class TstBeenden : public QObject {
    Q_OBJECT
private slots:
    void signalSchliesstDasHauptfenster_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void signalSchliesstDasHauptfenster() {
        QFETCH(int, signal);
        Hauptfensterhilfe h;
        h.starten();
        h.fenster->show();
        QTest::mouseClick(h.finde<QCheckBox>(namen::cbSofort), Qt::LeftButton);
        app::Beendensignal beenden;
        beenden.schliesst(h.fenster.get());
        QSignalSpy ende(h.fenster.get(), &TFGewonnen::geschlossen);

        QCOMPARE(::raise(signal), 0);
        // The handler itself does nothing but note it: the window closes in the event loop.
        QVERIFY(h.fenster->isVisible());
        QTRY_COMPARE(ende.count(), 1);
        QVERIFY(!h.fenster->isVisible());
        QCOMPARE(h.optionen().leseText(QStringLiteral("Auswertung"), QStringLiteral("sofort"), QString()),
                 QStringLiteral("0"));
        QVERIFY(h.umgebung.meldungen.empty());
    }

    void signalVorDemFensterWartet() {
        Hauptfensterhilfe h;
        h.starten();
        app::Beendensignal beenden;
        QSignalSpy ende(h.fenster.get(), &TFGewonnen::geschlossen);
        QCOMPARE(::raise(SIGTERM), 0);
        QTest::qWait(50);
        QCOMPARE(ende.count(), 0);
        beenden.schliesst(h.fenster.get());
        QTRY_COMPARE(ende.count(), 1);
        QVERIFY(QFile::exists(h.ordner.optionenDatei()));
    }

    void signalBeendetEineMeldungDesStarts() {
        Hauptfensterhilfe h;
        h.starten();
        app::Beendensignal beenden;
        QSignalSpy ende(h.fenster.get(), &TFGewonnen::geschlossen);
        QDialog meldung;
        QTimer::singleShot(0, [] { ::raise(SIGTERM); });
        QTimer::singleShot(5000, &meldung, &QDialog::accept);
        QCOMPARE(meldung.exec(), int(QDialog::Rejected));
        beenden.schliesst(h.fenster.get());
        QTRY_COMPARE(ende.count(), 1);
    }

    void danachGeltenDieAltenHandler() {
        struct sigaction vorher {};
        ::sigaction(SIGTERM, nullptr, &vorher);
        {
            app::Beendensignal beenden;
            struct sigaction waehrend {};
            ::sigaction(SIGTERM, nullptr, &waehrend);
            QVERIFY(waehrend.sa_handler != vorher.sa_handler);
        }
        struct sigaction nachher {};
        ::sigaction(SIGTERM, nullptr, &nachher);
        QVERIFY(nachher.sa_handler == vorher.sa_handler);
    }
};

REMISATOR_TEST_MAIN(TstBeenden)
#include "tst_beenden.moc"
