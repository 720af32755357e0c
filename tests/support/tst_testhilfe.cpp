#include "support/FakeUmgebung.h"
#include "support/TestMain.h"

using testhilfe::FakeUmgebung;

// The fake environment is strict: whatever a test leaves unchecked or unused is reported at its end.
class TstTesthilfe : public QObject {
    Q_OBJECT
private slots:
    void unverbrauchtesWirdGemeldet_data() {
        QTest::addColumn<QString>("was");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Meldung") << "Meldung"
                                 << "nicht erwartete Meldungen: 0:Hallo";
        QTest::newRow("Frage") << "Frage"
                               << "1 Antworten auf Fragen nicht verbraucht";
        QTest::newRow("Öffnen") << "Öffnen"
                                << "1 Öffnen-Dialoge nicht verbraucht";
        QTest::newRow("Mehrere öffnen") << "Mehrere"
                                        << "1 Mehrfach-Öffnen-Dialoge nicht verbraucht";
        QTest::newRow("Speichern") << "Speichern"
                                   << "1 Speichern-Dialoge nicht verbraucht";
        QTest::newRow("Verbindung") << "Verbindung"
                                    << "Netzantworten nicht verbraucht";
        QTest::newRow("Download") << "Download"
                                  << "Netzantworten nicht verbraucht";
    }
    void unverbrauchtesWirdGemeldet() {
        QFETCH(QString, was);
        QFETCH(QString, meldung);
        FakeUmgebung u;
        if (was == u"Meldung")
            u.get().meldungen.information(QStringLiteral("Hallo"));
        else if (was == u"Frage")
            u.antworteFrage(true);
        else if (was == u"Öffnen")
            u.antworteOeffnen(std::nullopt);
        else if (was == u"Mehrere")
            u.antworteMehrereOeffnen({QStringLiteral("a.txt")});
        else if (was == u"Speichern")
            u.antworteSpeichern(std::nullopt);
        else if (was == u"Verbindung")
            u.netz.antworteVerbunden(true);
        else
            u.netz.antworteDownload(QByteArray("satz"));
        QCOMPARE(u.unverbraucht(), meldung);
        u.zuruecksetzen();
    }

    // Messages taken and answers used leave nothing to report.
    void allesGenommen() {
        FakeUmgebung u;
        u.antworteFrage(false);
        u.antworteOeffnen(std::nullopt);
        u.get().meldungen.fehler(QStringLiteral("Fehler"));
        QVERIFY(!u.get().meldungen.frage(QStringLiteral("Frage?")));
        QVERIFY(!u.get().dialoge.oeffnen({}));
        QCOMPARE(u.nimmMeldungen().size(), std::size_t(2));
        u.get().meldungen.warnung(QStringLiteral("Warnung"));
        QVERIFY(!u.nurMeldung(FakeUmgebung::Art::Fehler, QStringLiteral("Warnung"))); // not taken
        QVERIFY(u.nurMeldung(FakeUmgebung::Art::Warnung, QStringLiteral("Warnung")));
        QCOMPARE(u.unverbraucht(), QString());
    }
};

REMISATOR_TEST_MAIN(TstTesthilfe)
#include "tst_testhilfe.moc"
