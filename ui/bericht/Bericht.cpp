#include "Bericht.h"

#include "core/grund/Konstanten.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace ui {

namespace {

// PDF at print resolution; fonts and lines in points, so the layout is the same at any resolution.
constexpr int PdfAufloesung = 300;

QFont schrift(double punkte, bool fett = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

} // namespace

// Lays the blocks out on pages of a device and, with a painter, paints them. Without one it only
// counts the pages; both passes take the same decisions.
class Setzer {
public:
    Setzer(const Bericht& bericht, QPagedPaintDevice& geraet, QPainter* maler, int seitenGesamt,
           const Bericht::Fortschritt& fortschritt)
        : b_(bericht), geraet_(geraet), maler_(maler), gesamt_(seitenGesamt), fortschritt_(fortschritt) {
        pt_ = geraet.logicalDpiY() / 72.0;
        breite_ = geraet.width();
        kopfSchrift_ = schrift(8);
        const QFontMetricsF kopf(kopfSchrift_, &geraet_);
        oben_ = kopf.lineSpacing() + 10 * pt_;
        unten_ = geraet.height() - kopf.lineSpacing() - 8 * pt_;
    }

    // False when stopped.
    bool setzen() {
        if (!neueSeite())
            return false;
        for (const Bericht::Block& block : b_.bloecke_) {
            bool weiter = true;
            switch (block.art) {
            case Bericht::Block::Art::Ueberschrift:
                weiter = text(block.text, schrift(13, true), 4, 100);
                break;
            case Bericht::Block::Art::Absatz:
                weiter = text(block.text, schrift(9.5), 6, 0);
                break;
            case Bericht::Block::Art::Tabelle:
                weiter = tabelle(*block.tabelle);
                break;
            case Bericht::Block::Art::Bild:
                weiter = bild(block);
                break;
            }
            if (!weiter)
                return false;
        }
        return seiteSchliessen();
    }
    int seiten() const { return seite_; }

private:
    bool neueSeite() {
        if (seite_ > 0) {
            if (!seiteSchliessen())
                return false;
            if (maler_)
                geraet_.newPage();
        }
        ++seite_;
        y_ = oben_;
        return true;
    }

    // Header and footer, then the page is done.
    bool seiteSchliessen() {
        if (!maler_)
            return true;
        maler_->save();
        maler_->setFont(kopfSchrift_);
        maler_->setPen(Qt::black);
        const QFontMetricsF m(kopfSchrift_, &geraet_);
        const QString links = core::ProgrammTitel() + QStringLiteral(" – ") + b_.titel_;
        const QString rechts =
            QStringLiteral("Gedruckt am ") + b_.gedruckt_.toString(QStringLiteral("dd.MM.yyyy"));
        maler_->drawText(QPointF(0, m.ascent()), links);
        maler_->drawText(QPointF(breite_ - m.horizontalAdvance(rechts), m.ascent()), rechts);
        maler_->setPen(QPen(Qt::gray, 0.5 * pt_));
        maler_->drawLine(QPointF(0, m.lineSpacing() + 3 * pt_), QPointF(breite_, m.lineSpacing() + 3 * pt_));
        const QString fuss = QStringLiteral("Seite %1 von %2").arg(seite_).arg(gesamt_);
        maler_->setPen(Qt::black);
        maler_->drawText(QPointF((breite_ - m.horizontalAdvance(fuss)) / 2, geraet_.height() - m.descent()),
                         fuss);
        maler_->restore();
        return !fortschritt_ || fortschritt_(seite_, gesamt_);
    }

    // A heading keeps some room below it (dazu points) for what it heads.
    bool text(const QString& text, const QFont& f, double abstand, double dazu) {
        const QFontMetricsF m(f, &geraet_);
        const QRectF rahmen = m.boundingRect(QRectF(0, 0, breite_, 1e9), Qt::TextWordWrap, text);
        if (y_ + rahmen.height() + dazu * pt_ > unten_ && y_ > oben_ && !neueSeite())
            return false;
        if (maler_) {
            maler_->setFont(f);
            maler_->setPen(Qt::black);
            maler_->drawText(QRectF(0, y_, breite_, rahmen.height()), Qt::TextWordWrap, text);
        }
        y_ += rahmen.height() + abstand * pt_;
        return true;
    }

