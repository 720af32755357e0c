// remisator-lesen ART DATEI: reads one file as the program does and prints what it holds, so that
// the memory a reader needs can be measured from outside (for example with /usr/bin/time -v).
//   ART: spielschein | quoten | spieltag
#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/schein/Rechtsbuendig.h"
#include "core/schein/Spielschein.h"
#include "core/spieltag/Quoten.h"
#include "core/spieltag/TSpieltag.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

class OhneFuellung : public core::Textmass {
public:
    int breite(QStringView) const override { return 0; }
    bool ziffernGleichBreit() const override { return true; }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 3) {
        std::fprintf(stderr, "Aufruf: remisator-lesen spielschein|quoten|spieltag DATEI\n");
        return 2;
    }
    try {
        if (a[1] == u"spielschein") {
            const auto schein = core::SpielscheinEinlesen(a[2], core::Zeilentabelle(9), OhneFuellung());
            std::printf("%d Zeilen\n", schein ? schein->zeilen : -1);
        } else if (a[1] == u"quoten") {
            const auto quoten = core::QuotenLaden(a[2]);
            std::printf("%lld Zeilen\n", quoten ? (long long)quoten->zeilen.size() : -1LL);
        } else {
            std::printf("%s\n", qPrintable(core::DatumText(core::TSpieltag::dateiLesen(a[2]).Datum)));
        }
    } catch (const core::Fehler& f) {
        std::fprintf(stderr, "%s\n", qPrintable(f.text()));
        return 1;
    }
    return 0;
}
