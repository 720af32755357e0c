#pragma once

#include <QPoint>

class QWidget;

namespace ui {

// Where fenster goes so that it stands in the middle of hauptfenster, inside the screen. Before it
// is shown its frame is not known; it is taken as wide as the main window's.
QPoint Mittig(const QWidget* fenster, const QWidget* hauptfenster);

// The place of the window's frame moved as little as needed to stand inside the available area of
// the screen at that place (the primary screen when no screen is there); a window larger than the
// area keeps its top left corner in it. Before the window is shown its frame is taken as thick as
// the frame of another window that is shown.
QPoint ImBild(const QWidget* fenster, QPoint ort);

} // namespace ui
