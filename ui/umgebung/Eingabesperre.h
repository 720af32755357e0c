#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ui {

// While it lives, clicks, keys, wheel turns and drops go nowhere: they are dropped, not kept for
// later, so that nothing a user did while the program was busy runs afterwards. Only the window
// given (a progress window with its "Abbrechen") still takes them.
class Eingabesperre : public QObject {
    Q_OBJECT
public:
    Eingabesperre();
    ~Eingabesperre() override;
    Eingabesperre(const Eingabesperre&) = delete;
    Eingabesperre& operator=(const Eingabesperre&) = delete;

    void ausser(QWidget* fenster) { ausser_ = fenster; }

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    QPointer<QWidget> ausser_;
};

} // namespace ui
