#include "TFStart.h"

#include "core/grund/Konstanten.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Ikonen.h"
#include "ui/bausteine/Namen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QToolButton>

TFStart::TFStart(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QString::fromLatin1(ui::namen::TFStart));
    setWindowTitle(core::ProgrammTitel());
    setFixedSize(400, 300);

    Video = ui::Bausteine::knopf(this, ui::namen::DasMachtDasTool, QStringLiteral("Das macht das Tool"),
                                 QStringLiteral("video"), QRect(6, 226, 60, 68));
    Video->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    BWeiter = ui::Bausteine::knopf(this, ui::namen::BWeiter, QStringLiteral("Weiter"),
                                   QStringLiteral("weiter"), QRect(304, 256, 90, 38));
    BWeiter->setLayoutDirection(Qt::RightToLeft); // the arrow stands right of the caption
    setInitializationDone(false);
    connect(BWeiter, &QToolButton::clicked, this, &TFStart::BWeiter0Click);

    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void TFStart::setInitializationDone(bool fertig) {
    FInitializationDone = fertig;
    BWeiter->setEnabled(fertig);
    BWeiter->setCursor(fertig ? Qt::PointingHandCursor : Qt::WaitCursor);
    if (fertig)
        BWeiter->setFocus(Qt::OtherFocusReason);
}

void TFStart::keyPressEvent(QKeyEvent* ereignis) {
    if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) && BWeiter->isEnabled() &&
        BWeiter->isVisible()) {
        BWeiter->click();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void TFStart::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.drawPixmap(0, 0, ui::Ikonen::bild(QStringLiteral("start"), size()));
}

void TFStart::BWeiter0Click() {
    BWeiter->hide();
    QApplication::processEvents();
    BWeiter->setEnabled(false);
    close();
}

void TFStart::warten(int ms) {
    if (ms > 0)
        QThread::msleep(ms);
}

void TFStart::closeEvent(QCloseEvent* ereignis) {
    for (int i = 1; i <= 51; ++i) {
        QApplication::processEvents();
        setWindowOpacity((255 - 5 * i) / 255.0);
        warten(schrittdauer_);
        QApplication::processEvents();
    }
    QApplication::processEvents();
    warten(schrittdauer_ * 100);
    if (hauptfenster_) {
        hauptfenster_->setWindowOpacity(0.0);
        hauptfenster_->show();
        for (int i = 1; i <= 51; ++i) {
            hauptfenster_->setWindowOpacity(5 * i / 255.0);
            QApplication::processEvents();
            warten(schrittdauer_);
        }
    }
    ereignis->accept();
    deleteLater();
}
