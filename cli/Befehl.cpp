#include "Befehl.h"

namespace cli {

const Option& JsonOption() {
    static const Option json{
        {QStringLiteral("json")}, {}, QStringLiteral("Ausgabe als JSON (UTF-8) für Skripte")};
    return json;
}

QList<Option> Optionen(const QList<Befehl>& befehle, bool schalter) {
    QList<Option> optionen;
    QStringList namen;
    for (const Befehl& b : befehle)
        if (b.schalter() == schalter)
            for (const Option& o : b.optionen)
                if (!namen.contains(o.namen.last())) {
                    namen.append(o.namen.last());
                    optionen.append(o);
                }
    return optionen;
}

} // namespace cli
