#pragma once

#include <QString>

namespace net {

// Size and removal of a directory entry, as the downloads' callers use them.
class Dateiarbeit {
public:
    // -1 when there is no entry Pfad; a link counts as itself, not as what it points to.
    static qint64 groesse(const QString& pfad);
    // A file, a link or a folder with everything in it; true when it is gone.
    static bool loeschen(const QString& pfad);
};

} // namespace net
