#pragma once

#include <QString>

namespace net {

// The scratch folder of the downloads holds fixed names ("tmp.tmp", "wach45.txt"); in a folder
// that others can write, another local user could plant a link under them.
class PrivaterOrdner {
public:
    // Creates the folder with mode 0700, or checks that the existing one is a real folder of this
    // user and makes it 0700. Throws core::Fehler when it belongs to someone else or is no folder,
    // EAFehler when it cannot be created.
    static void sichern(const QString& ordner);
};

} // namespace net
