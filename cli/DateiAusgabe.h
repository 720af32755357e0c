#pragma once

#include "Ausgabe.h"

#include <cstdio>

namespace cli {

// Output into an open C stream such as stdout. After the first failed write nothing more is
// written, and fehlerfrei() says so.
class DateiAusgabe : public Ausgabe {
public:
    explicit DateiAusgabe(std::FILE* ziel) : ziel_(ziel) {}
    // Passes the rest on and flushes the stream.
    bool fehlerfrei();

protected:
    void abgeben(QByteArrayView block) override;

private:
    std::FILE* ziel_;
    bool fehler_ = false;
};

} // namespace cli
