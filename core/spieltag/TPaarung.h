#pragma once

#include "core/grund/KurzString.h"

namespace core {

// The two teams of one match, 62 bytes in the matchday file: Heim, then Gast.
struct TPaarung {
    static constexpr int Groesse = 62;

    KurzString<30> Heim;
    KurzString<30> Gast;

    static TPaarung ausBytes(const char* quelle) {
        return {KurzString<30>::ausBytes(quelle), KurzString<30>::ausBytes(quelle + KurzString<30>::Groesse)};
    }
    void inBytes(char* ziel) const {
        Heim.inBytes(ziel);
        Gast.inBytes(ziel + KurzString<30>::Groesse);
    }
    bool operator==(const TPaarung&) const = default;
};

} // namespace core
