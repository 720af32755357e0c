#include "TFfrPaarung.h"

#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Namen.h"

#include <QLabel>
#include <QLineEdit>

namespace ui {

TFfrPaarung::TFfrPaarung(int nummer, QWidget* parent) : QFrame(parent) {
    setObjectName(QString::fromLatin1(namen::frPaars) + QString::number(nummer));
    resize(Breite, Hoehe);
    const QFont calibri = Bausteine::schrift(QStringLiteral("Calibri"), 11);

    PBase = new QFrame(this);
    PBase->setObjectName(QStringLiteral("PBase"));
    PBase->setGeometry(0, 0, Breite, Hoehe);
    PBase->setStyleSheet(QStringLiteral("QFrame#PBase { background: #008000; border: 1px solid #33A033;"
                                        " border-bottom-color: #004D00; border-right-color: #004D00; }"
                                        " QLabel { color: #FFFFFF; }"));

    LNr = new QLabel(QString::number(nummer), PBase);
    LNr->setObjectName(QString::fromLatin1(namen::LNr));
    LNr->setGeometry(3, 7, 18, 21);
    LNr->setAlignment(Qt::AlignCenter);
    LNr->setFont(Bausteine::schrift(QStringLiteral("Calibri"), 12, true));
    LNr->setStyleSheet(QStringLiteral("border: 1px solid #004D00; border-right-color: #66B366;"
                                      " border-bottom-color: #66B366;"));

    const auto feld = [&](const char* name, const QRect& ort) {
        auto* l = new QLabel(PBase);
        l->setObjectName(QString::fromLatin1(name));
        // Teams and tendency come from the matchday file.
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(ort);
        l->setFont(calibri);
        l->setStyleSheet(QStringLiteral("background: #006400; border: 1px solid #004D00;"
                                        " border-right-color: #66B366; border-bottom-color: #66B366;"
                                        " padding-left: 1px;"));
        return l;
    };
    PStart = feld(namen::PStart, QRect(25, 2, 51, 14));
    auto* tendenz = new QLabel(QStringLiteral("Tendenz:"), PBase);
    tendenz->setFont(calibri);
    tendenz->setGeometry(79, 1, 40, 16);
    PTendenz = feld(namen::PTendenz, QRect(119, 2, 41, 14));
    auto* ergebnis = new QLabel(QStringLiteral("Ergebnis:"), PBase);
    ergebnis->setFont(calibri);
    ergebnis->setGeometry(175, 1, 45, 16);
    eErg = new QLineEdit(PBase);
    eErg->setObjectName(QString::fromLatin1(namen::eErg));
    eErg->setGeometry(221, 2, 36, 14);
    eErg->setAlignment(Qt::AlignCenter);
    eErg->setFont(Bausteine::schrift(QStringLiteral("Calibri"), 11, true));
    eErg->setProperty("Tag", nummer);
    eErg->setAccessibleName(QStringLiteral("Ergebnis Paarung %1").arg(nummer));
    PPaar = feld(namen::PPaar, QRect(24, 17, 234, 16));
}

} // namespace ui
