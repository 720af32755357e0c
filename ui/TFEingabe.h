#pragma once

#include <QWidget>

namespace settings {
struct Ordner;
}

namespace ui {

struct Umgebung;
class ZeilenModell;

// The slip editor: turns pasted, typed or imported text into tip rows. Created once at start,
// hidden; closing only hides it, so its text and rows stay.
class TFEingabe : public QWidget {
    Q_OBJECT
public:
    TFEingabe(Umgebung& umgebung, const settings::Ordner& ordner, ZeilenModell& hauptG1,
              QWidget* parent = nullptr);

private:
    Umgebung& umgebung_;
    const settings::Ordner& ordner_;
    ZeilenModell& hauptG1_;
};

} // namespace ui
