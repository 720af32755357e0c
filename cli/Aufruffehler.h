#pragma once

#include "core/grund/Fehler.h"

namespace cli {

// A command line that does not fit the usage; the text says what is wrong with it. Caught
// before core::Fehler, which stands for bad data.
class Aufruffehler : public core::Fehler {
public:
    using core::Fehler::Fehler;
};

} // namespace cli
