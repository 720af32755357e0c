#include "Tastenkuerzel.h"

#include "ui/bausteine/Namen.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace ui {

const std::vector<Tastenkuerzel>& Tastenkuerzel::alle() {
    static const std::vector<Tastenkuerzel> liste{
        {QKeySequence(Qt::CTRL | Qt::Key_O), QStringLiteral("Spielschein einlesen..."),
         QStringLiteral("Auswertung, über dem Reihengitter"), namen::SpielscheinEinlesen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("Als Spielschein speichern..."),
         QStringLiteral("Auswertung, über dem Reihengitter"), namen::BSave},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), QStringLiteral("Spieltag einlesen..."),
         QStringLiteral("Spieltag, links über den Paarungen"), namen::BOpen},
        {QKeySequence(Qt::Key_F5), QStringLiteral("Gewinn- Prüfung"), QStringLiteral("Auswertung, unten"),
         namen::BAuswerten},
        {QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("Auswertung drucken..."),
         QStringLiteral("Kontextmenü des Reihengitters"), namen::AuswertungDrucken},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), QStringLiteral("Auswertung als PDF speichern..."),
         QStringLiteral("Kontextmenü des Reihengitters"), namen::AuswertungPdf},
        {QKeySequence(Qt::CTRL | Qt::Key_T), QStringLiteral("Statistik über alle Spieltage..."),
         QStringLiteral("Kontextmenü des Reihengitters"), namen::StatistikOeffnen},
        {QKeySequence(Qt::CTRL | Qt::Key_W), QStringLiteral("Eigenes System erstellen..."),
         QStringLiteral("Kontextmenü des Reihengitters"), namen::Systemwerkstatt},
        {QKeySequence(Qt::SHIFT | Qt::Key_F10), QStringLiteral("Kontextmenü des Reihengitters"),
         QStringLiteral("im Reihengitter, auch mit der Menütaste")},
        {QKeySequence(Qt::Key_F1), QStringLiteral("Diese Hilfe"), QStringLiteral("überall im Programm")},
    };
    return liste;
}

QString Tastenkuerzel::text(const QKeySequence& taste) {
    return taste.toString(QKeySequence::PortableText)
        .replace(QStringLiteral("Ctrl"), QStringLiteral("Strg"))
        .replace(QStringLiteral("Shift"), QStringLiteral("Umschalt"));
}

void Tastenkuerzel::anbringen(QWidget* bereich) {
    for (const Tastenkuerzel& k : alle()) {
        if (!k.ziel)
            continue;
        const QString name = QString::fromLatin1(k.ziel);
        if (auto* knopf = bereich->findChild<QAbstractButton*>(name)) {
            knopf->setShortcut(k.taste);
            const QString hinweis = knopf->toolTip().isEmpty() ? knopf->text() : knopf->toolTip();
            knopf->setToolTip(QStringLiteral("%1 (%2)").arg(hinweis, text(k.taste)));
        } else if (auto* eintrag = bereich->findChild<QAction*>(name)) {
            eintrag->setShortcut(k.taste);
            eintrag->setShortcutContext(Qt::WindowShortcut);
        }
    }
}

} // namespace ui
