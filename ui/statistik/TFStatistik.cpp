#include "TFStatistik.h"

#include "core/grund/Zahlformat.h"
#include "ui/bausteine/Namen.h"
#include "ui/bericht/Bericht.h"
#include "ui/statistik/Betragsachse.h"
#include "ui/statistik/Bilanzleiste.h"
#include "ui/statistik/Wertetabelle.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

QChartView* diagramm(QWidget* parent, const char* name, const QString& titel) {
    auto* ansicht = new QChartView(new QChart, parent);
    ansicht->setObjectName(QString::fromLatin1(name));
    ansicht->setAccessibleName(titel);
    ansicht->chart()->setTitle(titel);
    // Axis figures as German readers write them: 150.000, not 150000.
    ansicht->chart()->setLocale(QLocale(QLocale::German, QLocale::Germany));
    ansicht->chart()->setLocalizeNumbers(true);
    ansicht->setRenderHint(QPainter::Antialiasing);
    return ansicht;
}

// Categories along the bottom for bars; many are labelled upright, never cut.
QBarCategoryAxis* kategorien(QChart* chart, QAbstractBarSeries* balken, const QStringList& namen) {
    chart->addSeries(balken);
    balken->setBarWidth(0.8);
    auto* x = new QBarCategoryAxis;
    x->append(namen);
    x->setTruncateLabels(false);
    if (namen.size() > 6) {
        x->setLabelsAngle(-90);
        QFont klein = x->labelsFont();
        klein.setPointSizeF(klein.pointSizeF() * 0.8);
        x->setLabelsFont(klein);
    }
    chart->addAxis(x, Qt::AlignBottom);
    balken->attachAxis(x);
    return x;
}

// Bars over categories with a value axis from 0 to hoechster on the left.
QValueAxis* achsen(QChart* chart, QAbstractBarSeries* balken, const QStringList& namen, double hoechster) {
    kategorien(chart, balken, namen);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setRange(0, std::max(hoechster, 1.0));
    chart->addAxis(y, Qt::AlignLeft);
    balken->attachAxis(y);
    return y;
}

// A chart for a report, laid out at a size of its own whatever the window shows now.
std::function<void(QPainter&, const QRectF&)> diagrammMalen(QChart* chart) {
    return [chart](QPainter& maler, const QRectF& ziel) {
        const QRectF vorher = chart->geometry();
        chart->resize(QSizeF(900, 900 * ziel.height() / ziel.width()));
        chart->scene()->render(&maler, ziel, chart->geometry(), Qt::KeepAspectRatio);
        chart->setGeometry(vorher);
    };
}

// A chart drawn again from scratch.
// The series go with removeAllSeries; a removed axis is handed back and must be deleted here.
void leeren(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* achse : chart->axes()) {
        chart->removeAxis(achse);
        delete achse;
    }
}

// The date as shown, sorted as the matchdays come.
Wert datumswert(const core::SpieltagsAuswertung& s) {
    return {s.datum, core::Datumsfolge(s)};
}

} // namespace

