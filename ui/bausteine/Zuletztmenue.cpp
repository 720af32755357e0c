#include "Zuletztmenue.h"

#include "settings/IniDatei.h"
#include "settings/Zuletzt.h"
#include "ui/umgebung/Meldungen.h"
#include "ui/umgebung/Waechter.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>

namespace ui {

Zuletztmenue::Zuletztmenue(QAbstractButton* knopf, Meldungen& meldungen, QString optionenDatei,
                           const char* art, bool ordner)
    : QObject(knopf), knopf_(knopf), meldungen_(meldungen), optionenDatei_(std::move(optionenDatei)),
      art_(art), ordner_(ordner) {
    knopf->installEventFilter(this);
}

bool Zuletztmenue::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::ContextMenu) {
        zeigen(static_cast<QContextMenuEvent*>(ereignis)->globalPos());
        return true;
    }
    if (ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Menu ||
            (taste->key() == Qt::Key_F10 && taste->modifiers() == Qt::ShiftModifier)) {
            zeigen(knopf_->mapToGlobal(QPoint(0, knopf_->height())));
            return true;
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

void Zuletztmenue::zeigen(const QPoint& ort) {
    QStringList liste;
    Schuetzen(meldungen_,
              [&] { liste = settings::Zuletzt(settings::IniDatei(optionenDatei_), art_).liste(); });
    QMenu menue(knopf_);
    menue.setAccessibleName(QStringLiteral("Zuletzt geöffnet"));
    if (liste.isEmpty())
        menue.addAction(QStringLiteral("Noch nichts geöffnet"))->setEnabled(false);
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const QString pfad = liste[i];
        const QString name = ordner_ ? QDir::toNativeSeparators(pfad) : QFileInfo(pfad).fileName();
        // Numbered for the keyboard: 1 to 9, then 0.
        QAction* eintrag = menue.addAction(QStringLiteral("&%1 %2").arg(QString::number((i + 1) % 10), name));
        eintrag->setToolTip(QDir::toNativeSeparators(pfad));
        connect(eintrag, &QAction::triggered, this, [this, pfad] { waehlen(pfad); });
    }
    menue.setToolTipsVisible(true);
    menue.exec(ort);
}

void Zuletztmenue::waehlen(const QString& pfad) {
    Schuetzen(meldungen_, [&] {
        const QFileInfo info(pfad);
        if (ordner_ ? info.isDir() : info.isFile()) {
            emit gewaehlt(pfad);
            return;
        }
        settings::Zuletzt(settings::IniDatei(optionenDatei_), art_).entfernen(pfad);
        const QString name = QDir::toNativeSeparators(pfad);
        meldungen_.information(
            ordner_ ? QStringLiteral("Den Ordner „%1“ gibt es nicht mehr. Er wurde aus der Liste der zuletzt "
                                     "verwendeten Ordner entfernt.")
                          .arg(name)
                    : QStringLiteral("Die Datei „%1“ gibt es nicht mehr. Sie wurde aus der Liste der zuletzt "
                                     "geöffneten Dateien entfernt.")
                          .arg(name));
    });
}

} // namespace ui
