#pragma once

#include "Ausgabe.h"

#include <QByteArray>

namespace cli {

// Output collected in memory, for callers that want it whole.
class SpeicherAusgabe : public Ausgabe {
public:
    explicit SpeicherAusgabe(QByteArray& ziel, qsizetype block = Standardblock)
        : Ausgabe(block), ziel_(ziel) {}

protected:
    void abgeben(QByteArrayView block) override { ziel_.append(block); }

private:
    QByteArray& ziel_;
};

} // namespace cli
