#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

class Meldungen;

// Files dragged from the desktop onto a control. Files of the wanted extension are passed on;
// anything else is refused with the German message and changes nothing.
class Ablage : public QObject {
    Q_OBJECT
public:
    // The controls inside ziel that take drops of their own are covered too. endung without the dot, compared
    // without regard to case; mehrere: several files at once.
    Ablage(QWidget* ziel, Meldungen& meldungen, QString endung, bool mehrere, QString ablehnung);

    // The dropped files that this control takes; empty when it refuses them.
    QStringList annehmbar(const QStringList& dateien) const;

signals:
    void abgelegt(const QStringList& dateien);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    Meldungen& meldungen_;
    QString endung_;
    bool mehrere_;
    QString ablehnung_;
};

} // namespace ui
