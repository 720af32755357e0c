#include "Datumswert.h"

#include "Konstanten.h"

#include <QDate>

#include <cmath>
#include <optional>

namespace core {
namespace {

struct Zeitpunkt {
    QDate datum;
    int minute = 0; // of the day, 0..1439
};

std::optional<Zeitpunkt> zeitpunkt(double wert) {
    // 01.01.0001 is day −693593, 31.12.9999 day 2958465; the bound also keeps the casts defined.
    if (!(wert > -693594.0 && wert < 2958466.0))
        return std::nullopt;
    constexpr long long MsProTag = 86400000;
    const double tage = std::trunc(wert);
    long long tag = static_cast<long long>(tage);
    // Rounded to the millisecond, as the platform's clock values are; then cut, never rounded up.
    long long ms = std::llround(std::fabs(wert - tage) * double(MsProTag));
    if (ms >= MsProTag) {
        ++tag;
        ms -= MsProTag;
    }
    const int minute = int(ms / 60000);
    const QDate datum = QDate(1899, 12, 30).addDays(tag);
    if (datum.year() < 1 || datum.year() > 9999)
        return std::nullopt;
    return Zeitpunkt{datum, minute};
}

} // namespace

QString DatumText(double wert) {
    const auto z = zeitpunkt(wert);
    if (!z)
        return QString();
    return QString::asprintf("%02d.%02d.%04d", z->datum.day(), z->datum.month(), z->datum.year());
}

QString AnstossText(double anstoss) {
    const auto z = anstoss > 0 ? zeitpunkt(anstoss) : std::nullopt;
    if (!z)
        return QString();
    // Qt counts Monday as 1 and Sunday as 7; the table starts with Sunday.
    const int wochentag = z->datum.dayOfWeek() % 7 + 1;
    return WochentagKurz[wochentag] + QString::asprintf(".: %02d:%02d", z->minute / 60, z->minute % 60);
}

} // namespace core
