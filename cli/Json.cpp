#include "Json.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace cli {

QByteArray JsonWert(const QJsonValue& wert) {
    // A document holds only arrays and objects: the value alone is the array [wert] without its brackets.
    const QByteArray array = QJsonDocument(QJsonArray{wert}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2);
}

QByteArray JsonText(const QJsonObject& objekt) {
    return QJsonDocument(objekt).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray JsonObjekt(std::initializer_list<std::pair<const char*, QByteArray>> felder) {
    QByteArray aus = "{";
    for (const auto& [name, wert] : felder)
        aus += (aus.size() > 1 ? ",\"" : "\"") + QByteArray(name) + "\":" + wert;
    return aus + '}';
}

QByteArray JsonListe(const QList<QByteArray>& werte) {
    QByteArray aus = "[";
    for (const QByteArray& wert : werte)
        aus += (aus.size() > 1 ? "," : "") + wert;
    return aus + ']';
}

} // namespace cli
