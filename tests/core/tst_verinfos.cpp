#include "core/grund/Fehler.h"
#include "core/text/VerInfos.h"
#include "support/TestMain.h"

using core::VerInfos;

namespace {

// One record of 24 bytes: eight bytes "unused", the length byte, the text padded with '#'.
QByteArray satz(int laenge, const QByteArray& text) {
    QByteArray s = QByteArray("unbenutz") + char(laenge) + text;
    return s.leftJustified(24, '#');
}

const QString Kaputt = QStringLiteral("Die Versionsinformation des Herausgebers ist beschädigt: ");
const QString Ende = QStringLiteral("\n\nIch breche erst einmal ab.");

} // namespace

class TstVerInfos : public QObject {
    Q_OBJECT
private slots:
    void letzteVersion_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("version"); // or the message
        QTest::newRow("ein Satz") << satz(7, "1.3.0.0") << "1.3.0.0";
        QTest::newRow("drei Sätze, der letzte zählt")
            << satz(7, "1.1.0.0") + satz(7, "1.4.0.0") + satz(7, "1.2.9.9") << "1.2.9.9";
        QTest::newRow("Länge 0") << satz(0, "1.3.0.0") << "";
        QTest::newRow("Länge 3 vor Füllzeichen") << satz(3, "1.3.0.0") << "1.3";
        QTest::newRow("Länge 15") << satz(15, "123456789012345") << "123456789012345";
        QTest::newRow("Windows-1252") << satz(5, "2\x80 \xE4\x9F") << "2€ äŸ";
        QTest::newRow("früherer Satz mit Länge 200") << satz(200, "x") + satz(1, "2") << "2";
        QTest::newRow("leer") << QByteArray() << Kaputt + "Sie enthält keinen Eintrag." + Ende;
        QTest::newRow("23 Bytes") << satz(7, "1.3.0.0").chopped(1)
                                  << Kaputt + "Ihre Länge von 23 Bytes ist kein Vielfaches von 24 Bytes." +
                                         Ende;
        QTest::newRow("ein Byte zu viel")
            << satz(7, "1.3.0.0") + satz(7, "1.2.9.9") + "x"
            << Kaputt + "Ihre Länge von 49 Bytes ist kein Vielfaches von 24 Bytes." + Ende;
        QTest::newRow("Länge 16")
            << satz(16, "1234567890123456").left(24)
            << Kaputt + "Die Versionsangabe soll 16 Zeichen lang sein, höchstens 15 sind möglich." + Ende;
        QTest::newRow("Länge 255")
            << satz(1, "1") + satz(255, "1")
            << Kaputt + "Die Versionsangabe soll 255 Zeichen lang sein, höchstens 15 sind möglich." + Ende;
    }
    void letzteVersion() {
        QFETCH(QByteArray, datei);
        QFETCH(QString, version);
        QString ergebnis;
        try {
            ergebnis = VerInfos::letzteVersion(datei);
        } catch (const core::Fehler& f) {
            ergebnis = f.text();
        }
        QCOMPARE(ergebnis, version);
    }

    void istUpdate_data() {
        QTest::addColumn<QString>("angeboten");
        QTest::addColumn<bool>("update");
        QTest::newRow("dieselbe") << "1.3.0.0" << false;
        QTest::newRow("ältere") << "1.2.9.9" << true;
        QTest::newRow("neuere") << "1.3.0.1" << true;
        QTest::newRow("leer") << "" << true;
        QTest::newRow("mit Blank") << "1.3.0.0 " << true;
        QTest::newRow("andere Schreibung derselben Zahl") << "1.3.0.00" << true;
    }
    void istUpdate() {
        QFETCH(QString, angeboten);
        QFETCH(bool, update);
        QCOMPARE(VerInfos::istUpdate(angeboten), update);
    }
};

REMISATOR_CORE_TEST_MAIN(TstVerInfos)
#include "tst_verinfos.moc"
