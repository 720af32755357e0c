#pragma once

#include <QString>

namespace core {

// Date-time values as the matchday file stores them: days since 30.12.1899 00:00, the fraction
// being the time of day. A negative value counts its days backwards but its time of day forwards
// (−1.25 is 29.12.1899 06:00). Values are rounded to the millisecond, then cut to the minute and
// the day (15:29:50 is 15:29); those outside 01.01.0001 .. 31.12.9999 (or not a number) are no
// date and give empty texts.

// "18.09.2021"
QString DatumText(double wert);

// Kick-off as "Sa.: 15:30"; empty when anstoss is not above 0.
QString AnstossText(double anstoss);

} // namespace core
