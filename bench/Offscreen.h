#pragma once

#include "ui/bausteine/Skin.h"

#include <QApplication>
#include <QTemporaryDir>

// The windows offscreen, on a data folder of their own, with the program's skin.
class Offscreen {
public:
    Offscreen(int& argc, char** argv) : gesetzt_(setzen(daten_)), app_(argc, argv) {
        ui::Skin::anwenden(app_);
    }
    const QTemporaryDir& daten() const { return daten_; }

private:
    // Before the application exists: it reads both at its start.
    static bool setzen(const QTemporaryDir& daten) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return qputenv("XDG_DATA_HOME", daten.path().toLocal8Bit());
    }

    QTemporaryDir daten_;
    bool gesetzt_;
    QApplication app_;
};
