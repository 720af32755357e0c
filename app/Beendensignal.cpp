#include "Beendensignal.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace app {
namespace {

int rohr[2] = {-1, -1};

void ankommen(int) {
    const int fehler = errno;
    const char byte = 1;
    [[maybe_unused]] const auto geschrieben = ::write(rohr[1], &byte, 1);
    errno = fehler;
}

} // namespace

Beendensignal::Beendensignal(QObject* parent) : QObject(parent) {
    Q_ASSERT(rohr[0] < 0);
    if (::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without a pipe the signals keep their default: the program ends as before
    struct sigaction neu {};
    neu.sa_handler = ankommen;
    sigemptyset(&neu.sa_mask);
    neu.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Signale.size(); ++i)
        ::sigaction(Signale[i], &neu, &vorher_[i]);
    melder_ = new QSocketNotifier(rohr[0], QSocketNotifier::Read, this);
    connect(melder_, &QSocketNotifier::activated, this, &Beendensignal::gemeldet);
}

Beendensignal::~Beendensignal() {
    if (!melder_)
        return;
    for (std::size_t i = 0; i < Signale.size(); ++i)
        ::sigaction(Signale[i], &vorher_[i], nullptr);
    delete melder_;
    ::close(rohr[0]);
    ::close(rohr[1]);
    rohr[0] = rohr[1] = -1;
}

void Beendensignal::schliesst(QWidget* fenster) {
    fenster_ = fenster;
    // Closed once the event loop runs, so that quitting the application takes effect.
    if (verlangt_ && fenster_)
        QMetaObject::invokeMethod(fenster_, &QWidget::close, Qt::QueuedConnection);
}

void Beendensignal::gemeldet() {
    char puffer[16];
    while (::read(rohr[0], puffer, sizeof puffer) > 0) {
    }
    verlangt_ = true;
    if (fenster_) {
        fenster_->close();
        return;
    }
    // Before the main window exists only a message of the start can hold the program: it ends, and
    // the window is closed as soon as it is named.
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
}

} // namespace app
