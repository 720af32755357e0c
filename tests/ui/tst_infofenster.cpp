#include "support/FakeUmgebung.h"
#include "support/TestMain.h"
#include "ui/abbild/TFInfo.h"
#include "ui/bausteine/Namen.h"
#include "ui/bausteine/Skin.h"
#include "ui/umgebung/Einzelfenster.h"

#include <QLabel>
#include <QPointer>
#include <QToolButton>

#include <zbar.h>

using testhilfe::FakeUmgebung;
namespace namen = ui::namen;

namespace {

const QString MailLink = QStringLiteral("mailto:info@remisator.example?subject=Remisator");

// The texts of the QR codes that zbar finds in the picture.
QStringList qrLesen(const QImage& bild) {
    using namespace zbar; // the C interface, in a namespace when included from C++
    const QImage grau = bild.convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixel;
    for (int y = 0; y < grau.height(); ++y)
        pixel.append(reinterpret_cast<const char*>(grau.constScanLine(y)), grau.width());
    zbar_image_scanner_t* leser = zbar_image_scanner_create();
    zbar_image_scanner_set_config(leser, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    zbar_image_scanner_set_config(leser, ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
    zbar_image_t* b = zbar_image_create();
    zbar_image_set_format(b, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(b, unsigned(grau.width()), unsigned(grau.height()));
    zbar_image_set_data(b, pixel.constData(), unsigned(pixel.size()), nullptr);
    zbar_scan_image(leser, b);
    QStringList texte;
    for (const zbar_symbol_t* s = zbar_image_first_symbol(b); s; s = zbar_symbol_next(s))
        texte.append(QString::fromUtf8(zbar_symbol_get_data(s)));
    zbar_image_destroy(b);
    zbar_image_scanner_destroy(leser);
    return texte;
}

template <typename T = QLabel> T* finde(QWidget* f, const char* name) {
    T* t = f->findChild<T*>(QString::fromLatin1(name));
    if (!t)
        qFatal("%s fehlt", name);
    return t;
}

void bewegen(QWidget* w) {
    QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

Qt::CursorShape programmZeiger() {
    return QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
}

} // namespace

class TstInfofenster : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    void einFensterAufEinmal() {
        FakeUmgebung u;
        QWidget haupt;
        haupt.setGeometry(100, 100, 962, 690);
        haupt.show();
        // as the main window's information button opens it
        ui::Einzelfenster<ui::TFInfo> info;
        const auto oeffnen = [&] { return info.oeffnen([&] { return new ui::TFInfo(u.get(), &haupt); }); };
        QPointer<ui::TFInfo> f = oeffnen();
        QCOMPARE(f->objectName(), QStringLiteral("FInfo"));
        QVERIFY(f->isVisible());
        QCOMPARE(f->size(), QSize(400, 300));
        QCOMPARE(f->frameGeometry().center(), haupt.frameGeometry().center());
        f->showMinimized();
        QCOMPARE(oeffnen(), f.data());
        QVERIFY(!f->isMinimized());
        QCOMPARE(info.fenster(), f.data());

        QTest::mouseClick(finde<QToolButton>(f, namen::InfoSchliessen), Qt::LeftButton);
        QCOMPARE(info.fenster(), nullptr);
        QTRY_VERIFY(f.isNull());
        f = oeffnen();
        QVERIFY(f->isVisible());
    }

    void inhalt() {
        FakeUmgebung u;
        ui::TFInfo f(u.get());
        QCOMPARE(f.windowTitle(), QStringLiteral("Remisator"));
        QCOMPARE(finde(&f, namen::LVersion)->text(), QStringLiteral("Version 1.3.0.0"));
        QVERIFY(finde(&f, namen::LVersion)->isVisibleTo(&f));
        QVERIFY(!finde(&f, namen::LVersion)->geometry().intersects(finde(&f, namen::Image2)->geometry()));
        QCOMPARE(finde(&f, namen::Image2)->geometry(), QRect(80, 56, 128, 128));
        const QStringList sichtbar{"Label1", "LName", "LStrasse", "LPLZOrt", "LMail"};
        int y = 0;
        for (const char* name : {"Label1", "LName", "LStrasse", "LPLZOrt", "LFax", "LMail", "LTelefon"}) {
            QLabel* l = finde(&f, name);
            QCOMPARE(l->isVisibleTo(&f), sichtbar.contains(QLatin1String(name)));
            l->ensurePolished();
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(250, 251, 235));
            QCOMPARE(l->font().pixelSize(), 12);
            QVERIFY(l->font().bold());
            QCOMPARE(l->font().family(), QStringLiteral("Arial"));
            QCOMPARE(l->geometry().right(), 156);
            if (l->isVisibleTo(&f)) {
                QCOMPARE(l->x(), 5);
                QCOMPARE(l->y(), y);
                y += l->height();
            }
        }
        QCOMPARE(finde(&f, namen::LTelefon)->x(), 10);
        QVERIFY(finde(&f, namen::LMail)->font().underline());
        QCOMPARE(finde(&f, namen::InfoLabel1)->text(), QStringLiteral("Der Autor:"));
        QCOMPARE(finde(&f, namen::LMail)->text(), QStringLiteral("info@remisator.example"));
    }

    void mailLinkUeberDieShell() {
        FakeUmgebung u;
        ui::TFInfo f(u.get());
        f.show();
        QTest::mouseClick(finde(&f, namen::LMail), Qt::LeftButton);
        QCOMPARE(u.geoeffneteAdressen, QStringList{MailLink});
        QTest::keyClick(finde(&f, namen::LMail), Qt::Key_Return);
        QCOMPARE(u.geoeffneteAdressen, (QStringList{MailLink, MailLink}));
        QVERIFY(u.meldungen.empty());
        // Without a mail program the address is shown, to be copied.
        u.ohneBrowser = true;
        QTest::mouseClick(finde(&f, namen::LMail), Qt::LeftButton);
        QVERIFY(u.nurMeldung(
            FakeUmgebung::Art::Information,
            QStringLiteral("Es ließ sich kein E-Mail-Programm öffnen. Bitte schreiben Sie an:\n\n"
                           "info@remisator.example")));
    }

    void qrCodeLiestSichAlsMailLink() {
        FakeUmgebung u;
        ui::TFInfo f(u.get());
        // as shown in the window, with whatever lies above it
        QCOMPARE(qrLesen(f.grab(QRect(80, 56, 128, 128)).toImage()), QStringList{MailLink});
    }

    void handZeigerBisZumPanel() {
        FakeUmgebung u;
        auto* f = new ui::TFInfo(u.get());
        f->show();
        bewegen(finde(f, namen::LMail));
        QCOMPARE(programmZeiger(), Qt::PointingHandCursor);
        bewegen(finde(f, namen::LMail));
        bewegen(finde<QWidget>(f, namen::Panel1));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        bewegen(finde(f, namen::LMail));
        f->close();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void jedesBedienelementHatEinenNamen() {
        FakeUmgebung u;
        ui::TFInfo f(u.get());
        int bedienbar = 0;
        for (QWidget* w : f.findChildren<QWidget*>())
            if (w->focusPolicy() != Qt::NoFocus) {
                ++bedienbar;
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            }
        QCOMPARE(bedienbar, 2); // the mail link and the close button
    }
};

REMISATOR_TEST_MAIN(TstInfofenster)
#include "tst_infofenster.moc"
