#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QToolButton;

namespace ui {

struct Umgebung;

// The about window: picture, version, QR code and the publisher's contact data with a mail link.
// Given the main window, it opens centred on it. At most one exists (Einzelfenster); it is freed when
// closed.
class TFInfo : public QWidget {
    Q_OBJECT
public:
    static constexpr int KlientBreite = 400;
    static constexpr int KlientHoehe = 300;

    explicit TFInfo(Umgebung& umgebung, QWidget* parent = nullptr);
    ~TFInfo() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void LMailClick();
    void kontakteBauen();
    // The hand over the mail address holds for the whole program until the mouse reaches the
    // panel or the window closes.
    void handZeigen(bool hand);

    Umgebung& umgebung_;
    QLabel* LVersion;
    QFrame* Panel1;
    QLabel* LMail;
    bool hand_ = false;
};

} // namespace ui
