#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace net {

// What the window's thread shows while it waits for a transfer: the windows implement it with a
// progress window that can stop the transfer.
class Begleitung {
public:
    // Lives as long as its transfer; told the bytes so far and the size announced (0 while unknown).
    class Anzeige {
    public:
        virtual ~Anzeige() = default;
        virtual void stand(qint64 bisher, qint64 gesamt) = 0;
    };

    virtual ~Begleitung() = default;
    // A transfer of `datei` begins on the calling (window) thread; abbrechen stops it. Unless
    // eingabenZulassen, input to the program's other windows is dropped until it ends.
    virtual std::unique_ptr<Anzeige> beginnen(const QString& datei, std::function<void()> abbrechen,
                                              bool eingabenZulassen) = 0;
};

} // namespace net
