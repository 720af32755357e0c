// The settings file: the program's keys read from any bytes; a key written reads back, and every
// other key keeps its value.
#include "Pruefen.h"

#include "settings/IniDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct Schluessel {
    const char* abschnitt;
    const char* name;
};
constexpr Schluessel Alle[] = {
    {"Position", "FGewonnen-left"},   {"Position", "FGewonnen-top"},       {"Position", "FEingabe-left"},
    {"Auswertung", "sofort"},         {"Auswertung", "sofortQ"},           {"Wach", "Stand"},
    {"ZumStartEinlesen", "Spieltag"}, {"ZumStartEinlesen", "Spielschein"}, {"Abbild", "Pfad"},
};

QStringList werte(const settings::IniDatei& d) {
    QStringList w;
    for (const auto& s : Alle) {
        const QString a = QString::fromLatin1(s.abschnitt), k = QString::fromLatin1(s.name);
        w.append(d.leseText(a, k, QStringLiteral("<fehlt>")));
        if (a == u"Auswertung")
            PRUEFEN(d.leseBool(a, k, true) == (d.leseInt(a, k, 77) != 0));
    }
    return w;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    // In memory where there is such a folder: every write ends with the file synced to its disk.
    static QTemporaryDir ordner(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/remisator-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/remisator-fuzz-XXXXXX"));
    const QString pfad = ordner.filePath(QStringLiteral("optionen.ini"));
    {
        QFile f(pfad);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(reinterpret_cast<const char*>(daten), qint64(laenge));
    }
    const settings::IniDatei d(pfad);
    const QStringList vorher = werte(d);
    for (const QString& w : vorher)
        PRUEFEN(w.size() <= 2047);
    // Text that UTF-8 cannot hold (a lone surrogate from a UTF-16 file) does not come back.
    const QString text = settings::IniDatei::dekodieren(fuzz::bytes(daten, laenge));
    if (QString::fromUtf8(text.toUtf8()) != text)
        return 0;

    d.schreibeText(QStringLiteral("Wach"), QStringLiteral("Stand"),
                   QStringLiteral("1.234,56 \u0141\u00F3d\u017A"));
    QStringList nachher = werte(d);
    PRUEFEN(nachher[5] == QStringLiteral("1.234,56 \u0141\u00F3d\u017A"));
    nachher[5] = vorher[5];
    PRUEFEN(nachher == vorher);
    return 0;
}
