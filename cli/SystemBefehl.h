#pragma once

#include <QByteArray>
#include <QString>

namespace cli {

struct Aufruf;

// "system NAME [ZAHL ...]": the rows of a catalogue entry as a slip, as "System abwickeln" writes
// them; without numbers the placeholders 1..Anzahl stand for themselves.
QByteArray SystemAusgeben(const Aufruf& aufruf);

// The catalogue index 1..14 of a system's name, 0 for none; and the name of an index.
int SystemIndex(const QString& name);
QString SystemName(int index);

} // namespace cli