    bool bild(const Bericht::Block& block) {
        const double hoehe = std::min(breite_ * block.hoeheZuBreite, unten_ - oben_);
        if (y_ + hoehe > unten_ && y_ > oben_ && !neueSeite())
            return false;
        if (maler_) {
            maler_->save();
            block.malen(*maler_, QRectF(0, y_, breite_, hoehe));
            maler_->restore();
        }
        y_ += hoehe + 8 * pt_;
        return true;
    }

    bool tabelle(const Berichtstabelle& t) {
        const QStringList kopf = t.kopf();
        const QStringList breiteste = t.breiteste();
        const double rand = 3 * pt_;
        QFont f = schrift(8);
        std::vector<double> spalten(std::size_t(kopf.size()));
        const auto messen = [&] {
            const QFontMetricsF m(f, &geraet_);
            QFont fett = f;
            fett.setBold(true);
            const QFontMetricsF mf(fett, &geraet_);
            double summe = 0;
            for (qsizetype c = 0; c < kopf.size(); ++c) {
                spalten[std::size_t(c)] =
                    std::max(mf.horizontalAdvance(kopf[c]), m.horizontalAdvance(breiteste.value(c))) +
                    2 * rand;
                summe += spalten[std::size_t(c)];
            }
            return summe;
        };
        double tabellenbreite = messen();
        // Too wide for the page: smaller type, not a cut.
        if (tabellenbreite > breite_) {
            f.setPointSizeF(std::max(4.0, f.pointSizeF() * breite_ / tabellenbreite));
            tabellenbreite = messen();
        }
        const double luecke = 10 * pt_;
        const int baender = std::max(1, int((breite_ + luecke) / (tabellenbreite + luecke)));
        const QFontMetricsF m(f, &geraet_);
        const double zeile = std::ceil(m.lineSpacing() * 1.3);
        QRawFont glyphen = QRawFont::fromFont(f);
        glyphen.setPixelSize(f.pointSizeF() * pt_);
        const int n = t.zeilen();
        int i = 0;
        std::vector<Berichtszelle> zellen;
        do {
            const int platz = int((unten_ - y_) / zeile) - 1; // below the header
            if (platz < 1) {
                if (!neueSeite())
                    return false;
                continue;
            }
            int erstesBand = 0;
            for (int band = 0; band < baender && (i < n || band == 0); ++band) {
                const int anzahl = std::min(platz, n - i);
                if (band == 0)
                    erstesBand = anzahl;
                if (maler_) {
                    const double x = band * (tabellenbreite + luecke);
                    kopfzeile(kopf, spalten, x, f, zeile, rand);
                    for (int k = 0; k < anzahl; ++k) {
                        t.zeile(i + k, zellen);
                        tabellenzeile(zellen, spalten, x, y_ + zeile * (k + 1), glyphen, zeile, rand);
                    }
                }
                i += anzahl;
            }
            y_ += zeile * (erstesBand + 1) + 8 * pt_;
            if (i < n && !neueSeite())
                return false;
        } while (i < n);
        return true;
    }

    void kopfzeile(const QStringList& kopf, const std::vector<double>& spalten, double x, QFont f,
                   double hoehe, double rand) {
        f.setBold(true);
        maler_->setFont(f);
        const QFontMetricsF m(f, &geraet_);
        const double summe = std::accumulate(spalten.begin(), spalten.end(), 0.0);
        maler_->fillRect(QRectF(x, y_, summe, hoehe), QColor(0xE4, 0xE8, 0xEE));
        maler_->setPen(Qt::black);
        const double grund = y_ + (hoehe + m.ascent() - m.descent()) / 2;
        for (qsizetype c = 0; c < kopf.size(); ++c) {
            maler_->drawText(QPointF(x + rand, grund), kopf[c]);
            x += spalten[std::size_t(c)];
        }
    }

