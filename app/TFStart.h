#pragma once

#include <QWidget>

class QToolButton;

// The start window: shown while the main window is built; "Weiter" fades it out and the main window in.
class TFStart : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool InitializationDone READ initializationDone WRITE setInitializationDone)
public:
    explicit TFStart(QWidget* parent = nullptr);

    bool initializationDone() const { return FInitializationDone; }
    void setInitializationDone(bool fertig);
    // The window that fades in when this one closes.
    void setHauptfenster(QWidget* hauptfenster) { hauptfenster_ = hauptfenster; }
    // Milliseconds per fade step (tests set 0).
    void setSchrittdauer(int ms) { schrittdauer_ = ms; }

    QToolButton* BWeiter;
    QToolButton* Video; // bsSkinSpeedButton1, "Das macht das Tool"

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    // Enter presses "Weiter", the window's default button, unless the focused button takes it.
    void keyPressEvent(QKeyEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void BWeiter0Click();
    void warten(int ms);

    bool FInitializationDone = false;
    QWidget* hauptfenster_ = nullptr;
    int schrittdauer_ = 1;
};
