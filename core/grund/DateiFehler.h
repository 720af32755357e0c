#pragma once

#include <QString>

namespace core {

// German reason for a system error number (errno).
QString SystemGrund(int fehlernummer);

// The errors of file access, each naming the file and the system's reason.
QString LesefehlerText(const QString& pfad, int fehlernummer);
QString SchreibfehlerText(const QString& pfad, int fehlernummer);
// A device or a pipe in place of a file: it may never end.
QString KeineDateiText(const QString& pfad);

} // namespace core
