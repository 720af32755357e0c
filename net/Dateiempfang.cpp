#include "Dateiempfang.h"

#include <QIODevice>

#include <cerrno>

namespace net {

Dateiempfang::Dateiempfang(QIODevice& datei, Netz::Fortschritt fortschritt, bool nebenher)
    : datei_(datei), fortschritt_(std::move(fortschritt)), nebenher_(nebenher) {}

bool Dateiempfang::schreiben(const char* daten, qint64 anzahl) {
    // A partial write is retried, so that the second attempt tells the reason (disk full ...).
    for (qint64 geschrieben = 0; geschrieben < anzahl;) {
        errno = 0;
        const qint64 n = datei_.write(daten + geschrieben, anzahl - geschrieben);
        if (n <= 0) {
            fehlernummer_ = errno ? errno : EIO;
            return false;
        }
        geschrieben += n;
    }
    return true;
}

bool Dateiempfang::fortschritt(qint64 bisher, qint64 gesamt) {
    {
        const std::lock_guard<std::mutex> g(sperre_);
        neu_ = {bisher, gesamt};
    }
    if (!nebenher_)
        melden();
    else if (!wartet_.exchange(true))
        QMetaObject::invokeMethod(
            &bote_, [this] { melden(); }, Qt::QueuedConnection);
    return true;
}

void Dateiempfang::melden() {
    wartet_ = false;
    Stand stand;
    {
        const std::lock_guard<std::mutex> g(sperre_);
        stand = neu_;
    }
    if (stand == gemeldet_)
        return;
    gemeldet_ = stand;
    if (fortschritt_)
        fortschritt_(stand.bisher, stand.gesamt);
}

} // namespace net
