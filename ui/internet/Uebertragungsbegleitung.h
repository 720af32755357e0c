#pragma once

#include "net/Begleitung.h"

namespace ui {

// The windows' side of a transfer the program waits for: input to the other windows is dropped
// meanwhile (unless the transfer lets it through), and one that takes longer than `verzoegerungMs`
// shows its progress window, whose "Abbrechen" stops it.
class Uebertragungsbegleitung : public net::Begleitung {
public:
    explicit Uebertragungsbegleitung(int verzoegerungMs = 1000) : verzoegerungMs_(verzoegerungMs) {}

    std::unique_ptr<Anzeige> beginnen(const QString& datei, std::function<void()> abbrechen,
                                      bool eingabenZulassen) override;

private:
    int verzoegerungMs_;
};

} // namespace ui
