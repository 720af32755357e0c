#include "TFInfo.h"

#include "core/grund/Konstanten.h"
#include "image/QrCode.h"
#include "ui/abbild/Herausgeber.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Ikonen.h"
#include "ui/bausteine/Mittig.h"
#include "ui/bausteine/Namen.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace ui {
namespace {
// Pale ivory, the colour of the name in the picture.
const QString Hell = QStringLiteral("color: rgb(250, 251, 235);");
} // namespace

TFInfo::TFInfo(Umgebung& umgebung, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), umgebung_(umgebung) {
    setObjectName(QString::fromLatin1(namen::FInfo));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(core::ProgrammName);
    setFixedSize(KlientBreite, KlientHoehe);

    QLabel* hintergrund = Bausteine::text(this, QString(), rect(), namen::Image1);
    hintergrund->setPixmap(Ikonen::bild(QStringLiteral("info"), size()));
    hintergrund->setAccessibleName(core::ProgrammName);

    QLabel* qr = Bausteine::text(this, QString(), QRect(80, 56, 128, 128), namen::Image2);
    qr->setPixmap(QPixmap::fromImage(image::QrCode::bild(herausgeber::MailLink().toUtf8(), 128)));
    qr->setAccessibleName(QStringLiteral("QR-Code: ") + herausgeber::MailLink());

    // The version is shown: beside the name, in the light colour of the contact data, where it
    // neither covers the QR code nor vanishes in the dark lawn.
    LVersion = Bausteine::text(this, QStringLiteral("Version ") + core::ProgrammVersion,
                               QRect(236, 30, 150, 16), namen::LVersion);
    LVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LVersion->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    LVersion->setStyleSheet(Hell);

    kontakteBauen();

    QToolButton* schliessen = Bausteine::knopf(this, namen::InfoSchliessen, QStringLiteral("Schließen"),
                                               QStringLiteral("tuer"), QRect(291, 250, 95, 38));
    schliessen->setAccessibleName(schliessen->text());
    BeiKlick(schliessen, umgebung_.meldungen, [this] { close(); });
    if (parent)
        move(Mittig(this, parent));
}

TFInfo::~TFInfo() {
    handZeigen(false);
}

void TFInfo::kontakteBauen() {
    Panel1 = Bausteine::panel(this, namen::Panel1, QRect(44, 196, 157, 137), "rahmenlos");
    Panel1->setMouseTracking(true);
    Panel1->installEventFilter(this);
    const struct {
        const char* name;
        QString text;
        bool sichtbar;
        int rand;
    } zeilen[] = {
        {namen::InfoLabel1, QStringLiteral("Der Autor:"), true, 5},
        {namen::LName, herausgeber::Name, true, 5},
        {namen::LStrasse, herausgeber::Strasse, true, 5},
        {namen::LPLZOrt, herausgeber::PlzOrt, true, 5},
        {namen::LFax, herausgeber::Fax, false, 5},
        {namen::LMail, herausgeber::Mail, true, 5},
        {namen::LTelefon, herausgeber::Telefon, false, 10},
    };
    const QFont schrift = Bausteine::schrift(QStringLiteral("Arial"), 12, true);
    const int zeile = QFontMetrics(schrift).height();
    int y = 0;
    for (const auto& z : zeilen) {
        QLabel* l =
            Bausteine::text(Panel1, z.text, QRect(z.rand, y, Panel1->width() - z.rand, zeile), z.name);
        l->setFont(schrift);
        l->setStyleSheet(Hell);
        l->setVisible(z.sichtbar);
        if (z.sichtbar)
            y += zeile;
    }
    LMail = Panel1->findChild<QLabel*>(QString::fromLatin1(namen::LMail));
    QFont unterstrichen = schrift;
    unterstrichen.setUnderline(true);
    LMail->setFont(unterstrichen);
    LMail->setCursor(Qt::PointingHandCursor);
    LMail->setMouseTracking(true);
    LMail->setFocusPolicy(Qt::StrongFocus);
    LMail->setAccessibleName(QStringLiteral("E-Mail an ") + herausgeber::Mail);
    LMail->installEventFilter(this);
}

void TFInfo::LMailClick() {
    if (!umgebung_.shell.oeffnen(herausgeber::MailLink()))
        umgebung_.meldungen.information(
            QStringLiteral("Es ließ sich kein E-Mail-Programm öffnen. Bitte schreiben Sie an:\n\n%1")
                .arg(herausgeber::Mail));
}

bool TFInfo::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::MouseMove) {
        handZeigen(objekt == LMail);
        // Kept from the panel, which would take the arrow back at once.
        return objekt == LMail;
    }
    const bool klick = ereignis->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton;
    const bool taste =
        ereignis->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Return ||
                                                 static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Enter ||
                                                 static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Space);
    if (objekt == LMail && (klick || taste)) {
        Schuetzen(umgebung_.meldungen, [this] { LMailClick(); });
        return true;
    }
    return false;
}

void TFInfo::handZeigen(bool hand) {
    if (hand == hand_)
        return;
    hand_ = hand;
    if (hand)
        QGuiApplication::setOverrideCursor(Qt::PointingHandCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void TFInfo::closeEvent(QCloseEvent* ereignis) {
    handZeigen(false);
    QWidget::closeEvent(ereignis);
}

} // namespace ui
