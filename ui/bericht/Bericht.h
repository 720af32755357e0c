#pragma once

#include "ui/bericht/Berichtstabelle.h"

#include <QDate>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace ui {

// A printed report: headings, paragraphs, tables and pictures one below the other on A4 pages, each
// page with the program, the title and the date above and its number below. Laid out once for the
// printer and for PDF.
class Bericht {
public:
    // Asked after every page painted: the page, the number of pages; false stops the painting.
    using Fortschritt = std::function<bool(int seite, int seiten)>;

    Bericht(QString titel, QDate gedruckt);

    // A4 upright with its margins, on paper as in the PDF.
    static QPageLayout seitenformat();

    const QString& titel() const { return titel_; }
    void ueberschrift(const QString& text);
    // Lines end at '\n' and wrap at the page's width.
    void absatz(const QString& text);
    // A narrow table is set in several bands side by side; a wide one in a smaller font.
    void tabelle(std::shared_ptr<const Berichtstabelle> tabelle);
    // A picture as wide as the page and hoeheZuBreite times as high; malen paints it into the rectangle.
    void bild(std::function<void(QPainter&, const QRectF&)> malen, double hoeheZuBreite);

    // The number of pages on this device (by default an A4 page as the PDF has).
    int seiten(QPagedPaintDevice& geraet) const;
    int seiten() const;
    // Paints every page; false when fortschritt stopped it.
    bool malen(QPagedPaintDevice& geraet, const Fortschritt& fortschritt = {}) const;
    // The report as a PDF file's bytes on A4; empty when fortschritt stopped it.
    QByteArray pdf(const Fortschritt& fortschritt = {}) const;

private:
    friend class Setzer;
    struct Block {
        enum class Art { Ueberschrift, Absatz, Tabelle, Bild } art;
        QString text;
        std::shared_ptr<const Berichtstabelle> tabelle;
        std::function<void(QPainter&, const QRectF&)> malen;
        double hoeheZuBreite = 0;
    };

    QString titel_;
    QDate gedruckt_;
    std::vector<Block> bloecke_;
};

} // namespace ui
