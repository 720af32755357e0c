#include "CsvText.h"

#include "Windows1252.h"

namespace core {
namespace {

QString feld(const QString& text) {
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString zitiert = text;
    zitiert.replace(u'"', QStringLiteral("\"\""));
    return u'"' + zitiert + u'"';
}

} // namespace

QByteArray CsvText(const QList<QStringList>& zeilen, CsvKodierung kodierung) {
    QString text;
    for (const QStringList& zeile : zeilen) {
        for (qsizetype i = 0; i < zeile.size(); ++i) {
            if (i > 0)
                text.append(u';');
            text.append(feld(zeile[i]));
        }
        text.append(QStringLiteral("\r\n"));
    }
    if (kodierung == CsvKodierung::Windows1252)
        return Windows1252::kodieren(text);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace core
