#pragma once

#include <QObject>
#include <QString>

namespace ui {

// The key filter of an edit that takes only some characters. Only typed characters are filtered:
// editing keys (Backspace, Delete, the arrows, Home, End, Tab) and shortcuts (select-all, cut,
// copy, paste, undo) reach the edit as in any other.
class Zeichenfilter : public QObject {
    Q_OBJECT
public:
    Zeichenfilter(const QString& erlaubt, QObject* parent);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QString erlaubt_;
};

} // namespace ui
