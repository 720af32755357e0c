#include "Auswertungsfenster.h"

#include "core/grund/Konstanten.h"
#include "core/grund/Zahlformat.h"
#include "core/schein/Auswertung.h"
#include "ui/bausteine/Namen.h"
#include "ui/bericht/Bericht.h"
#include "ui/bericht/Berichtsausgabe.h"
#include "ui/statistik/CsvSpeichern.h"
#include "ui/statistik/Wertetabelle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {

Auswertungsfenster::Auswertungsfenster(Umgebung& umgebung, const QString& titel, const char* name,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), umgebung_(umgebung) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titel);
    resize(980, 620);
    auto* spalte = new QVBoxLayout(this);
    inhalt = new QVBoxLayout;
    spalte->addLayout(inhalt, 1);
    summe = new QLabel(this);
    summe->setObjectName(QString::fromLatin1(namen::LSumme));
    summe->setWordWrap(true);
    spalte->addWidget(summe);
    auto* unten = new QHBoxLayout;
    laufbalken_ = new QProgressBar(this);
    laufbalken_->setObjectName(QString::fromLatin1(namen::Fortschritt));
    laufbalken_->setAccessibleName(QStringLiteral("Fortschritt des Einlesens"));
    laufbalken_->setRange(0, 1);
    laufbalken_->setValue(0);
    unten->addWidget(laufbalken_, 1);
    csv = new QPushButton(QStringLiteral("Als CSV speichern..."), this);
    csv->setObjectName(QString::fromLatin1(namen::BCsv));
    csv->setAccessibleName(csv->text());
    csv->setEnabled(false);
    unten->addWidget(csv);
    pdf = new QPushButton(QStringLiteral("Als PDF speichern..."), this);
    pdf->setObjectName(QString::fromLatin1(namen::BPdf));
    pdf->setAccessibleName(pdf->text());
    pdf->setEnabled(false);
    unten->addWidget(pdf);
    schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QString::fromLatin1(namen::AuswertungSchliessen));
    schliessen->setAccessibleName(schliessen->text());
    unten->addWidget(schliessen);
    spalte->addLayout(unten);
    // Enter presses the focused button, outside a dialog too.
    csv->setAutoDefault(true);
    schliessen->setAutoDefault(true);
    BeiKlick(csv, umgebung_.meldungen, [this] { csvSpeichern(); });
    BeiKlick(pdf, umgebung_.meldungen, [this] { pdfSpeichern(); });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
}

Auswertungsfenster::~Auswertungsfenster() {
    // The work still going stops at its next step; its result goes nowhere.
    if (lauf_)
        lauf_->cancel();
}

void Auswertungsfenster::verbinden(QFutureWatcherBase* waechter, const std::function<void()>& fertig) {
    lauf_ = waechter;
    laeuft_ = true;
    exportErlauben(false);
    laufbalken_->setRange(0, 0);
    connect(waechter, &QFutureWatcherBase::progressRangeChanged, laufbalken_, &QProgressBar::setRange);
    connect(waechter, &QFutureWatcherBase::progressValueChanged, laufbalken_, &QProgressBar::setValue);
    connect(waechter, &QFutureWatcherBase::finished, this, [this, fertig] {
        laufbalken_->setRange(0, 1);
        laufbalken_->setValue(1);
        fertig();
        laeuft_ = false;
        exportErlauben(tabelle && tabelle->model()->rowCount() > 0);
        emit ausgewertet();
    });
}

void Auswertungsfenster::exportErlauben(bool ja) {
    csv->setEnabled(ja);
    pdf->setEnabled(ja);
}

QStringList Auswertungsfenster::rangSpalten() {
    return QStringList(core::RangText.begin() + 1, core::RangText.end());
}

void Auswertungsfenster::rangWerte(std::vector<Wert>& zeile, const std::array<int, 7>& anzahl) {
    for (int r = 1; r <= 6; ++r)
        zeile.push_back(Wert::zahl(anzahl[std::size_t(r)]));
}

Wert Auswertungsfenster::gewinnWert(const core::Auswertung& a) {
    // An evaluation that did not run shows no amount.
    return {a.gesamtText.value_or(a.gelaufen ? core::Betragstext(a.gesamt) : QString()), a.gesamt};
}

void Auswertungsfenster::addieren(std::array<int, 7>& summe, const std::array<int, 7>& anzahl) {
    for (std::size_t r = 1; r <= 6; ++r)
        summe[r] += anzahl[r];
}

QStringList Auswertungsfenster::summenfelder(QStringList anfang, const std::array<int, 7>& anzahl,
                                             const QString& gewinn) {
    for (std::size_t r = 1; r <= 6; ++r)
        anfang.append(core::Ganzzahltext(anzahl[r]));
    anfang.append(gewinn);
    return anfang;
}

QString Auswertungsfenster::summentext(const QString& worueber, const std::array<int, 7>& anzahl,
                                       const QString& gewinn) {
    QStringList teile;
    for (int r = 1; r <= 6; ++r)
        teile.append(core::RangText[std::size_t(r)] + QStringLiteral(": ") +
                     core::Ganzzahltext(anzahl[std::size_t(r)]));
    return QStringLiteral("Gesamt über %1 — %2 — Gewinn: %3")
        .arg(worueber, teile.join(QStringLiteral(", ")), gewinn);
}

QList<QStringList> Auswertungsfenster::mitSumme() const {
    QList<QStringList> zeilen = Wertetabelle::sichtbar(*tabelle);
    if (const QStringList summenfelder = summenzeile(); !summenfelder.isEmpty())
        zeilen.append(summenfelder);
    return zeilen;
}

void Auswertungsfenster::csvSpeichern() {
    if (!tabelle)
        return;
    CsvSpeichern(umgebung_, windowTitle(), mitSumme());
}

void Auswertungsfenster::berichtFuellen(Bericht& bericht) const {
    bericht.tabelle(std::make_shared<Listentabelle>(mitSumme()));
    bericht.absatz(summe->text());
}

void Auswertungsfenster::pdfSpeichern() {
    if (!tabelle)
        return;
    Bericht bericht(windowTitle(), umgebung_.uhr.heute());
    bericht.ueberschrift(windowTitle());
    berichtFuellen(bericht);
    Berichtsausgabe(umgebung_).alsPdfSpeichern(bericht, QString(), windowTitle());
}

} // namespace ui
