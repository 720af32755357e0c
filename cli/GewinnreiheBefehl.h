#pragma once

#include "Befehl.h"

#include "core/grund/TGewinnreihe.h"
#include "core/spieltag/BoxVerlassen.h"

#include <QJsonObject>
#include <QString>

namespace cli {

// "gewinnreihe DATEI.sp45": the winning row the results of the matchday give.
Befehl GewinnreiheBefehl();

// The boxes as the window shows them: "3 8 15 22 30 41  ZS 12", "leer" when all are empty.
QString GewinnreiheText(const core::Boxtexte& boxen);
// {"zahlen": Zahlen in box order without zeros, "zs": ZS or null when 0}
QJsonObject GewinnreiheJson(const core::TGewinnreihe& reihe);

} // namespace cli
