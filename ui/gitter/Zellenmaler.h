#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace ui {

enum class Ausrichtung { Links, Rechts, Mitte };

// Draws one cell's text on a filled background: 2 pixels below the top; left + 2, centred,
// or right - width - 3.
void ZelleZeichnen(QPainter* maler, const QRect& zelle, Ausrichtung ausrichtung, const QString& text);

// Paints the cells of a row grid. Column 0 is the fixed column, drawn like the header;
// every other cell is left to zeichnen().
class Zellenmaler : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static QColor Kopfhintergrund();

    // The cells belong to an evaluation that is out of date: the painters show them grey.
    void setVeraltet(bool ja) { veraltet_ = ja; }
    bool veraltet() const { return veraltet_; }

protected:
    virtual void zeichnen(QPainter* maler, const QRect& zelle, const QModelIndex& index,
                          const QString& text) const = 0;

private:
    bool veraltet_ = false;
};

// White cells with centred text in a regular font (the slip editor's grid).
class WeisseZellen : public Zellenmaler {
    Q_OBJECT
public:
    using Zellenmaler::Zellenmaler;

protected:
    void zeichnen(QPainter* maler, const QRect& zelle, const QModelIndex& index,
                  const QString& text) const override;
};

} // namespace ui
