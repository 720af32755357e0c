#include "support/TestMain.h"
#include "ui/umgebung/QtUmgebung.h"
#include "ui/umgebung/Uebersetzung.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

// Runs zeigen(), which opens a modal window of type T, and pruefen() on that window once it is
// open; pruefen() closes it.
template <typename T>
bool waehrendModal(const std::function<void()>& zeigen, const std::function<void(T*)>& pruefen) {
    QTimer t;
    t.setInterval(10);
    int versuche = 0;
    bool gesehen = false;
    QObject::connect(&t, &QTimer::timeout, [&] {
        if (T* fenster = qobject_cast<T*>(QApplication::activeModalWidget())) {
            t.stop();
            gesehen = true;
            pruefen(fenster);
        } else if (++versuche > 1000) {
            t.stop();
        }
    });
    t.start();
    zeigen();
    return gesehen;
}

QString text(const QWidget* fenster, const char* name) {
    const auto* l = fenster->findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QStringLiteral("<fehlt>");
}

QStringList knoepfe(const QWidget* fenster) {
    QStringList texte;
    for (const QAbstractButton* k : fenster->findChildren<QAbstractButton*>())
        if (qobject_cast<const QDialogButtonBox*>(k->parentWidget()) && !k->isHidden())
            texte.append(k->text());
    texte.sort();
    return texte;
}

} // namespace

