#pragma once

#include <QByteArray>

namespace cli {

struct Aufruf;

// "spieltag DATEI.sp45": the 45 pairings as their frames show them.
QByteArray SpieltagAusgeben(const Aufruf& aufruf);

} // namespace cli
