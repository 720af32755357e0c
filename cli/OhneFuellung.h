#pragma once

#include "core/schein/Rechtsbuendig.h"

namespace cli {

// The command line has no font: texts have no width, so labels get no padding blanks.
class OhneFuellung : public core::Textmass {
public:
    int breite(QStringView) const override { return 0; }
    bool ziffernGleichBreit() const override { return true; }
};

} // namespace cli
