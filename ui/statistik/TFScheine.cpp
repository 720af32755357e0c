#include "TFScheine.h"

#include "core/grund/Zahlformat.h"
#include "core/statistik/Statistik.h"
#include "ui/bausteine/Namen.h"
#include "ui/bericht/Bericht.h"
#include "ui/gitter/ZeilenGitter.h"
#include "ui/statistik/Wertetabelle.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {

TFScheine::TFScheine(Umgebung& umgebung, const QString& scheinOrdner, core::Zahlenmenge gewinn,
                     const QString& zs, const core::TQuoten& quoten, QWidget* parent)
    : Auswertungsfenster(umgebung, QStringLiteral("Mehrere Spielscheine auswerten"), namen::FScheine, parent),
      scheinOrdner_(scheinOrdner), gewinn_(gewinn), zs_(zs), quoten_(quoten) {
    QStringList zahlen;
    for (int n = 0; n <= core::Zahlenmenge::Groesste; ++n)
        if (gewinn.enthaelt(n))
            zahlen.append(QString::number(n));
    reihe_ = new QLabel(QStringLiteral("Gewinnreihe: %1   ZS: %2").arg(zahlen.join(u' '), zs), this);
    reihe_->setObjectName(QString::fromLatin1(namen::LGewinnreihe));
    reihe_->setTextFormat(Qt::PlainText);
    auto* waehlen = new QPushButton(QStringLiteral("Spielscheine wählen..."), this);
    waehlen->setObjectName(QString::fromLatin1(namen::BWaehlen));
    waehlen->setAccessibleName(waehlen->text());
    waehlen->setAutoDefault(true);
    inhalt->addWidget(reihe_);
    inhalt->addWidget(waehlen, 0, Qt::AlignLeft);
    QStringList spalten{QStringLiteral("Datei"), QStringLiteral("Reihen")};
    spalten << rangSpalten() << QStringLiteral("Gewinn") << QStringLiteral("Hinweis");
    modell_ = new Wertetabelle(spalten, this);
    tabelle =
        Wertetabelle::ansicht(modell_, this, namen::GScheine, QStringLiteral("Ausgewertete Spielscheine"));
    inhalt->addWidget(tabelle);
    BeiKlick(waehlen, umgebung_.meldungen, [this] { scheineWaehlen(); });
}

void TFScheine::scheineWaehlen(const QString& ordner) {
    if (laeuft())
        return;
    const QStringList dateien = umgebung_.dialoge.mehrereOeffnen(
        {QStringLiteral("Spielscheine wählen"), QStringLiteral("Spielschein|*.txt"), QStringLiteral("txt"),
         ordner.isEmpty() ? scheinOrdner_ : ordner, QString(), false});
    if (!dateien.isEmpty())
        auswerten(dateien);
}

void TFScheine::auswerten(const QStringList& dateien) {
    if (!dateien.isEmpty())
        emit ordnerVerwendet(QFileInfo(dateien[0]).absolutePath());
    starten<std::vector<core::ScheinAuswertung>>(
        [dateien, gewinn = gewinn_, zs = zs_, quoten = quoten_,
         mass = SchriftTextmass(font())](const auto& fortschritt, const auto& abbrechen) {
            std::vector<core::ScheinAuswertung> ergebnisse;
            for (qsizetype i = 0; i < dateien.size() && !abbrechen(); ++i) {
                fortschritt(int(i), int(dateien.size()));
                ergebnisse.push_back(core::ScheinAuswerten(dateien[i], gewinn, zs, quoten, mass, abbrechen));
            }
            fortschritt(int(dateien.size()), int(dateien.size()));
            return ergebnisse;
        },
        [this](std::vector<core::ScheinAuswertung> ergebnisse) {
            std::vector<std::vector<Wert>> zeilen;
            std::array<int, 7> anzahl{};
            qint64 reihen = 0;
            double gesamt = 0;
            int ausgewertet = 0;
            for (const core::ScheinAuswertung& s : ergebnisse) {
                std::vector<Wert> zeile{Wert::klartext(s.datei), Wert::zahl(s.reihen)};
                rangWerte(zeile, s.auswertung.anzahl);
                zeile.push_back(gewinnWert(s.auswertung));
                zeile.push_back(Wert::meldung(s.fehler));
                zeilen.push_back(std::move(zeile));
                // A slip that failed has no part in the total, which would mislead.
                if (!s.fehler.isEmpty())
                    continue;
                ++ausgewertet;
                addieren(anzahl, s.auswertung.anzahl);
                reihen += s.reihen;
                gesamt += s.auswertung.gesamt;
            }
            modell_->setzen(std::move(zeilen));
            const QString betrag = core::Betragstext(gesamt);
            const int alle = int(ergebnisse.size());
            const QString worueber =
                ausgewertet == alle
                    ? QStringLiteral("%1 Spielscheine mit %2 Reihen")
                          .arg(alle)
                          .arg(core::Ganzzahltext(reihen))
                    : QStringLiteral("%1 von %2 Spielscheinen mit %3 Reihen (%4 nicht ausgewertet)")
                          .arg(ausgewertet)
                          .arg(alle)
                          .arg(core::Ganzzahltext(reihen))
                          .arg(alle - ausgewertet);
            summe->setText(summentext(worueber, anzahl, betrag));
            summe_ = summenfelder({QStringLiteral("Gesamt"), core::Ganzzahltext(reihen)}, anzahl, betrag)
                     << QString();
        });
}

void TFScheine::berichtFuellen(Bericht& bericht) const {
    bericht.absatz(reihe_->text());
    Auswertungsfenster::berichtFuellen(bericht);
}

QStringList TFScheine::summenzeile() const {
    return summe_;
}

} // namespace ui
