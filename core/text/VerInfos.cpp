#include "VerInfos.h"

#include "Windows1252.h"
#include "core/grund/Fehler.h"
#include "core/grund/Konstanten.h"

namespace core {
namespace {

const QString Beschaedigt = QStringLiteral("Die Versionsinformation des Herausgebers ist beschädigt: ");
const QString Abbruch = QStringLiteral("\n\nIch breche erst einmal ab.");

} // namespace

QString VerInfos::letzteVersion(QByteArrayView datei) {
    if (datei.isEmpty())
        throw Fehler(Beschaedigt + QStringLiteral("Sie enthält keinen Eintrag.") + Abbruch);
    if (datei.size() % SatzGroesse != 0)
        throw Fehler(Beschaedigt +
                     QStringLiteral("Ihre Länge von %1 Bytes ist kein Vielfaches von %2 Bytes.")
                         .arg(datei.size())
                         .arg(SatzGroesse) +
                     Abbruch);
    const QByteArrayView satz = datei.last(SatzGroesse);
    const int laenge = static_cast<unsigned char>(satz[8]);
    if (laenge > HoechstLaenge)
        throw Fehler(
            Beschaedigt +
            QStringLiteral("Die Versionsangabe soll %1 Zeichen lang sein, höchstens %2 sind möglich.")
                .arg(laenge)
                .arg(HoechstLaenge) +
            Abbruch);
    return Windows1252::dekodieren(satz.sliced(9, laenge));
}

bool VerInfos::istUpdate(const QString& angeboten) {
    return angeboten != ProgrammVersion;
}

} // namespace core
