#pragma once

#include "core/grund/Fehler.h"

#include <QString>

namespace cli {

// A file named on the command line, opened by the name exactly as the system gave it (see
// core/grund/Systemname.h). It must be a plain file: a device or a pipe could be read without
// end. Throws core::Fehler naming the file and the system's reason otherwise (a missing file, a
// loop of symbolic links, no permission).
class Eingabedatei {
public:
    explicit Eingabedatei(const QString& name);
    ~Eingabedatei();
    Eingabedatei(const Eingabedatei&) = delete;
    Eingabedatei& operator=(const Eingabedatei&) = delete;

    // True when the name leads to something, whatever it is.
    static bool vorhanden(const QString& name);

    // The name for messages, and its last part.
    const QString& anzeige() const { return anzeige_; }
    QString dateiname() const;

    // Runs a reader that takes a path: the name itself, or, for a name that is not valid UTF-8,
    // the open file under /proc/self/fd. Its messages name the file as given.
    template <typename Leser> auto lesen(Leser leser) const {
        try {
            return leser(pfad_);
        } catch (const core::Fehler& f) {
            if (pfad_ == anzeige_)
                throw;
            throw core::Fehler(QString(f.text()).replace(pfad_, anzeige_));
        }
    }

private:
    QString anzeige_;
    QString pfad_;
    int fd_ = -1;
};

} // namespace cli
