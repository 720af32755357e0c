#include "GewinnreiheLeiste.h"

#include "core/spieltag/BoxVerlassen.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Ikonen.h"
#include "ui/bausteine/Namen.h"
#include "ui/bausteine/Zeichenfilter.h"
#include "ui/hauptfenster/TFfrAnzeigeGew.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <utility>

namespace ui {

GewinnreiheLeiste::GewinnreiheLeiste(QWidget* parent) : QWidget(parent) {
    resize(Breite, Hoehe);
    QFrame* flaeche = Bausteine::panel(this, "PGewinnreihe", QRect(0, 0, Breite, Hoehe), "flaeche");
    QLabel* titel = Bausteine::text(flaeche, QStringLiteral("Gewinn- reihe:"), QRect(4, 4, 52, 34));
    titel->setWordWrap(true);
    titel->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));

    // Match numbers have at most two digits; pasted text that is not such a number is refused whole.
    auto* nurZahlen = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(core::BoxStellen)), this);
    auto* ziffern = new Zeichenfilter(QStringLiteral("0123456789"), this);
    QFrame* anzeige = Bausteine::panel(flaeche, namen::PAnzeige, QRect(58, 3, 184, 37), "rahmenlos");
    for (int i = 1; i <= 7; ++i) {
        auto* rahmen = new TFfrAnzeigeGew(i, anzeige);
        rahmen->move(i <= 6 ? (i - 1) * TFfrAnzeigeGew::Breite + 1 : 152, 1);
        Boxen[i] = rahmen->ETZ;
        Boxen[i]->setValidator(nurZahlen);
        Boxen[i]->installEventFilter(this);
        Boxen[i]->installEventFilter(ziffern);
        connect(Boxen[i], &QLineEdit::textEdited, this, [this, i] { offen_ = i; });
    }
    BSortier2 = Bausteine::knopf(flaeche, namen::BSortier2, QString(), QStringLiteral("eingabefolge"),
                                 QRect(246, 5, 32, 32),
                                 QStringLiteral("Gewinnzahlen sortiert oder in Eingabefolge zeigen"));
    QToolButton* loeschen =
        Bausteine::knopf(flaeche, namen::GewinnreiheLoeschen, QStringLiteral("Gewinnreihe löschen"),
                         QStringLiteral("papierkorb"), QRect(282, 3, 118, 36));
    cbSofort = Bausteine::haken(flaeche, namen::cbSofort,
                                QStringLiteral("Bei manueller Eingabe der Gewinnreihe sofort auswerten"),
                                QRect(6, 43, 394, 18));
    cbSofort->setChecked(true);
    ordnungsSymbol();
    connect(BSortier2, &QToolButton::clicked, this, [this] {
        offeneBoxVerlassen();
        BSortier2Click();
    });
    connect(loeschen, &QToolButton::clicked, this, &GewinnreiheLeiste::bsSkinSpeedButton3Click);
}

QString GewinnreiheLeiste::zsText() const {
    return Boxen[7]->text();
}

bool GewinnreiheLeiste::sofortAuswerten() const {
    return cbSofort->isChecked();
}

void GewinnreiheLeiste::setSofortAuswerten(bool ja) {
    cbSofort->setChecked(ja);
}

bool GewinnreiheLeiste::eventFilter(QObject* objekt, QEvent* ereignis) {
    const int box = objekt->property("Tag").toInt();
    if (box < 1 || box > 7)
        return false;
    if (ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            if (box < 7)
                Boxen[box + 1]->setFocus(Qt::TabFocusReason);
            return true;
        }
        return false;
    }
    if (ereignis->type() != QEvent::FocusIn && ereignis->type() != QEvent::FocusOut)
        return false;
    // Leaving the window (a message box, another program) and coming back is not entering or
    // leaving the box.
    const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
    if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason)
        return false;
    if (ereignis->type() == QEvent::FocusIn)
        offen_ = box;
    else if (offen_ == box)
        offeneBoxVerlassen();
    return false;
}

int GewinnreiheLeiste::offeneBoxUebernehmen() {
    const int box = std::exchange(offen_, 0);
    if (box)
        ETZExit(box);
    return box;
}

void GewinnreiheLeiste::offeneBoxVerlassen() {
    if (const int box = offeneBoxUebernehmen())
        emit verlassen(box);
}

void GewinnreiheLeiste::ETZExit(int box) {
    core::Boxtexte texte;
    for (int i = 1; i <= 7; ++i)
        texte[std::size_t(i)] = Boxen[std::size_t(i)]->text();
    core::BoxVerlassen(gewinnreihe_, texte, box);
}

void GewinnreiheLeiste::bsSkinSpeedButton3Click() {
    const core::TGewinnreihe vorher = gewinnreihe_;
    std::array<QString, 8> texte;
    for (int i = 1; i <= 7; ++i) {
        texte[std::size_t(i)] = Boxen[std::size_t(i)]->text();
        Boxen[i]->clear();
    }
    gewinnreihe_.leeren();
    offen_ = 0; // what was typed is gone
    emit geleert(vorher, texte);
}

void GewinnreiheLeiste::BSortier2Click() {
    if (!sortiert_) {
        int box = 1;
        for (int n = 1; n <= 45; ++n)
            if (gewinnreihe_.Menge.enthaelt(n) && box <= 6)
                Boxen[box++]->setText(QString::number(n));
        for (; box <= 6; ++box)
            Boxen[box]->clear();
    } else {
        for (int i = 1; i <= 6; ++i) {
            const int z = gewinnreihe_.Zahlen[i - 1];
            Boxen[i]->setText(z == 0 ? QString() : QString::number(z));
        }
    }
    sortiert_ = !sortiert_;
    ordnungsSymbol();
}

void GewinnreiheLeiste::ordnungsSymbol() {
    BSortier2->setIcon(
        Ikonen::symbol(sortiert_ ? QStringLiteral("sortiert") : QStringLiteral("eingabefolge")));
    BSortier2->setProperty("ansicht",
                           sortiert_ ? QStringLiteral("sortiert") : QStringLiteral("eingabefolge"));
}

void GewinnreiheLeiste::setzen(const core::TGewinnreihe& reihe, const std::array<QString, 8>& texte) {
    gewinnreihe_ = reihe;
    offen_ = 0; // what was typed is gone
    for (int i = 1; i <= 7; ++i)
        Boxen[i]->setText(texte[i]);
    sortiert_ = false;
    ordnungsSymbol();
}

} // namespace ui
