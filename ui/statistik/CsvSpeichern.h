#pragma once

#include <QList>
#include <QStringList>

namespace ui {

struct Umgebung;

// The two filters of the export, in the order of the save dialog.
inline constexpr char CsvFilter[] = "CSV (Windows-1252)|*.csv|CSV UTF-8 (mit BOM)|*.csv";

// The rows into a CSV file the user picks, in the code of the filter chosen. Cancelled: nothing is
// written. A failed write throws the German error and leaves an older file whole.
void CsvSpeichern(Umgebung& umgebung, const QString& vorschlag, const QList<QStringList>& zeilen);

} // namespace ui
