#include "Ablage.h"

#include "ui/umgebung/Meldungen.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace ui {
namespace {

QStringList dateienIn(const QMimeData* daten) {
    QStringList dateien;
    if (daten)
        for (const QUrl& url : daten->urls())
            if (url.isLocalFile())
                dateien.append(url.toLocalFile());
    return dateien;
}

} // namespace

Ablage::Ablage(QWidget* ziel, Meldungen& meldungen, QString endung, bool mehrere, QString ablehnung)
    : QObject(ziel), meldungen_(meldungen), endung_(std::move(endung)), mehrere_(mehrere),
      ablehnung_(std::move(ablehnung)) {
    ziel->setAcceptDrops(true);
    ziel->installEventFilter(this);
    // An edit inside would take the file's name as text.
    for (QWidget* kind : ziel->findChildren<QWidget*>())
        if (kind->acceptDrops())
            kind->installEventFilter(this);
}

QStringList Ablage::annehmbar(const QStringList& dateien) const {
    if (dateien.isEmpty() || (!mehrere_ && dateien.size() > 1))
        return {};
    for (const QString& datei : dateien)
        if (QFileInfo(datei).suffix().compare(endung_, Qt::CaseInsensitive) != 0)
            return {};
    return dateien;
}

bool Ablage::eventFilter(QObject* objekt, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Any files are let in, so that the refusal can say what this place takes.
        auto* ziehen = static_cast<QDropEvent*>(ereignis);
        if (dateienIn(ziehen->mimeData()).isEmpty())
            return QObject::eventFilter(objekt, ereignis);
        ziehen->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* ablegen = static_cast<QDropEvent*>(ereignis);
        const QStringList dateien = dateienIn(ablegen->mimeData());
        if (dateien.isEmpty())
            return QObject::eventFilter(objekt, ereignis);
        ablegen->acceptProposedAction();
        const QStringList angenommen = annehmbar(dateien);
        if (angenommen.isEmpty())
            meldungen_.warnung(ablehnung_);
        else
            emit abgelegt(angenommen);
        return true;
    }
    default:
        return QObject::eventFilter(objekt, ereignis);
    }
}

} // namespace ui
