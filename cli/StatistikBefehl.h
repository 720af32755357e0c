#pragma once

#include <QByteArray>

namespace cli {

struct Aufruf;

// "statistik SCHEIN --ordner ORDNER": the slip against every matchday of the folder, and how often
// each number was drawn.
QByteArray StatistikAusgeben(const Aufruf& aufruf);

} // namespace cli
