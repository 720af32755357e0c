#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace ui {

// The progress window of a transfer that takes a while: what is fetched, the bytes so far, and
// "Abbrechen", which stops the transfer (so do Escape and closing the window).
class TFUebertragung : public QDialog {
    Q_OBJECT
public:
    TFUebertragung(const QString& datei, QWidget* eltern);

    // Bytes so far and the size announced, 0 while it is unknown.
    void stand(qint64 bisher, qint64 gesamt);

signals:
    void abbrechen();

private:
    QLabel* LDownload;
    QLabel* LBytes;
    QProgressBar* balken_;
    QPushButton* BAbbrechen;
};

} // namespace ui
