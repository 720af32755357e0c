#pragma once

#include "core/werkstatt/EigenesSystem.h"

#include <QString>

#include <optional>
#include <vector>

namespace ui {

// The folder "Systeme" of the data folder, where own systems are kept one file each.
class Systemordner {
public:
    static constexpr char Endung[] = "txt";

    // A file of the folder: the system, or why it cannot be read. Listing never writes.
    struct Eintrag {
        QString pfad;
        QString datei; // name without folder
        std::optional<core::EigenesSystem> system;
        QString grund;
    };

    explicit Systemordner(QString pfad) : pfad_(std::move(pfad)) {}
    const QString& pfad() const { return pfad_; }

    // The files *.txt by name.
    std::vector<Eintrag> auflisten() const;
    // Makes the folder when missing; false when it cannot be made.
    bool anlegen() const;

private:
    QString pfad_;
};

} // namespace ui