class TstQtDialoge : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(ui::QtDeutschLaden(*QCoreApplication::instance())); }

    // Qt's own file dialog speaks German, as does its question before a file is replaced.
    void dateidialogDeutsch() {
        QTemporaryDir ordner;
        const QString vorhanden = ordner.filePath(QStringLiteral("alt.txt"));
        QFile datei(vorhanden);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();

        ui::QtDateiDialoge dialoge;
        QStringList oeffnen;
        QVERIFY(waehrendModal<QFileDialog>(
            [&] {
                QVERIFY(!dialoge.oeffnen({QStringLiteral("Öffnen"), QStringLiteral("Text|*.txt"),
                                          QStringLiteral("txt"), ordner.path(), QString(), false}));
            },
            [&](QFileDialog* d) {
                oeffnen =
                    QStringList{text(d, "lookInLabel"), text(d, "fileNameLabel"), text(d, "fileTypeLabel")} +
                    knoepfe(d);
                d->reject();
            }));
        QCOMPARE(oeffnen,
                 (QStringList{"Suchen in:", "Datei&name:", "Dateien des Typs:", "&Öffnen", "Abbrechen"}));

        QString frage;
        QStringList frageKnoepfe;
        QVERIFY(waehrendModal<QFileDialog>(
            [&] {
                QVERIFY(!dialoge.speichern({QStringLiteral("Speichern"), QStringLiteral("Text|*.txt"),
                                            QStringLiteral("txt"), ordner.path(), QString(), true}));
            },
            [&](QFileDialog* d) {
                d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("alt.txt"));
                QVERIFY(waehrendModal<QMessageBox>([&] { static_cast<QDialog*>(d)->accept(); },
                                                   [&](QMessageBox* box) {
                                                       frage = box->text();
                                                       frageKnoepfe = knoepfe(box);
                                                       box->button(QMessageBox::No)->click();
                                                   }));
                d->reject();
            }));
        QCOMPARE(frage,
                 QStringLiteral("Die Datei alt.txt existiert bereits.\nSoll sie überschrieben werden?"));
        QCOMPARE(frageKnoepfe, (QStringList{"&Ja", "&Nein"}));
    }

    // Several files chosen at once come back whole, in the order chosen; a cancel gives none.
    void mehrereOeffnen() {
        QTemporaryDir ordner;
        for (const char* name : {"a.txt", "b.txt"}) {
            QFile datei(ordner.filePath(QString::fromLatin1(name)));
            QVERIFY(datei.open(QIODevice::WriteOnly));
        }
        ui::QtDateiDialoge dialoge;
        const ui::DialogAuftrag auftrag{QStringLiteral("Öffnen"),
                                        QStringLiteral("Text|*.txt"),
                                        QStringLiteral("txt"),
                                        ordner.path(),
                                        QString(),
                                        false};
        QStringList gewaehlt;
        QVERIFY(waehrendModal<QFileDialog>([&] { gewaehlt = dialoge.mehrereOeffnen(auftrag); },
                                           [&](QFileDialog* d) {
                                               d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                                                   ->setText(QStringLiteral("\"b.txt\" \"a.txt\""));
                                               static_cast<QDialog*>(d)->accept();
                                           }));
        QCOMPARE(gewaehlt, (QStringList{ordner.filePath(QStringLiteral("b.txt")),
                                        ordner.filePath(QStringLiteral("a.txt"))}));
        QVERIFY(waehrendModal<QFileDialog>([&] { gewaehlt = dialoge.mehrereOeffnen(auftrag); },
                                           [&](QFileDialog* d) { d->reject(); }));
        QCOMPARE(gewaehlt, QStringList());
    }

    // The program's own question.
    void frageDeutsch() {
        ui::QtMeldungen meldungen;
        QString titel;
        QStringList knoepfe;
        bool ja = true;
        QVERIFY(waehrendModal<QMessageBox>([&] { ja = meldungen.frage(QStringLiteral("Weiter?")); },
                                           [&](QMessageBox* box) {
                                               titel = box->windowTitle();
                                               knoepfe = ::knoepfe(box);
                                               for (QAbstractButton* k : box->buttons())
                                                   if (box->buttonRole(k) == QMessageBox::NoRole)
                                                       k->click();
                                           }));
        QVERIFY(!ja);
        QCOMPARE(titel, QStringLiteral("Bestätigen"));
        QCOMPARE(knoepfe, (QStringList{"&Ja", "&Nein"}));
    }

    // A message quotes names and fields from files as they are: never as markup. Its text can be
    // selected and copied (an address, a path).
    void meldungAlsKlartext() {
        ui::QtMeldungen meldungen;
        Qt::TextFormat format = Qt::AutoText;
        Qt::TextInteractionFlags wahl;
        QVERIFY(waehrendModal<QMessageBox>(
            [&] { meldungen.information(QStringLiteral("''<h1>9</h1>'' ist kein gültiger Integer-Wert")); },
            [&](QMessageBox* box) {
                format = box->textFormat();
                wahl = box->textInteractionFlags();
                box->accept();
            }));
        QCOMPARE(format, Qt::PlainText);
        QVERIFY(wahl & Qt::TextSelectableByMouse);
    }

    // An error box stands over the active window, or in the middle of the screen when asked so.
    void fehlerboxOrt_data() {
        QTest::addColumn<bool>("bildschirm");
        QTest::newRow("über dem Fenster") << false;
        QTest::newRow("Bildschirmmitte") << true;
    }
    void fehlerboxOrt() {
        QFETCH(bool, bildschirm);
        QWidget fenster;
        fenster.setGeometry(0, 0, 300, 200);
        fenster.show();
        fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        ui::QtMeldungen meldungen;
        QRect ort;
        QVERIFY(waehrendModal<QMessageBox>(
            [&] {
                meldungen.fehler(QStringLiteral("Es gibt nichts zu speichern."),
                                 bildschirm ? ui::Meldungen::Ort::Bildschirm : ui::Meldungen::Ort::Fenster);
            },
            [&](QMessageBox* box) {
                ort = box->frameGeometry();
                box->accept();
            }));
        // The box covers the middle it is centred on, and not the other one.
        const QPoint bildschirmmitte = QGuiApplication::primaryScreen()->availableGeometry().center();
        const QPoint fenstermitte = fenster.frameGeometry().center();
        QVERIFY(ort.contains(bildschirm ? bildschirmmitte : fenstermitte));
        QVERIFY(!ort.contains(bildschirm ? fenstermitte : bildschirmmitte));
    }
};

REMISATOR_TEST_MAIN(TstQtDialoge)
#include "tst_qtdialoge.moc"
