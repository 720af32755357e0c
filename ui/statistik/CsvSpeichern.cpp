#include "CsvSpeichern.h"

#include "core/text/CsvText.h"
#include "core/text/TextDatei.h"
#include "ui/umgebung/Umgebung.h"

namespace ui {

void CsvSpeichern(Umgebung& umgebung, const QString& vorschlag, const QList<QStringList>& zeilen) {
    const std::optional<GewaehlteDatei> datei = umgebung.dialoge.speichern(
        {QStringLiteral("Als CSV-Datei speichern"), QString::fromUtf8(CsvFilter), QStringLiteral("csv"),
         QString(), vorschlag + QStringLiteral(".csv"), true});
    if (!datei)
        return;
    const core::CsvKodierung kodierung =
        datei->filterIndex == 2 ? core::CsvKodierung::Utf8MitBom : core::CsvKodierung::Windows1252;
    core::TextDatei::bytesSchreiben(datei->pfad, core::CsvText(zeilen, kodierung));
}

} // namespace ui
