// Writes the sample matchday of Saturday 18.09.2021: 45 made-up pairings with kick-off, tendency
// and result. Its draws give the winning row 3 8 15 22 30 41 and ZS 12; pairing 45 has no result.
//   spieltagbeispiel ZIEL.sp45

#include "core/grund/Fehler.h"
#include "core/spieltag/Ergebniseingabe.h"
#include "core/spieltag/TSpieltag.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTime>

namespace {

struct Paarung {
    int tag; // days after Saturday: −1 Friday, 1 Sunday
    const char* zeit;
    const char* heim;
    const char* gast;
    const char* tendenz;
    const char* ergebnis; // as typed into the result box; empty: not played
};

constexpr double Samstag = 44457; // 18.09.2021, days since 30.12.1899

constexpr Paarung Paarungen[core::AnzahlPaarungen] = {
    {-1, "20:30", "SV Nordheim", "FC Talbach", "1", "2:0"},
    {0, "15:30", "TuS Eichenau", "SC Bergfeld", "1", "1:0"},
    {0, "15:30", "VfR Südstadt", "FV Lindenau", "0", "3:3"},
    {0, "15:30", "SpVgg Moorkamp", "TSV Rabenfels", "2", "0:2"},
    {0, "15:30", "FC Hafenstadt", "SV Weidengrund", "1", "2:1"},
    {0, "15:30", "Borussia Kalkreuth", "SC Mühlbach", "1", "4:1"},
    {0, "18:30", "FSV Ostermoor", "VfL Sandhagen", "2", "1:3"},
    {0, "15:30", "Eintracht Felsbrunn", "TuS Wiesental", "0", "2:2"},
    {1, "15:30", "SC Birkenhain", "FC Steinau", "2", "0:1"},
    {1, "17:30", "VfB Auenfeld", "SV Heidekrug", "1", "3:0"},
    {0, "13:00", "FC Tannwald", "Union Seestadt", "2", "2:4"},
    {0, "13:00", "SV Brückenau", "TSV Hohenmark", "0", "0:0"},
    {0, "13:00", "SG Kieselbach", "FC Ulmenhof", "2", "1:2"},
    {0, "13:00", "VfR Dornstein", "SC Wolfsgrund", "1", "3:1"},
    {0, "14:00", "TuS Rotenfels", "SV Buchenland", "0", "2:2"},
    {0, "14:00", "FC Nebelhorn", "VfL Grünau", "2", "0:3"},
    {0, "14:00", "Germania Lerchenfeld", "SpVgg Erlenbruch", "1", "2:0"},
    {0, "16:00", "SV Mooswiese", "FC Kranichsee", "1", "5:2"},
    {0, "16:00", "TSV Falkenrode", "SC Wassertor", "1", "1:0"},
    {0, "16:00", "FC Sonnenberg", "VfB Rosental", "2", "0:2"},
    {1, "13:30", "Fortuna Elsterau", "SV Hirschgarten", "1", "3:2"},
    {1, "13:30", "SC Kupferhütte", "TuS Schwanensee", "0", "1:1"},
    {1, "13:30", "FV Bärenklau", "FC Distelfeld", "1", "2:0"},
    {1, "13:30", "SV Lerchenberg", "Viktoria Habichtswald", "2", "0:4"},
    {0, "15:00", "Athletic Nordkap", "FC Westmark", "2", "1:3"},
    {0, "15:00", "United Kieferngrund", "SC Ostsee", "1", "2:1"},
    {0, "15:00", "FC Bergstadt", "Rovers Mühlental", "0", "0:0"},
    {0, "15:00", "Real Salzbrunn", "CD Weinberg", "1", "3:0"},
    {0, "15:00", "AC Sturmhöhe", "SC Lichtental", "1", "1:0"},
    {0, "15:00", "FK Eisenberg", "SK Blautal", "0", "1:1"},
    {0, "15:00", "Olympique Vogelsang", "FC Rheinblick", "1", "4:2"},
    {0, "15:00", "Sporting Marktheide", "CF Lindenhof", "2", "0:2"},
    {0, "16:00", "KV Dünenfeld", "FC Heckenrose", "1", "2:0"},
    {0, "16:00", "SV Wolkenstein", "Racing Ahornweg", "2", "1:2"},
    {0, "16:00", "FC Glockenturm", "SC Flussau", "1", "3:1"},
    {0, "16:00", "IF Schneeberg", "BK Haselnuss", "2", "0:1"},
    {0, "18:45", "SV Mondsee", "FC Brunnenhof", "1", "2:0"},
    {0, "18:45", "TSV Adlerhorst", "SC Sternwarte", "2", "0:3"},
    {1, "14:00", "FC Kornblume", "SV Uferweg", "1", "2:1"},
    {1, "14:00", "VfL Fichtenau", "FC Grauburg", "1", "4:0"},
    {1, "14:00", "SC Moorbrand", "TuS Quellental", "0", "1:1"},
    {1, "16:30", "FC Windmühle", "SV Tannenhöhe", "2", "0:2"},
    {1, "16:30", "SG Reiherbach", "FC Silberau", "1", "3:1"},
    {1, "16:30", "SV Kastanienhof", "VfB Krähenwinkel", "0", "0:0"},
    {1, "18:00", "FC Lehmgrube", "SC Schilfmoor", "1", ""},
};

core::TSpieltag spieltag() {
    core::TSpieltag s;
    s.Datum = Samstag;
    core::ProPaarung<QString> ergebnisse;
    for (int i = 1; i <= core::AnzahlPaarungen; ++i) {
        const Paarung& p = Paarungen[i - 1];
        const QTime zeit = QTime::fromString(QString::fromLatin1(p.zeit), QStringLiteral("hh:mm"));
        s.Anstoss[i] = Samstag + p.tag + zeit.msecsSinceStartOfDay() / 86400000.0;
        s.Paarung[i].Heim.setzen(QString::fromUtf8(p.heim));
        s.Paarung[i].Gast.setzen(QString::fromUtf8(p.gast));
        s.Tendenz[i].setzen(QString::fromUtf8(p.tendenz));
        ergebnisse[i] = QString::fromUtf8(p.ergebnis);
    }
    return core::Ergebniseingabe(ergebnisse).angewendet(s);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream fehler(stderr);
    if (app.arguments().size() != 2) {
        fehler << "Aufruf: spieltagbeispiel ZIEL.sp45\n";
        return 1;
    }
    try {
        spieltag().dateiSchreiben(app.arguments()[1]);
    } catch (const core::Fehler& f) {
        fehler << f.text() << '\n';
        return 2;
    }
    return 0;
}
