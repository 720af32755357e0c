#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

namespace settings {
struct Ordner;
}

namespace ui {

struct Umgebung;
class TFAbbild;

// The snapshot windows of one run: their running number and the save folder they share.
class Abbilder {
public:
    // The footer mark: its box, drawn at (width - 53, height - footer distance).
    static constexpr int FussAbstandRechts = 53;
    static constexpr int FussBreite = 50;
    static constexpr int FussHoehe = 13;

    Abbilder(Umgebung& umgebung, const settings::Ordner& ordner) : umgebung_(umgebung), ordner_(ordner) {}

    // A slip's file label less its last four characters (the ".txt"); empty for a shorter text.
    static QString titel(const QString& dateiLabel);
    // The panel's own rendering less the rows left off at the bottom, with the footer mark; an
    // empty picture when no row is left.
    static QImage aufnehmen(QWidget* panel, int zeilenWeg, int fussAbstand);
    static QRect fussFeld(QSize bild, int fussAbstand);

    // Captures the panel and opens a new snapshot window FAbbild1, FAbbild2, ... with this title,
    // its client area the panel's width by its height less the rows left off, plus the tool bars.
    TFAbbild* BildschirmAbbild(QWidget* panel, const QString& titel, int zeilenWeg, int fussAbstand,
                               QWidget* eltern = nullptr);

    // One text for the run, filled and used by every snapshot window.
    QString& speicherOrdner() { return speicherOrdner_; }

private:
    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    QString speicherOrdner_;
    int anzahl_ = 0;
};

} // namespace ui