    // The cells' texts are set as glyphs and drawn once per colour: a row of a long table costs a
    // call or two, not a text layout per cell.
    void tabellenzeile(const std::vector<Berichtszelle>& zellen, const std::vector<double>& spalten, double x,
                       double y, const QRawFont& schrift, double hoehe, double rand) {
        const double grund = y + (hoehe + schrift.ascent() - schrift.descent()) / 2;
        for (Glyphen& g : glyphen_) {
            g.indizes.clear();
            g.orte.clear();
        }
        for (std::size_t c = 0; c < spalten.size() && c < zellen.size(); ++c) {
            const Berichtszelle& z = zellen[c];
            if (z.fuellung.isValid())
                maler_->fillRect(QRectF(x, y, spalten[c], hoehe), z.fuellung);
            if (!z.text.isEmpty()) {
                const QList<quint32> indizes = schrift.glyphIndexesForString(z.text);
                const QList<QPointF> vor = schrift.advancesForGlyphIndexes(indizes);
                double breite = 0;
                for (const QPointF& v : vor)
                    breite += v.x();
                double links = x + rand;
                if (z.rechts || z.zentriert) {
                    const double frei = spalten[c] - 2 * rand - breite;
                    links += z.rechts ? frei : frei / 2;
                }
                Glyphen& g = glyphenIn(z.schrift);
                for (qsizetype i = 0; i < indizes.size(); ++i) {
                    g.indizes.append(indizes[i]);
                    g.orte.append(QPointF(links, grund));
                    links += vor[i].x();
                }
            }
            x += spalten[c];
        }
        for (const Glyphen& g : glyphen_) {
            if (g.indizes.isEmpty())
                continue;
            QGlyphRun lauf;
            lauf.setRawFont(schrift);
            lauf.setGlyphIndexes(g.indizes);
            lauf.setPositions(g.orte);
            maler_->setPen(g.farbe);
            maler_->drawGlyphRun(QPointF(), lauf);
        }
    }

    struct Glyphen {
        QColor farbe;
        QList<quint32> indizes;
        QList<QPointF> orte;
    };
    Glyphen& glyphenIn(const QColor& farbe) {
        for (Glyphen& g : glyphen_)
            if (g.farbe == farbe)
                return g;
        glyphen_.push_back({farbe, {}, {}});
        return glyphen_.back();
    }
    std::vector<Glyphen> glyphen_;

    const Bericht& b_;
    QPagedPaintDevice& geraet_;
    QPainter* maler_;
    int gesamt_;
    const Bericht::Fortschritt& fortschritt_;
    QFont kopfSchrift_;
    double pt_ = 1;
    double breite_ = 0;
    double oben_ = 0;
    double unten_ = 0;
    double y_ = 0;
    int seite_ = 0;
};

QPageLayout Bericht::seitenformat() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                       QPageLayout::Millimeter);
}

Bericht::Bericht(QString titel, QDate gedruckt) : titel_(std::move(titel)), gedruckt_(gedruckt) {}

void Bericht::ueberschrift(const QString& text) {
    bloecke_.push_back({Block::Art::Ueberschrift, text, {}, {}, 0});
}

void Bericht::absatz(const QString& text) {
    bloecke_.push_back({Block::Art::Absatz, text, {}, {}, 0});
}

void Bericht::tabelle(std::shared_ptr<const Berichtstabelle> tabelle) {
    bloecke_.push_back({Block::Art::Tabelle, {}, std::move(tabelle), {}, 0});
}

void Bericht::bild(std::function<void(QPainter&, const QRectF&)> malen, double hoeheZuBreite) {
    bloecke_.push_back({Block::Art::Bild, {}, {}, std::move(malen), hoeheZuBreite});
}

int Bericht::seiten(QPagedPaintDevice& geraet) const {
    Setzer zaehler(*this, geraet, nullptr, 0, {});
    zaehler.setzen();
    return zaehler.seiten();
}

int Bericht::seiten() const {
    QBuffer nirgends;
    QPdfWriter pdf(&nirgends);
    pdf.setResolution(PdfAufloesung);
    pdf.setPageLayout(seitenformat());
    return seiten(pdf);
}

bool Bericht::malen(QPagedPaintDevice& geraet, const Fortschritt& fortschritt) const {
    const int gesamt = seiten(geraet);
    QPainter maler(&geraet);
    maler.setRenderHint(QPainter::Antialiasing);
    Setzer setzer(*this, geraet, &maler, gesamt, fortschritt);
    return setzer.setzen();
}

QByteArray Bericht::pdf(const Fortschritt& fortschritt) const {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setResolution(PdfAufloesung);
        pdf.setPageLayout(seitenformat());
        pdf.setTitle(titel_);
        pdf.setCreator(core::ProgrammTitel());
        if (!malen(pdf, fortschritt))
            return {};
    }
    return puffer.data();
}

} // namespace ui
