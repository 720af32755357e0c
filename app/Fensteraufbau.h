#pragma once

#include "settings/Ordner.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"

#include <memory>

namespace app {

// Builds the main window and its slip editor under the one guard. An error raised while building
// is shown, and then nothing stays built: the result is empty.
template <typename Haupt, typename Editor>
std::unique_ptr<Haupt> FensterAufbauen(ui::Umgebung& umgebung, const settings::Ordner& ordner) {
    std::unique_ptr<Haupt> haupt;
    ui::Schuetzen(umgebung.meldungen, [&] {
        auto fenster = std::make_unique<Haupt>(umgebung, ordner);
        fenster->setEditor(new Editor(umgebung, ordner, fenster.get()));
        haupt = std::move(fenster);
    });
    return haupt;
}

} // namespace app
