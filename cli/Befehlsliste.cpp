#include "Befehlsliste.h"

#include "AuswertenBefehl.h"
#include "GewinnreiheBefehl.h"
#include "HerunterladenBefehl.h"
#include "HilfeBefehl.h"
#include "ScheineBefehl.h"
#include "SpieltagBefehl.h"
#include "StatistikBefehl.h"
#include "SystemBauenBefehl.h"
#include "SystemBefehl.h"
#include "SystemPruefenBefehl.h"
#include "VersionBefehl.h"

namespace cli {

const QList<Befehl>& Befehle() {
    static const QList<Befehl> liste = {
        AuswertenBefehl(),   GewinnreiheBefehl(),   SpieltagBefehl(),      SystemBefehl(),
        SystemBauenBefehl(), SystemPruefenBefehl(), HerunterladenBefehl(), StatistikBefehl(),
        ScheineBefehl(),     HilfeBefehl(),         VersionBefehl(),
    };
    return liste;
}

} // namespace cli
