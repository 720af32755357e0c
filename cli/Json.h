#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>

namespace cli {

// A JSON value as compact UTF-8 text, written by Qt: strings quoted and escaped.
QByteArray JsonWert(const QJsonValue& wert);
// One JSON object as compact UTF-8 text with a line end.
QByteArray JsonText(const QJsonObject& objekt);

} // namespace cli
