#include "Systemordner.h"

#include "core/grund/Fehler.h"

#include <QDir>

namespace ui {

std::vector<Systemordner::Eintrag> Systemordner::auflisten() const {
    std::vector<Eintrag> liste;
    const QFileInfoList dateien = QDir(pfad_).entryInfoList(
        {QStringLiteral("*.") + QLatin1StringView(Endung)}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : dateien) {
        Eintrag e{info.filePath(), info.fileName(), std::nullopt, QString()};
        try {
            e.system = core::EigenesSystem::dateiLesen(info.filePath());
        } catch (const core::Fehler& f) {
            e.grund = f.text();
        }
        liste.push_back(std::move(e));
    }
    return liste;
}

bool Systemordner::anlegen() const {
    return QDir().mkpath(pfad_);
}

} // namespace ui
