#pragma once

#include "core/grund/Konstanten.h"

#include <QString>

// The publisher's contact data, shown in the about window. Plain placeholders until real data exist.
namespace ui::herausgeber {

inline const QString Name = QStringLiteral("Vorname Nachname");
inline const QString Strasse = QStringLiteral("Musterstraße 1");
inline const QString PlzOrt = QStringLiteral("12345 Musterstadt");
inline const QString Telefon = QStringLiteral("01234 567890");
inline const QString Fax = QStringLiteral("01234 567891");
inline const QString Mail = QStringLiteral("info@remisator.example");

// A new message to the publisher with the program's name as subject; also the content of the QR code.
inline QString MailLink() {
    return QStringLiteral("mailto:") + Mail + QStringLiteral("?subject=") + core::ProgrammName;
}

} // namespace ui::herausgeber
