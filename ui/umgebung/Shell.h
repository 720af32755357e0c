#pragma once

#include <QString>

namespace ui {

// Links, programs and the end of the process.
class Shell {
public:
    virtual ~Shell() = default;
    // A web address or a mailto: link; false when no program could be started for it.
    virtual bool oeffnen(const QString& adresse) = 0;
    virtual bool programmStarten(const QString& programm, bool versteckt) = 0;
    // Ends the process at once, nothing is stored.
    virtual void sofortBeenden() = 0;
};

} // namespace ui
