#include "support/TestMain.h"
#include "ui/QtUmgebung.h"

#include <QMessageBox>
#include <QScreen>
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

} // namespace

class TstQtDialoge : public QObject {
    Q_OBJECT
private slots:
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
        QPoint mitte;
        QVERIFY(waehrendModal<QMessageBox>(
            [&] {
                meldungen.fehler(QStringLiteral("Es gibt nichts zu speichern."),
                                 bildschirm ? ui::Meldungen::Ort::Bildschirm : ui::Meldungen::Ort::Fenster);
            },
            [&](QMessageBox* box) {
                mitte = box->frameGeometry().center();
                box->accept();
            }));
        const QPoint erwartet = bildschirm ? QGuiApplication::primaryScreen()->availableGeometry().center()
                                           : fenster.frameGeometry().center();
        QVERIFY2((mitte - erwartet).manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2 statt %3,%4")
                                                                           .arg(mitte.x())
                                                                           .arg(mitte.y())
                                                                           .arg(erwartet.x())
                                                                           .arg(erwartet.y())));
    }
};

REMISATOR_TEST_MAIN(TstQtDialoge)
#include "tst_qtdialoge.moc"
