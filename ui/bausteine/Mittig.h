#pragma once

#include <QPoint>

class QWidget;

namespace ui {

// Where fenster goes so that it stands in the middle of hauptfenster. Before it is shown its frame
// is not known; it is taken as wide as the main window's.
QPoint Mittig(const QWidget* fenster, const QWidget* hauptfenster);

} // namespace ui
