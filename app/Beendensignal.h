#pragma once

#include <QObject>
#include <QPointer>

#include <array>
#include <csignal>

class QSocketNotifier;
class QWidget;

namespace app {

// The session ending (SIGTERM), a terminal closing (SIGHUP) or Ctrl+C (SIGINT) ends the program as
// closing its main window does, with what that stores, instead of killing it. The handler only
// writes a byte into a pipe; the event loop reads it and closes the window. A signal that comes
// before the window is named ends an open message of the start and closes the window when it is
// named. One object per process.
class Beendensignal : public QObject {
    Q_OBJECT
public:
    explicit Beendensignal(QObject* parent = nullptr);
    ~Beendensignal() override;

    // From now on (and for a signal already waiting) the window is closed.
    void schliesst(QWidget* fenster);

private:
    void gemeldet();

    static constexpr std::array<int, 3> Signale = {SIGTERM, SIGINT, SIGHUP};
    std::array<struct sigaction, 3> vorher_{};
    QSocketNotifier* melder_ = nullptr;
    QPointer<QWidget> fenster_;
    bool verlangt_ = false;
};

} // namespace app
