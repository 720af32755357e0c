#include "TFStatistik.h"

#include "core/grund/Zahlformat.h"
#include "ui/bausteine/Namen.h"
#include "ui/statistik/Wertetabelle.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
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

// Bars over categories with a value axis from 0 to hoechster on the left; further series can share
// both axes. Many categories are labelled upright, never cut.
QValueAxis* achsen(QChart* chart, QAbstractBarSeries* balken, const QStringList& kategorien,
                   double hoechster) {
    chart->addSeries(balken);
    balken->setBarWidth(0.8);
    auto* x = new QBarCategoryAxis;
    x->append(kategorien);
    x->setTruncateLabels(false);
    if (kategorien.size() > 6) {
        x->setLabelsAngle(-90);
        QFont klein = x->labelsFont();
        klein.setPointSizeF(klein.pointSizeF() * 0.8);
        x->setLabelsFont(klein);
    }
    chart->addAxis(x, Qt::AlignBottom);
    balken->attachAxis(x);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setRange(0, std::max(hoechster, 1.0));
    chart->addAxis(y, Qt::AlignLeft);
    balken->attachAxis(y);
    return y;
}

QString gewinnreiheText(const core::TGewinnreihe& reihe) {
    QStringList zahlen;
    for (const std::uint8_t z : reihe.Zahlen)
        if (z != 0)
            zahlen.append(QString::number(z));
    return zahlen.join(u' ');
}

// The date as shown, sorted as the matchdays come.
Wert datumswert(const core::SpieltagsAuswertung& s) {
    return {s.datum, core::Datumsfolge(s)};
}

} // namespace

TFStatistik::TFStatistik(Umgebung& umgebung, const QString& spieltagOrdner, const QString& scheinname,
                         core::Reihenmasken masken, QWidget* parent)
    : Auswertungsfenster(umgebung, QStringLiteral("Statistik über alle Spieltage"), namen::FStatistik,
                         parent) {
    auto* kopf = new QLabel(QStringLiteral("Spielschein: %1 mit %2 Reihen — Spieltage aus %3")
                                .arg(scheinname, core::Ganzzahltext(masken.reihen()), spieltagOrdner),
                            this);
    kopf->setObjectName(QString::fromLatin1(namen::LKopf));
    kopf->setTextFormat(Qt::PlainText);
    kopf->setWordWrap(true);
    inhalt->addWidget(kopf);
    auto* seiten = new QTabWidget(this);
    seiten->setObjectName(QString::fromLatin1(namen::Seiten));
    seiten->setAccessibleName(QStringLiteral("Ansichten der Statistik"));
    inhalt->addWidget(seiten, 1);

    auto* tabellenSeite = new QWidget(seiten);
    auto* spalte = new QVBoxLayout(tabellenSeite);
    QStringList spalten{QStringLiteral("Datum"), QStringLiteral("Gewinnreihe"), QStringLiteral("ZS")};
    spalten << rangSpalten() << QStringLiteral("Gewinn") << QStringLiteral("Quoten");
    spieltage_ = new Wertetabelle(spalten, this);
    tabelle =
        Wertetabelle::ansicht(spieltage_, tabellenSeite, namen::GSpieltage, QStringLiteral("Spieltage"));
    spalte->addWidget(tabelle, 1);
    spalte->addWidget(new QLabel(QStringLiteral("Übersprungene Dateien:"), tabellenSeite));
    uebersprungen_ = new Wertetabelle({QStringLiteral("Datei"), QStringLiteral("Grund")}, this);
    QTableView* fehlend = Wertetabelle::ansicht(uebersprungen_, tabellenSeite, namen::GUebersprungen,
                                                QStringLiteral("Übersprungene Dateien"));
    fehlend->setMaximumHeight(110);
    spalte->addWidget(fehlend);
    seiten->addTab(tabellenSeite, QStringLiteral("Spieltage"));

    verlauf_ = diagramm(seiten, namen::CVerlauf, QStringLiteral("Gewinn je Spieltag und Summe"));
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
        [this](core::Spieltagsstatistik statistik) { zeigen(statistik); });
}

void TFStatistik::zeigen(const core::Spieltagsstatistik& statistik) {
    std::vector<std::vector<Wert>> zeilen;
    std::array<int, 7> anzahl{};
    double gesamt = 0;
    for (const core::SpieltagsAuswertung& s : statistik.spieltage) {
        std::vector<Wert> zeile{datumswert(s), Wert::klartext(gewinnreiheText(s.gewinnreihe)),
                                Wert::zahl(s.gewinnreihe.ZS)};
        rangWerte(zeile, s.auswertung.anzahl);
        zeile.push_back(gewinnWert(s.auswertung));
        zeile.push_back(Wert::klartext(s.quotenDatei));
        zeilen.push_back(std::move(zeile));
        addieren(anzahl, s.auswertung.anzahl);
        gesamt += s.auswertung.gesamt;
    }
    spieltage_->setzen(std::move(zeilen));
    std::vector<std::vector<Wert>> fehlend;
    for (const core::Uebersprungen& u : statistik.uebersprungen)
        fehlend.push_back({Wert::klartext(u.datei), Wert::meldung(u.grund)});
    uebersprungen_->setzen(std::move(fehlend));
    const QString betrag = core::Betragstext(gesamt);
    summe->setText(
        summentext(QStringLiteral("%1 Spieltage").arg(statistik.spieltage.size()), anzahl, betrag));
    summe_ = summenfelder({QStringLiteral("Gesamt"), QString(), QString()}, anzahl, betrag) << QString();
    verlaufZeigen(statistik);
    haeufigkeitZeigen(statistik);
}

void TFStatistik::verlaufZeigen(const core::Spieltagsstatistik& statistik) {
    auto* gewinn = new QBarSet(QStringLiteral("Gewinn"));
    auto* verlauf = new QLineSeries;
    verlauf->setName(QStringLiteral("Summe"));
    QStringList daten;
    double laufend = 0;
    // The matchdays come by date.
    for (const core::SpieltagsAuswertung& s : statistik.spieltage) {
        const double betrag = s.auswertung.gesamt;
        laufend += betrag;
        verlauf->append(qreal(daten.size()), laufend);
        gewinn->append(betrag);
        // The chart draws its labels as markup: a file name is escaped.
        daten.append(s.datum.isEmpty() ? s.datei.toHtmlEscaped() : s.datum);
    }
    auto* balken = new QBarSeries;
    balken->append(gewinn);
    QChart* chart = verlauf_->chart();
    // The running sum sets the scale: it is never below a single matchday's win.
    achsen(chart, balken, daten, laufend)->applyNiceNumbers();
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
    // Whole counts: a tick on whole numbers only, about ten of them.
    QValueAxis* y = achsen(chart, balken, zahlen, hoechste);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(std::ceil(hoechste / 10.0));
}

QStringList TFStatistik::summenzeile() const {
    // The total belongs to the matchdays, not to the numbers.
    return tabelle == zahlenAnsicht_ ? QStringList() : summe_;
}

} // namespace ui
