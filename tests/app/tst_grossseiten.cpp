#include "app/Grossseiten.h"
#include "support/Prozessmass.h"

#include <QFile>
#include <QTest>

#include <cstdlib>
#include <memory>

class TstGrossseiten : public QObject {
    Q_OBJECT
private slots:
    void einstellung_data() {
        QTest::addColumn<QByteArray>("bisher");
        QTest::addColumn<bool>("gesetzt");
        QTest::addColumn<QString>("modus");
        QTest::addColumn<QString>("erwartet");
        const QString aufAnfrage = QStringLiteral("always [madvise] never");
        QTest::newRow("nichts gesetzt") << QByteArray() << false << aufAnfrage << "glibc.malloc.hugetlb=1";
        QTest::newRow("leer gesetzt") << QByteArray("") << true << aufAnfrage << "glibc.malloc.hugetlb=1";
        QTest::newRow("andere Einstellung bleibt")
            << QByteArray("glibc.malloc.check=3") << true << aufAnfrage
            << "glibc.malloc.check=3:glibc.malloc.hugetlb=1";
        QTest::newRow("eigene Wahl gilt") << QByteArray("glibc.malloc.hugetlb=0") << true << aufAnfrage << "";
        QTest::newRow("schon gesetzt") << QByteArray("glibc.malloc.hugetlb=1") << true << aufAnfrage << "";
        QTest::newRow("immer") << QByteArray() << false << QStringLiteral("[always] madvise never") << "";
        QTest::newRow("nie") << QByteArray() << false << QStringLiteral("always madvise [never]") << "";
        QTest::newRow("ohne Datei") << QByteArray() << false << QString() << "";
    }
    void einstellung() {
        QFETCH(QByteArray, bisher);
        QFETCH(bool, gesetzt);
        QFETCH(QString, modus);
        QFETCH(QString, erwartet);
        const auto neu = app::GrossseitenEinstellung(gesetzt ? bisher.constData() : nullptr, modus.toStdString());
        QCOMPARE(QString::fromStdString(neu.value_or("")), erwartet);
    }

    // This program started itself as the program does: the environment is the user's again, and
    // where the kernel gives huge pages on request a large block has asked for them.
    void neuGestartet() {
        QVERIFY(!qEnvironmentVariableIsSet("GLIBC_TUNABLES"));
        QVERIFY(!qEnvironmentVariableIsSet("REMISATOR_GROSSSEITEN"));
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's own allocator takes no advice from glibc
        QFile modus(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
        const bool aufAnfrage = modus.open(QIODevice::ReadOnly) && modus.readAll().contains("[madvise]");
        constexpr std::size_t Gross = 64 << 20;
        const std::unique_ptr<char, decltype(&std::free)> block(static_cast<char*>(std::malloc(Gross)), &std::free);
        QVERIFY(block);
        QCOMPARE(testhilfe::mappingFlags(block.get()).split(' ').contains("hg"), aufAnfrage);
#endif
    }
};

int main(int argc, char** argv) {
    app::MitGrossseitenStarten(argv);
    TstGrossseiten test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_grossseiten.moc"
