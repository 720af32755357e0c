#pragma once

#include <QByteArrayView>
#include <QString>

namespace core {

// The publisher's version-info file: records of 24 bytes without a header, the last one counts.
// A record: bytes 0..7 unused, byte 8 the length n (0..15) of the version text, bytes 9..23 the
// text in Windows-1252, of which the first n count.
class VerInfos {
public:
    static constexpr int SatzGroesse = 24;
    static constexpr int HoechstLaenge = 15;

    // The version text of the last record. Any bytes may come in: a file that is empty, whose
    // length is not a multiple of 24 or whose last length byte is above 15 throws Fehler.
    static QString letzteVersion(QByteArrayView datei);
    // Any offered version other than this program's counts as an update, older or newer:
    // the texts are compared exactly, character by character.
    static bool istUpdate(const QString& angeboten);
};

} // namespace core
