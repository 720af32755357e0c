#pragma once

#include <QKeySequence>
#include <QString>

#include <vector>

class QWidget;

namespace ui {

// The program's shortcuts, kept in one list: the main window binds them and the help window lists
// them, so that both say the same.
struct Tastenkuerzel {
    QKeySequence taste;
    QString befehl; // the command as its button or menu entry says it
    QString wo;     // where the command lives
    // The object name of the button or menu entry it presses; empty for keys the control itself
    // handles.
    const char* ziel = nullptr;

    static const std::vector<Tastenkuerzel>& alle();
    // The key as a German keyboard labels it: "Strg+O", "Umschalt+F10".
    static QString text(const QKeySequence& taste);
    // Binds every shortcut whose button or menu entry is found below bereich, and shows the key in
    // the button's tooltip. A menu entry takes the key within its window.
    static void anbringen(QWidget* bereich);
};

} // namespace ui