TFStatistik::TFStatistik(Umgebung& umgebung, const QString& optionenDatei, const QString& spieltagOrdner,
                         const QString& scheinname, core::Reihenmasken masken, QWidget* parent)
    : Auswertungsfenster(umgebung, QStringLiteral("Statistik über alle Spieltage"), namen::FStatistik,
                         parent),
      reihen_(masken.reihen()) {
    kopf_ = new QLabel(QStringLiteral("Spielschein: %1 mit %2 Reihen — Spieltage aus %3")
                           .arg(scheinname, core::Ganzzahltext(masken.reihen()), spieltagOrdner),
                       this);
    kopf_->setObjectName(QString::fromLatin1(namen::LKopf));
    kopf_->setTextFormat(Qt::PlainText);
    kopf_->setWordWrap(true);
    inhalt->addWidget(kopf_);
    leiste_ = new Bilanzleiste(umgebung_.meldungen, optionenDatei, this);
    inhalt->addWidget(leiste_);
    connect(leiste_, &Bilanzleiste::geaendert, this, [this] {
        if (alle_)
            darstellen();
    });
    auto* seiten = new QTabWidget(this);
    seiten->setObjectName(QString::fromLatin1(namen::Seiten));
    seiten->setAccessibleName(QStringLiteral("Ansichten der Statistik"));
    inhalt->addWidget(seiten, 1);

    auto* tabellenSeite = new QWidget(seiten);
    auto* spalte = new QVBoxLayout(tabellenSeite);
    QStringList spalten{QStringLiteral("Datum"), QStringLiteral("Gewinnreihe"), QStringLiteral("ZS")};
    spalten << rangSpalten() << QStringLiteral("Gewinn") << QStringLiteral("Einsatz")
            << QStringLiteral("Netto") << QStringLiteral("Bilanz") << QStringLiteral("Quoten");
    spieltage_ = new Wertetabelle(spalten, this);
    tabelle =
        Wertetabelle::ansicht(spieltage_, tabellenSeite, namen::GSpieltage, QStringLiteral("Spieltage"));
    spalte->addWidget(tabelle, 1);
    spalte->addWidget(new QLabel(QStringLiteral("Übersprungene Dateien:"), tabellenSeite));
    uebersprungen_ = new Wertetabelle({QStringLiteral("Datei"), QStringLiteral("Grund")}, this);
    uebersprungenAnsicht_ = Wertetabelle::ansicht(uebersprungen_, tabellenSeite, namen::GUebersprungen,
                                                  QStringLiteral("Übersprungene Dateien"));
    uebersprungenAnsicht_->setMaximumHeight(110);
    spalte->addWidget(uebersprungenAnsicht_);
    seiten->addTab(tabellenSeite, QStringLiteral("Spieltage"));

    verlauf_ = diagramm(seiten, namen::CVerlauf, QStringLiteral("Gewinn je Spieltag und Bilanz"));
    seiten->addTab(verlauf_, QStringLiteral("Gewinnverlauf"));

    auto* zahlenSeite = new QWidget(seiten);
    auto* zeile = new QHBoxLayout(zahlenSeite);
    haeufigkeit_ = diagramm(zahlenSeite, namen::CHaeufigkeit, QStringLiteral("Wie oft jede Zahl gewann"));
    zeile->addWidget(haeufigkeit_, 1);
    zahlen_ = new Wertetabelle({QStringLiteral("Zahl"), QStringLiteral("Gewinnzahl"),
                                QStringLiteral("Zusatzzahl"), QStringLiteral("Fehlt seit (Spieltagen)")},
                               this);
    zahlenAnsicht_ =
        Wertetabelle::ansicht(zahlen_, zahlenSeite, namen::GZahlen, QStringLiteral("Häufigkeit der Zahlen"));
    zeile->addWidget(zahlenAnsicht_);
    seiten->addTab(zahlenSeite, QStringLiteral("Zahlen"));
    // The export writes the table of the page shown; the chart of the winnings shows the matchdays.
    QTableView* spieltagAnsicht = tabelle;
    connect(seiten, &QTabWidget::currentChanged, this, [this, spieltagAnsicht, zahlenSeite, seiten] {
        tabelle = seiten->currentWidget() == zahlenSeite ? zahlenAnsicht_ : spieltagAnsicht;
    });

    starten<core::Spieltagsstatistik>(
        [m = std::move(masken), spieltagOrdner](const auto& fortschritt, const auto& abbrechen) {
            return core::StatistikErstellen(m, spieltagOrdner, fortschritt, abbrechen);
        },
        [this](core::Spieltagsstatistik statistik) { zeigen(std::move(statistik)); });
}

void TFStatistik::zeigen(core::Spieltagsstatistik statistik) {
    // The from-to period starts as wide as the matchdays read.
    QList<QDate> daten;
    for (const core::SpieltagsAuswertung& s : statistik.spieltage)
        if (const QDate d = QDate::fromString(s.datum, QStringLiteral("dd.MM.yyyy")); d.isValid())
            daten.append(d);
    if (!daten.isEmpty())
        leiste_->datenAnbieten(daten.front(), daten.back());
    alle_ = std::move(statistik);
    darstellen();
}

