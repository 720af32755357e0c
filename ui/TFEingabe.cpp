#include "TFEingabe.h"

#include "core/Konstanten.h"
#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "ui/Namen.h"
#include "ui/Umgebung.h"

namespace ui {

TFEingabe::TFEingabe(Umgebung& umgebung, const settings::Ordner& ordner, ZeilenModell& hauptG1,
                     QWidget* parent)
    : QWidget(parent, Qt::Window), umgebung_(umgebung), ordner_(ordner), hauptG1_(hauptG1) {
    setObjectName(QString::fromLatin1(namen::TFEingabe));
    setWindowTitle(core::ProgrammTitel());
    setFixedSize(463, 690);
    int links = 0;
    int oben = 70;
    const settings::IniDatei optionen(ordner_.optionenDatei());
    if (optionen.existiert()) {
        links = optionen.leseInt(QStringLiteral("Position"), QStringLiteral("FEingabe-left"), 0);
        oben = optionen.leseInt(QStringLiteral("Position"), QStringLiteral("FEingabe-top"), 70);
    }
    move(links, oben);
}

} // namespace ui
