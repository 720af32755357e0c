#include "QuotenPanel.h"

#include "core/grund/Konstanten.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Namen.h"
#include "ui/bausteine/Zeichenfilter.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace ui {

QuotenPanel::QuotenPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QString::fromLatin1(namen::P116));
    setProperty("rolle", QStringLiteral("flaeche"));
    resize(Breite, Hoehe);

    QFrame* leiste = Bausteine::panel(this, "PQuotenLeiste", QRect(2, 2, Breite - 4, 40), "leiste");
    QuotenEinlesen = Bausteine::knopf(leiste, namen::QuotenEinlesen, QStringLiteral("Quoten einlesen..."),
                                      QStringLiteral("ordner"), QRect(2, 2, 122, 36));
    BQuoDel = Bausteine::knopf(leiste, namen::BQuoDel, QString(), QStringLiteral("papierkorb"),
                               QRect(128, 2, 36, 36), QStringLiteral("Quoten löschen"));

    Bausteine::text(this, QStringLiteral("Datei:"), QRect(6, 46, 40, 14));
    LDatei3 =
        Bausteine::wert(this, namen::LDatei3, QRect(6, 60, Breite - 12, 16), QStringLiteral("Quotendatei"));
    LDatei3->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));

    Bausteine::text(this, QStringLiteral("Rang"), QRect(6, 80, 60, 14))
        ->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    QLabel* quoten = Bausteine::text(this, QStringLiteral("Quoten"), QRect(Breite - 88, 80, 82, 14));
    quoten->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    quoten->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The odds boxes take digits and the comma.
    auto* quotenzeichen = new Zeichenfilter(QStringLiteral("0123456789,"), this);
    constexpr int breiten[7] = {0, 82, 77, 72, 67, 61, 54};
    const int rechts = Breite - 6;
    for (int i = 1; i <= 6; ++i) {
        const int oben = 96 + (i - 1) * 24;
        Bausteine::text(this, core::QuotenBeschriftung(i), QRect(6, oben + 2, 70, 16));
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(namen::eQ) + QString::number(i));
        box->setGeometry(rechts - breiten[i], oben, breiten[i], 20);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 10, true));
        // "Quote I" .. "Quote VI", after the rank of the label beside it
        box->setAccessibleName(QStringLiteral("Quote ") + core::QuotenBeschriftung(i).section(u':', 0, 0));
        box->installEventFilter(quotenzeichen);
        eQ[i] = box;
    }
    QLabel* hinweis = Bausteine::text(
        this,
        QStringLiteral(
            "Dateiname im Datumsfor- mat \"tt.mm.jjjj\" ermöglicht automatisches Einlesen der Quoten."),
        QRect(6, 238, Breite - 12, 50));
    // Its four lines from the top, all of the room between the last box and the button.
    hinweis->setWordWrap(true);
    hinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hinweis->setStyleSheet(QStringLiteral("color: #006200;"));
    QuotenSpeichern = Bausteine::knopf(this, namen::QuotenSpeichern, QStringLiteral("Quoten speichern..."),
                                       QStringLiteral("speichern"), QRect(6, 290, Breite - 12, 36));
    connect(QuotenEinlesen, &QToolButton::clicked, this, &QuotenPanel::einlesenVerlangt);
    connect(QuotenSpeichern, &QToolButton::clicked, this, &QuotenPanel::speichernVerlangt);
    connect(BQuoDel, &QToolButton::clicked, this, &QuotenPanel::leeren);
}

core::TQuoten QuotenPanel::quoten() const {
    core::TQuoten q;
    for (int i = 1; i <= 6; ++i)
        q[std::size_t(i)] = eQ[std::size_t(i)]->text();
    return q;
}

void QuotenPanel::setzen(const core::TQuoten& quoten) {
    for (int i = 1; i <= 6; ++i)
        if (eQ[std::size_t(i)]->text() != quoten[std::size_t(i)])
            eQ[std::size_t(i)]->setText(quoten[std::size_t(i)]);
}

void QuotenPanel::dateiZeigen(const QString& dateiname) {
    LDatei3->setText(dateiname);
}

void QuotenPanel::leeren() {
    for (int i = 1; i <= 6; ++i)
        eQ[std::size_t(i)]->clear();
    LDatei3->clear();
}

} // namespace ui
