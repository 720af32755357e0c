#pragma once

#include "net/Netz.h"
#include "net/Uebertragung.h"

#include <QObject>

#include <atomic>
#include <mutex>

class QIODevice;

namespace net {

// Streams a transfer into an open file, on the transfer's thread, and hands its progress to the
// thread that made it: one report at a time, a newer count replacing one not yet taken, so that a
// fast line never floods the window with reports. Made with nebenher false, it reports at once.
class Dateiempfang : public Empfaenger {
public:
    Dateiempfang(QIODevice& datei, Netz::Fortschritt fortschritt, bool nebenher);

    bool schreiben(const char* daten, qint64 anzahl) override;
    bool fortschritt(qint64 bisher, qint64 gesamt) override;
    // The system's error number of the first write that failed, 0 while none did.
    int fehlernummer() const { return fehlernummer_; }

private:
    struct Stand {
        qint64 bisher = -1;
        qint64 gesamt = -1;
        bool operator==(const Stand&) const = default;
    };
    void melden(); // on the thread that made this

    QIODevice& datei_;
    Netz::Fortschritt fortschritt_;
    bool nebenher_;
    QObject bote_; // carries the reports; those not yet taken go with it
    std::mutex sperre_;
    Stand neu_;
    Stand gemeldet_;
    std::atomic<bool> wartet_{false};
    int fehlernummer_ = 0;
};

} // namespace net
