#pragma once

#include <QString>

class QWidget;

namespace ui {

// The open window whose component name is exactly this one, or nullptr. Open means shown, also
// minimized: a closed window that is only waiting to be freed does not count, and a window that is
// hidden to be shown again is found by its owner, not here.
QWidget* FormularOffen(const QString& name);

} // namespace ui
