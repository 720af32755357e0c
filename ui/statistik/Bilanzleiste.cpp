#include "Bilanzleiste.h"

#include "core/grund/Fehler.h"
#include "core/grund/Zahlformat.h"
#include "settings/IniDatei.h"
#include "settings/Schluessel.h"
#include "ui/bausteine/Namen.h"
#include "ui/umgebung/Waechter.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace ui {
namespace {

QLabel* beschriftung(QWidget* eltern, const QString& text, QWidget* fuer) {
    auto* l = new QLabel(text, eltern);
    l->setBuddy(fuer);
    return l;
}

QDateEdit* datumsfeld(QWidget* eltern, const QString& name) {
    auto* feld = new QDateEdit(eltern);
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    feld->setCalendarPopup(true);
    feld->setAccessibleName(name);
    return feld;
}

} // namespace

Bilanzleiste::Bilanzleiste(Meldungen& meldungen, QString optionenDatei, QWidget* parent)
    : QWidget(parent), meldungen_(meldungen), optionenDatei_(std::move(optionenDatei)) {
    einsatzFeld_ = new QLineEdit(this);
    einsatzFeld_->setObjectName(QString::fromLatin1(namen::eEinsatz));
    einsatzFeld_->setAccessibleName(QStringLiteral("Einsatz je Reihe"));
    einsatzFeld_->setPlaceholderText(QStringLiteral("z. B. 0,50"));
    einsatzFeld_->setMaximumWidth(90);
    art_ = new QComboBox(this);
    art_->setObjectName(QString::fromLatin1(namen::cbZeitraum));
    art_->setAccessibleName(QStringLiteral("Zeitraum"));
    art_->addItems(
        {QStringLiteral("Alle Spieltage"), QStringLiteral("Die letzten"), QStringLiteral("Von – bis")});
    letzte_ = new QSpinBox(this);
    letzte_->setObjectName(QString::fromLatin1(namen::eLetzte));
    letzte_->setAccessibleName(QStringLiteral("Anzahl der letzten Spieltage"));
    letzte_->setRange(1, 9999);
    letzte_->setValue(10);
    letzte_->setSuffix(QStringLiteral(" Spieltage"));
    von_ = datumsfeld(this, QStringLiteral("Zeitraum von"));
    von_->setObjectName(QString::fromLatin1(namen::eVon));
    bis_ = datumsfeld(this, QStringLiteral("Zeitraum bis"));
    bis_->setObjectName(QString::fromLatin1(namen::eBis));

    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(beschriftung(this, QStringLiteral("&Einsatz je Reihe (€):"), einsatzFeld_));
    zeile->addWidget(einsatzFeld_);
    zeile->addSpacing(16);
    zeile->addWidget(beschriftung(this, QStringLiteral("&Zeitraum:"), art_));
    zeile->addWidget(art_);
    zeile->addWidget(letzte_);
    zeile->addWidget(von_);
    bisWort_ = beschriftung(this, QStringLiteral("bis"), bis_);
    zeile->addWidget(bisWort_);
    zeile->addWidget(bis_);
    zeile->addStretch();

    // A stored stake that is no amount (the file edited by hand) counts as none.
    const QString gespeichert =
        settings::lesen(settings::IniDatei(optionenDatei_), settings::schluessel::EinsatzJeReihe);
    try {
        if (!gespeichert.trimmed().isEmpty()) {
            einsatz_ = core::EinsatzLesen(gespeichert);
            gemerkt_ = gespeichert.trimmed();
        }
    } catch (const core::Fehler&) {
    }
    einsatzFeld_->setText(gemerkt_);

    connect(einsatzFeld_, &QLineEdit::editingFinished, this,
            [this] { Schuetzen(meldungen_, [this] { einsatzUebernehmen(); }); });
    connect(art_, &QComboBox::currentIndexChanged, this, [this] {
        zeitraumAnpassen();
        emit geaendert();
    });
    connect(letzte_, &QSpinBox::valueChanged, this, &Bilanzleiste::geaendert);
    connect(von_, &QDateEdit::dateChanged, this, &Bilanzleiste::geaendert);
    connect(bis_, &QDateEdit::dateChanged, this, &Bilanzleiste::geaendert);
    zeitraumAnpassen();
}

core::Zeitraum Bilanzleiste::zeitraum() const {
    core::Zeitraum z;
    z.art = core::Zeitraum::Art(art_->currentIndex());
    z.letzte = letzte_->value();
    z.von = von_->date();
    z.bis = bis_->date();
    return z;
}

QString Bilanzleiste::beschreibung() const {
    const QString einsatz = mitEinsatz() ? core::Betragstext(double(einsatz_) / 100.0) + QStringLiteral(" €")
                                         : QStringLiteral("keiner");
    QString zeitraum = QStringLiteral("alle Spieltage");
    const QString format = QStringLiteral("dd.MM.yyyy");
    if (art_->currentIndex() == int(core::Zeitraum::Art::Letzte))
        zeitraum = QStringLiteral("die letzten %1 Spieltage").arg(letzte_->value());
    else if (art_->currentIndex() == int(core::Zeitraum::Art::VonBis))
        zeitraum =
            QStringLiteral("vom %1 bis %2").arg(von_->date().toString(format), bis_->date().toString(format));
    return QStringLiteral("Einsatz je Reihe: %1 — Zeitraum: %2").arg(einsatz, zeitraum);
}

void Bilanzleiste::datenAnbieten(QDate erster, QDate letzter) {
    const QSignalBlocker a(von_);
    const QSignalBlocker b(bis_);
    von_->setDate(erster);
    bis_->setDate(letzter);
}

void Bilanzleiste::zeitraumAnpassen() {
    const auto art = core::Zeitraum::Art(art_->currentIndex());
    const bool vonBis = art == core::Zeitraum::Art::VonBis;
    letzte_->setVisible(art == core::Zeitraum::Art::Letzte);
    von_->setVisible(vonBis);
    bisWort_->setVisible(vonBis);
    bis_->setVisible(vonBis);
}

void Bilanzleiste::einsatzUebernehmen() {
    const QString text = einsatzFeld_->text().trimmed();
    if (text == gemerkt_)
        return;
    std::int64_t cent = 0;
    try {
        if (!text.isEmpty())
            cent = core::EinsatzLesen(text);
        settings::schreiben(settings::IniDatei(optionenDatei_), settings::schluessel::EinsatzJeReihe, text);
    } catch (const core::Fehler&) {
        // Put back first: the message takes the focus, and leaving the field again changes nothing.
        einsatzFeld_->setText(gemerkt_);
        throw;
    }
    gemerkt_ = text;
    einsatz_ = cent;
    emit geaendert();
}

} // namespace ui
