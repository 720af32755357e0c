#pragma once

#include <QString>

namespace ui {

class Bericht;
struct Umgebung;

// Reports onto paper through the print preview and into PDF files; the pages are painted with a
// progress dialog that keeps the windows painted and can stop a long run.
class Berichtsausgabe {
public:
    explicit Berichtsausgabe(Umgebung& umgebung) : umgebung_(umgebung) {}

    void drucken(const Bericht& bericht);
    // The file the user picks in the save dialog (proposed: vorschlag.pdf in startOrdner) is
    // replaced only by a whole report; a failed write throws the German error and keeps an older file.
    void alsPdfSpeichern(const Bericht& bericht, const QString& startOrdner, const QString& vorschlag);

private:
    Umgebung& umgebung_;
};

} // namespace ui
