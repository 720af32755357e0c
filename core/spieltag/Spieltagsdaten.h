#pragma once

#include <QDate>
#include <QStringList>

namespace core {

// The first matchday the publisher offers, a Saturday.
inline const QDate ErsterSpieltag{2021, 9, 18};

// Every Saturday from the first matchday up to the latest one on or before heute, then the coming
// one, as "dd.mm.yyyy". A day before the first matchday gives the first matchday alone.
QStringList SpieltagsDaten(QDate heute);

// "18.09.2021" -> "18092021.sp45"
QString SpieltagDateiname(const QString& datumText);

} // namespace core
