#include "Auswertungsbericht.h"

#include "core/grund/Konstanten.h"
#include "core/grund/Zahlformat.h"
#include "core/schein/G1Spalten.h"
#include "core/schein/Zeilentabelle.h"
#include "ui/gitter/G1Zellen.h"
#include "ui/umgebung/Umgebung.h"

#include <memory>
#include <vector>

namespace ui {
namespace {

using core::G1Spalten;

// Longer than this the report is confirmed before it is made.
constexpr int LangerBericht = 50;

// The ranks with their odds, counts and amounts, the total below.
class Rangtabelle : public Berichtstabelle {
public:
    explicit Rangtabelle(const Auswertungsstand& s) : s_(s) {}
    QStringList kopf() const override {
        return {QStringLiteral("GKl."), QStringLiteral("Quote"), QStringLiteral("Anzahl"),
                QStringLiteral("Gewinn")};
    }
    int zeilen() const override { return 7; }
    void zeile(int i, std::vector<Berichtszelle>& z) const override {
        z.assign(4, {});
        if (i == 6) {
            z[0].text = QStringLiteral("Gesamtgewinn");
            z[3] = {s_.gesamt, {}, Qt::black, true};
            return;
        }
        const std::size_t rang = std::size_t(i + 1);
        z[0] = {core::RangText[rang], QColor::fromRgb(core::RangFarbe[rang])};
        z[1] = {s_.quoten[rang], {}, Qt::black, true};
        z[2] = {s_.anzahl[rang], {}, Qt::black, false, true};
        z[3] = {s_.betrag[rang], {}, Qt::black, true};
    }
    QStringList breiteste() const override {
        QStringList b = Berichtstabelle::breiteste();
        b[0] = QStringLiteral("Gesamtgewinn");
        return b;
    }

private:
    Auswertungsstand s_;
};

// Rows of the grid, by their row numbers, coloured as the grid paints them.
class Reihentabelle : public Berichtstabelle {
public:
    Reihentabelle(const Auswertungsstand& s, std::vector<int> zeilen) : s_(s), zeilen_(std::move(zeilen)) {}
    QStringList kopf() const override {
        QStringList k{QStringLiteral("Reihe")};
        for (int c = G1Spalten::ErsteZahl; c <= G1Spalten::LetzteZahl; ++c)
            k.append(QString::number(c));
        k.append(QStringLiteral("GKl."));
        return k;
    }
    int zeilen() const override { return int(zeilen_.size()); }
    void zeile(int i, std::vector<Berichtszelle>& z) const override {
        const core::Zeilentabelle& t = *s_.reihen;
        const int r = zeilen_[std::size_t(i)];
        z.assign(8, {});
        z[0] = {t.text(r, G1Spalten::Reihe).trimmed(), {}, Qt::black, true};
        for (int c = G1Spalten::ErsteZahl; c <= G1Spalten::Rang; ++c) {
            Berichtszelle& zelle = z[std::size_t(c)];
            zelle.text = t.text(r, c);
            zelle.zentriert = true;
            if (zelle.text.isEmpty())
                continue;
            const G1Zellen::Farben f = G1Zellen::farben(s_.gewinnreihe, c, zelle.text);
            if (f.hintergrund != Qt::white)
                zelle.fuellung = f.hintergrund;
            if (f.grau)
                zelle.schrift = QColor(0xA0, 0xA0, 0xA0);
        }
    }
    QStringList breiteste() const override {
        return {core::Ganzzahltext(s_.reihen->zeilen()),
                QStringLiteral("00"),
                QStringLiteral("00"),
                QStringLiteral("00"),
                QStringLiteral("00"),
                QStringLiteral("00"),
                QStringLiteral("00"),
                QStringLiteral("5 + ZS")};
    }

private:
    Auswertungsstand s_;
    std::vector<int> zeilen_;
};

// The tip rows of the grid (column 1 not empty), and those with a rank.
std::vector<int> reihenWaehlen(const core::Zeilentabelle& t, bool alle) {
    std::vector<int> r;
    for (int z = 1; z < t.zeilen(); ++z)
        if (!t.istLeer(z, G1Spalten::ErsteZahl) && (alle || core::RangIndex(t.text(z, G1Spalten::Rang)) > 0))
            r.push_back(z);
    return r;
}

QString seiten(int n) {
    return n == 1 ? QStringLiteral("1 Seite") : core::Ganzzahltext(n) + QStringLiteral(" Seiten");
}

} // namespace

Bericht Auswertungsbericht(const Auswertungsstand& s, QDate heute, bool alleReihen) {
    Bericht b(QStringLiteral("Auswertung"), heute);
    const std::vector<int> tipps = reihenWaehlen(*s.reihen, true);
    std::vector<int> zeilen = alleReihen ? tipps : reihenWaehlen(*s.reihen, false);
    b.ueberschrift(QStringLiteral("Auswertung %1").arg(s.schein));
    b.absatz(QStringLiteral("Spielschein: %1 mit %2 Reihen\nSpieltag: %3\nGewinnreihe: %4   ZS: %5")
                 .arg(s.schein.isEmpty() ? QStringLiteral("(ohne Namen)") : s.schein,
                      core::Ganzzahltext(qint64(tipps.size())),
                      s.spieltag.isEmpty() ? QStringLiteral("keiner eingelesen") : s.spieltag,
                      core::GewinnzahlenText(s.gewinnreihe), s.zs));
    b.tabelle(std::make_shared<Rangtabelle>(s));
    b.ueberschrift(alleReihen ? QStringLiteral("Alle Reihen")
                              : QStringLiteral("Reihen mit Gewinnklasse: %1 von %2")
                                    .arg(core::Ganzzahltext(qint64(zeilen.size())),
                                         core::Ganzzahltext(qint64(tipps.size()))));
    if (zeilen.empty())
        b.absatz(QStringLiteral("Keine Reihe erreicht eine Gewinnklasse."));
    else
        b.tabelle(std::make_shared<Reihentabelle>(s, std::move(zeilen)));
    return b;
}

std::optional<Bericht> AuswertungsberichtWaehlen(Umgebung& umgebung, const Auswertungsstand& s) {
    const QDate heute = umgebung.uhr.heute();
    Bericht mitRang = Auswertungsbericht(s, heute, false);
    const int anzahl = mitRang.seiten();
    const std::size_t tipps = reihenWaehlen(*s.reihen, true).size();
    const std::size_t gewonnen = reihenWaehlen(*s.reihen, false).size();
    if (gewonnen < tipps) {
        Bericht alle = Auswertungsbericht(s, heute, true);
        if (umgebung.meldungen.frage(
                QStringLiteral("Soll der Bericht alle %1 Reihen zeigen (%2)?\n\n"
                               "Mit „Nein“ zeigt er nur die %3 Reihen mit Gewinnklasse (%4).")
                    .arg(core::Ganzzahltext(qint64(tipps)), seiten(alle.seiten()),
                         core::Ganzzahltext(qint64(gewonnen)), seiten(anzahl))))
            return alle;
        return mitRang;
    }
    if (anzahl > LangerBericht &&
        !umgebung.meldungen.frage(
            QStringLiteral("Der Bericht umfasst %1. Soll er erstellt werden?").arg(seiten(anzahl))))
        return std::nullopt;
    return mitRang;
}

} // namespace ui
