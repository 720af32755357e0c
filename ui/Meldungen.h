#pragma once

#include <QString>

namespace ui {

// The program's modal messages. Texts are used exactly as given; "\n" is a line break.
class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual void information(const QString& text) = 0;
    virtual void warnung(const QString& text) = 0;
    virtual void fehler(const QString& text) = 0;
    // Yes / No; true for Yes.
    virtual bool frage(const QString& text) = 0;
};

} // namespace ui
