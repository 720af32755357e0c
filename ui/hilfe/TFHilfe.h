#pragma once

#include <QWidget>

class QTextBrowser;

namespace ui {

// The help window (F1): the shortcuts and where each feature lives. At most one exists
// (Einzelfenster); it is freed when closed.
class TFHilfe : public QWidget {
    Q_OBJECT
public:
    explicit TFHilfe(QWidget* parent = nullptr);

    // The page as plain text, as a screen reader reads it.
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QTextBrowser* seite_;
};

} // namespace ui
