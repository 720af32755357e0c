#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;

namespace ui {

// One winning-row box: a caption strip with the box number (or "ZS") over an entry edit.
class TFfrAnzeigeGew : public QFrame {
    Q_OBJECT
public:
    static constexpr int Breite = 24;
    static constexpr int Hoehe = 35;

    TFfrAnzeigeGew(int nummer, QWidget* parent);

    QLabel* PNr;
    QLineEdit* ETZ;
};

} // namespace ui
