#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>

#include <initializer_list>
#include <utility>

namespace cli {

// A JSON value as compact UTF-8 text, written by Qt: strings quoted and escaped.
QByteArray JsonWert(const QJsonValue& wert);
// One JSON object as compact UTF-8 text with a line end.
QByteArray JsonText(const QJsonObject& objekt);

// An object in the order the keys are given (Qt's objects sort them), of values already written.
QByteArray JsonObjekt(std::initializer_list<std::pair<const char*, QByteArray>> felder);
// An array of values already written.
QByteArray JsonListe(const QList<QByteArray>& werte);

} // namespace cli
