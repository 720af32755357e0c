#pragma once

#include "core/schein/Rechtsbuendig.h"

namespace testhilfe {

// Widths of a made-up font: every character 6 pixels, a blank 3 (or `blank`).
class FesteBreiten : public core::Textmass {
public:
    int breite(QStringView text) const override {
        int summe = 0;
        for (QChar c : text)
            summe += c == u' ' ? blank : (c == u'1' && schmaleEins ? 4 : 6);
        return summe;
    }
    bool ziffernGleichBreit() const override { return !schmaleEins; }
    bool schmaleEins = false;
    int blank = 3;
};

} // namespace testhilfe
