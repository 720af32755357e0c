#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace ui {

// What a file dialog shows. The filter is written as pairs "Name|*.ext|Name|*.a;*.b".
struct DialogAuftrag {
    QString titel;
    QString filter;
    QString standardEndung;
    QString startOrdner;
    QString vorschlag;                // proposed file name (save dialogs)
    bool ueberschreibenFragen = true; // save dialogs
};

struct GewaehlteDatei {
    QString pfad;
    int filterIndex = 1; // 1-based, the filter pair that was chosen
};

class DateiDialoge {
public:
    virtual ~DateiDialoge() = default;
    // Only an existing file can be chosen; nullopt when cancelled.
    virtual std::optional<QString> oeffnen(const DialogAuftrag& auftrag) = 0;
    // Several existing files at once; an empty list when cancelled.
    virtual QStringList mehrereOeffnen(const DialogAuftrag& auftrag) = 0;
    virtual std::optional<GewaehlteDatei> speichern(const DialogAuftrag& auftrag) = 0;
};

} // namespace ui
