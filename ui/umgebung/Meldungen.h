#pragma once

#include <QString>

namespace ui {

// The program's modal messages. Texts are used exactly as given; "\n" is a line break.
class Meldungen {
public:
    // Where a box stands: over the active window, or in the middle of the screen.
    enum class Ort { Fenster, Bildschirm };

    virtual ~Meldungen() = default;
    virtual void information(const QString& text) = 0;
    virtual void warnung(const QString& text) = 0;
    void fehler(const QString& text) { fehler(text, Ort::Fenster); }
    virtual void fehler(const QString& text, Ort ort) = 0;
    // Yes / No; true for Yes.
    virtual bool frage(const QString& text) = 0;
};

} // namespace ui
