// The publisher's version-info records: refused exactly when the file is empty, not whole records or
// its last length byte is above 15; otherwise the text is the last record's first n bytes.
#include "Pruefen.h"

#include "core/grund/Fehler.h"
#include "core/text/VerInfos.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QByteArray bytes = fuzz::bytes(daten, laenge);
    constexpr int Satz = core::VerInfos::SatzGroesse;
    const bool ganz = !bytes.isEmpty() && bytes.size() % Satz == 0;
    const int n = ganz ? std::uint8_t(bytes[bytes.size() - Satz + 8]) : 0;
    QString version;
    try {
        version = core::VerInfos::letzteVersion(bytes);
    } catch (const core::Fehler&) {
        PRUEFEN(!ganz || n > core::VerInfos::HoechstLaenge);
        return 0;
    }
    PRUEFEN(ganz && n <= core::VerInfos::HoechstLaenge);
    PRUEFEN(version == core::Windows1252::dekodieren(bytes.mid(bytes.size() - Satz + 9, n)));
    return 0;
}
