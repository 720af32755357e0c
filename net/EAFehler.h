#pragma once

#include "core/grund/Fehler.h"

namespace net {

// A file of a download that cannot be written: shown as "E/A-Fehler <number>", then the file and
// the system's reason.
class EAFehler : public core::Fehler {
public:
    EAFehler(const QString& pfad, int nummer);
    int nummer() const { return nummer_; }
    const QString& pfad() const { return pfad_; }
    // The file and the system's reason alone.
    QString ausfuehrlich() const;

private:
    QString pfad_;
    int nummer_;
};

} // namespace net
