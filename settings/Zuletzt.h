#pragma once

#include "settings/IniDatei.h"

#include <QString>
#include <QStringList>

#include <utility>

namespace settings {

// The files of one kind opened last, newest first, at most ten, kept in the settings file
// (section "Zuletzt", keys "<Art>1" to "<Art>10").
class Zuletzt {
public:
    static constexpr int Hoechstens = 10;
    // The kinds the program remembers.
    static constexpr char Spielscheine[] = "Spielschein";
    static constexpr char Spieltage[] = "Spieltag";
    static constexpr char Ordner[] = "Ordner";

    Zuletzt(IniDatei datei, const char* art) : datei_(std::move(datei)), art_(QString::fromLatin1(art)) {}

    QStringList liste() const;
    // To the front of the list; a path already there moves up. Throws when the file cannot be written.
    void merken(const QString& pfad) const;
    void entfernen(const QString& pfad) const;

private:
    void schreiben(const QStringList& liste) const;

    IniDatei datei_;
    QString art_;
};

} // namespace settings
