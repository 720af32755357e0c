// The cross pattern: the first 59 bytes, any byte but 0 ticked; packed, the pattern reads the same.
#include "Pruefen.h"

#include "core/grund/Fehler.h"
#include "core/systeme/Kreuzmuster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QByteArray bytes = fuzz::bytes(daten, laenge);
    core::Kreuzmuster muster;
    try {
        muster = core::KreuzmusterLesen(bytes, QStringLiteral("struktur.qui"));
    } catch (const core::Fehler&) {
        PRUEFEN(bytes.size() < core::Kreuzmuster::Groesse);
        return 0;
    }
    const QByteArray gepackt = core::KreuzmusterPacken(muster);
    PRUEFEN(gepackt.size() == core::Kreuzmuster::Groesse);
    for (int i = 0; i < core::Kreuzmuster::Groesse; ++i)
        PRUEFEN(gepackt[i] == (bytes[i] != 0 ? 1 : 0));
    PRUEFEN(core::KreuzmusterLesen(gepackt, QStringLiteral("struktur.qui")) == muster);
    return 0;
}
