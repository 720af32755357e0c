#pragma once

#include "ui/bausteine/Anzeigetext.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace ui {

// Small factories for the controls every window places by pixel position.
class Bausteine {
public:
    // A command button: caption beside its icon (icon only when the caption is empty, and then named
    // by its hint for screen readers).
    static QToolButton* knopf(QWidget* eltern, const char* name, const QString& text, const QString& ikone,
                              const QRect& ort, const QString& hinweis = QString());
    static QLabel* text(QWidget* eltern, const QString& text, const QRect& ort, const char* name = nullptr);
    // A label showing a value, named for screen readers by its caption and the value.
    static Anzeigetext* wert(QWidget* eltern, const char* name, const QRect& ort,
                             const QString& beschriftung);
    // The same framed and sunken, the text centred.
    static Anzeigetext* anzeige(QWidget* eltern, const char* name, const QRect& ort,
                                const QString& beschriftung);
    // A panel: "leiste" (tool bar look), "flaeche" (plain panel) or "rahmenlos".
    static QFrame* panel(QWidget* eltern, const char* name, const QRect& ort, const char* rolle);
    static QCheckBox* haken(QWidget* eltern, const char* name, const QString& text, const QRect& ort);
    static QFont schrift(const QString& familie, int pixel, bool fett = false);
};

} // namespace ui
