#pragma once

#include "core/schein/Rechtsbuendig.h"
#include "ui/gitter/ZeilenModell.h"

#include <QFontMetrics>
#include <QTableView>

class QScrollBar;

namespace ui {

// Measures texts in a widget's font.
class SchriftTextmass : public core::Textmass {
public:
    explicit SchriftTextmass(const QFont& schrift);
    int breite(QStringView text) const override;
    bool ziffernGleichBreit() const override { return gleichBreit_; }

private:
    QFontMetrics metrik_;
    bool gleichBreit_;
};

// A grid with a fixed header row and a fixed first column, 16-pixel rows and no scroll bar
// of its own; a separate scroll bar can be coupled to it.
class ZeilenGitter : public QTableView {
    Q_OBJECT
public:
    ZeilenGitter(ZeilenModell* modell, QWidget* parent = nullptr);

    ZeilenModell* modell() const { return modell_; }
    void setSpaltenbreite(int spalte, int breite);
    int spaltenbreite(int spalte) const { return columnWidth(spalte); }
    // Keeps the scroll bar and the grid's rows in step, both ways.
    void scrollbarKoppeln(QScrollBar* leiste);
    SchriftTextmass textmass() const { return SchriftTextmass(font()); }

protected:
    // Shift+F10 and the menu key open the context menu, at the current cell or the top left.
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    ZeilenModell* modell_;
};

} // namespace ui
