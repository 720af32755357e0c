#include "ZeilenGitter.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace ui {

SchriftTextmass::SchriftTextmass(const QFont& schrift) : metrik_(schrift) {
    const int null = metrik_.horizontalAdvance(QStringLiteral("0"));
    gleichBreit_ = metrik_.horizontalAdvance(QStringLiteral("00")) == 2 * null;
    for (char c = '1'; c <= '9' && gleichBreit_; ++c)
        gleichBreit_ = metrik_.horizontalAdvance(QChar(c)) == null;
    gleichBreit_ = gleichBreit_ && metrik_.horizontalAdvance(QStringLiteral("1234567890")) == 10 * null;
}

int SchriftTextmass::breite(QStringView text) const {
    return metrik_.horizontalAdvance(text.toString());
}

ZeilenGitter::ZeilenGitter(ZeilenModell* modell, QWidget* parent) : QTableView(parent), modell_(modell) {
    setModel(modell);
    // The style sheet sets section sizes when it polishes the headers; the grid's own sizes come after.
    ensurePolished();
    verticalHeader()->ensurePolished();
    horizontalHeader()->ensurePolished();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // the minimum first: a default below the font-based minimum would be raised to it
    verticalHeader()->setMinimumSectionSize(16);
    verticalHeader()->setDefaultSectionSize(16);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setFixedHeight(17);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    // Tab leaves the grid: nothing in it is edited, so the cells are no stops of their own.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void ZeilenGitter::keyPressEvent(QKeyEvent* ereignis) {
    const bool menue = ereignis->key() == Qt::Key_Menu ||
                       (ereignis->key() == Qt::Key_F10 && ereignis->modifiers() == Qt::ShiftModifier);
    if (!menue || contextMenuPolicy() == Qt::NoContextMenu) {
        QTableView::keyPressEvent(ereignis);
        return;
    }
    ereignis->accept();
    const QRect zelle = visualRect(currentIndex());
    const QPoint stelle = zelle.isValid() ? zelle.center() : QPoint(4, 4);
    QContextMenuEvent kontext(QContextMenuEvent::Keyboard, viewport()->mapTo(this, stelle),
                              viewport()->mapToGlobal(stelle), ereignis->modifiers());
    QCoreApplication::sendEvent(this, &kontext);
}

void ZeilenGitter::setSpaltenbreite(int spalte, int breite) {
    setColumnWidth(spalte, breite);
    setColumnHidden(spalte, breite == 0);
}

void ZeilenGitter::scrollbarKoppeln(QScrollBar* leiste) {
    QScrollBar* eigene = verticalScrollBar();
    connect(eigene, &QScrollBar::rangeChanged, leiste, [leiste, eigene](int von, int bis) {
        leiste->setRange(von, bis);
        leiste->setPageStep(eigene->pageStep());
    });
    connect(eigene, &QScrollBar::valueChanged, leiste, &QScrollBar::setValue);
    connect(leiste, &QScrollBar::valueChanged, eigene, &QScrollBar::setValue);
    leiste->setRange(eigene->minimum(), eigene->maximum());
    leiste->setPageStep(eigene->pageStep());
    leiste->setSingleStep(1);
}

} // namespace ui
