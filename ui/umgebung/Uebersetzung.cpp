#include "Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool QtDeutschLaden(QCoreApplication& app) {
    auto* katalog = new QTranslator(&app);
    if (!katalog->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete katalog;
        return false;
    }
    return QCoreApplication::installTranslator(katalog);
}

} // namespace ui
