#pragma once

class QCoreApplication;

namespace ui {

// Qt's own texts (file dialogs, their questions, standard buttons, edit menus) in German, whatever
// the system's language: the program speaks German only. False when the catalogue is missing;
// those texts then stay English.
bool QtDeutschLaden(QCoreApplication& app);

} // namespace ui
