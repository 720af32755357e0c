#include "StoppbareDatei.h"

#include <cerrno>

namespace core {

qint64 StoppbareDatei::readData(char* daten, qint64 anzahl) {
    if (stopp_ && stopp_()) {
        errno = ECANCELED;
        return -1;
    }
    return QFile::readData(daten, anzahl);
}

} // namespace core