void TFStatistik::darstellen() {
    const core::Spieltagsstatistik statistik = core::ImZeitraum(*alle_, leiste_->zeitraum());
    const core::Bilanz bilanz = core::BilanzZiehen(statistik.spieltage, reihen_, leiste_->einsatz());
    std::vector<std::vector<Wert>> zeilen;
    for (std::size_t i = 0; i < statistik.spieltage.size(); ++i) {
        const core::SpieltagsAuswertung& s = statistik.spieltage[i];
        const core::Bilanzzeile& b = bilanz.spieltage[i];
        std::vector<Wert> zeile{datumswert(s), Wert::klartext(core::GewinnzahlenText(s.gewinnreihe)),
                                Wert::zahl(s.gewinnreihe.ZS)};
        rangWerte(zeile, s.auswertung.anzahl);
        zeile.push_back(gewinnWert(s.auswertung));
        for (const double betrag : {b.einsatz, b.netto, b.bilanz})
            zeile.push_back({core::Betragstext(betrag), betrag});
        zeile.push_back(Wert::klartext(s.quotenDatei));
        zeilen.push_back(std::move(zeile));
    }
    spieltage_->setzen(std::move(zeilen));
    std::vector<std::vector<Wert>> fehlend;
    for (const core::Uebersprungen& u : statistik.uebersprungen)
        fehlend.push_back({Wert::klartext(u.datei), Wert::meldung(u.grund)});
    uebersprungen_->setzen(std::move(fehlend));
    summeZeigen(statistik, bilanz);
    verlaufZeigen(statistik, bilanz);
    haeufigkeitZeigen(statistik);
    exportErlauben(!statistik.spieltage.empty());
}

void TFStatistik::summeZeigen(const core::Spieltagsstatistik& statistik, const core::Bilanz& bilanz) {
    if (statistik.spieltage.empty() && !alle_->spieltage.empty()) {
        summe->setText(QStringLiteral("Im gewählten Zeitraum liegt kein Spieltag."));
        summe_.clear();
        return;
    }
    std::array<int, 7> anzahl{};
    for (const core::SpieltagsAuswertung& s : statistik.spieltage)
        addieren(anzahl, s.auswertung.anzahl);
    const QString betrag = core::Betragstext(bilanz.gewinn);
    QString text = summentext(QStringLiteral("%1 Spieltage").arg(statistik.spieltage.size()), anzahl, betrag);
    if (leiste_->mitEinsatz())
        text += QStringLiteral("\nEinsatz: %1 — Netto: %2 — Rendite: %3")
                    .arg(core::Betragstext(bilanz.einsatz), core::Betragstext(bilanz.netto),
                         bilanz.rendite ? core::Betragstext(*bilanz.rendite) + QStringLiteral(" %")
                                        : QStringLiteral("keine"));
    text += QStringLiteral("\nLängste Serie ohne Gewinn: %1 %2")
                .arg(bilanz.ohneGewinn)
                .arg(bilanz.ohneGewinn == 1 ? QStringLiteral("Spieltag") : QStringLiteral("Spieltage"));
    summe->setText(text);
    summe_ = summenfelder({QStringLiteral("Gesamt"), QString(), QString()}, anzahl, betrag)
             << core::Betragstext(bilanz.einsatz) << core::Betragstext(bilanz.netto)
             << core::Betragstext(bilanz.netto) << QString();
}

void TFStatistik::verlaufZeigen(const core::Spieltagsstatistik& statistik, const core::Bilanz& bilanz) {
    auto* gewinn = new QBarSet(QStringLiteral("Gewinn"));
    auto* verlauf = new QLineSeries;
    verlauf->setName(leiste_->mitEinsatz() ? QStringLiteral("Bilanz") : QStringLiteral("Summe"));
    QStringList daten;
    double kleinster = 0;
    double groesster = 0;
    // The matchdays come by date.
    for (std::size_t i = 0; i < statistik.spieltage.size(); ++i) {
        const core::SpieltagsAuswertung& s = statistik.spieltage[i];
        const core::Bilanzzeile& b = bilanz.spieltage[i];
        verlauf->append(qreal(daten.size()), Betragsachse::wert(b.bilanz));
        gewinn->append(Betragsachse::wert(b.gewinn));
        kleinster = std::min({kleinster, b.bilanz, b.gewinn});
        groesster = std::max({groesster, b.bilanz, b.gewinn});
        // The chart draws its labels as markup: a file name is escaped.
        daten.append(s.datum.isEmpty() ? s.datei.toHtmlEscaped() : s.datum);
    }
    auto* balken = new QBarSeries;
    balken->append(gewinn);
    QChart* chart = verlauf_->chart();
    leeren(chart);
    kategorien(chart, balken, daten);
    QCategoryAxis* y = Betragsachse::achse(kleinster, groesster);
    chart->addAxis(y, Qt::AlignLeft);
    balken->attachAxis(y);
    chart->addSeries(verlauf);
    for (QAbstractAxis* achse : chart->axes())
        verlauf->attachAxis(achse);
}

void TFStatistik::haeufigkeitZeigen(const core::Spieltagsstatistik& statistik) {
    auto* gewinnzahl = new QBarSet(QStringLiteral("Gewinnzahl"));
    auto* zusatzzahl = new QBarSet(QStringLiteral("Zusatzzahl"));
    QStringList zahlen;
    std::vector<std::vector<Wert>> zeilen;
    int hoechste = 1;
    for (const core::Zahlhaeufigkeit& h : statistik.haeufigkeit) {
        hoechste = std::max(hoechste, h.gewinnzahl + h.zusatzzahl);
        gewinnzahl->append(h.gewinnzahl);
        zusatzzahl->append(h.zusatzzahl);
        zahlen.append(QString::number(h.zahl));
        zeilen.push_back({Wert::zahl(h.zahl), Wert::zahl(h.gewinnzahl), Wert::zahl(h.zusatzzahl),
                          Wert::zahl(h.fehltSeit)});
    }
    zahlen_->setzen(std::move(zeilen));
    // As wide as its columns, the chart takes the rest.
    zahlenAnsicht_->setMinimumWidth(zahlenAnsicht_->horizontalHeader()->length() +
                                    zahlenAnsicht_->verticalScrollBar()->sizeHint().width() +
                                    2 * zahlenAnsicht_->frameWidth());
    // One bar per number, the additional draws on top: 45 pairs of bars would be too thin to see.
    auto* balken = new QStackedBarSeries;
    balken->append({gewinnzahl, zusatzzahl});
    QChart* chart = haeufigkeit_->chart();
    leeren(chart);
    // Whole counts: a tick on whole numbers only, about ten of them.
    QValueAxis* y = achsen(chart, balken, zahlen, hoechste);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(std::ceil(hoechste / 10.0));
}

void TFStatistik::berichtFuellen(Bericht& bericht) const {
    bericht.absatz(kopf_->text() + u'\n' + leiste_->beschreibung());
    Auswertungsfenster::berichtFuellen(bericht);
    if (uebersprungen_->rowCount() > 0) {
        bericht.ueberschrift(QStringLiteral("Übersprungene Dateien"));
        bericht.tabelle(std::make_shared<Listentabelle>(Wertetabelle::sichtbar(*uebersprungenAnsicht_)));
    }
    bericht.ueberschrift(QStringLiteral("Gewinnverlauf"));
    bericht.bild(diagrammMalen(verlauf_->chart()), 0.6);
    bericht.ueberschrift(QStringLiteral("Zahlen"));
    bericht.bild(diagrammMalen(haeufigkeit_->chart()), 0.5);
    bericht.tabelle(std::make_shared<Listentabelle>(Wertetabelle::sichtbar(*zahlenAnsicht_)));
}

QStringList TFStatistik::summenzeile() const {
    // The total belongs to the matchdays, not to the numbers.
    return tabelle == zahlenAnsicht_ ? QStringList() : summe_;
}

} // namespace ui
